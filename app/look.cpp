#include "app/look.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>

namespace tavrel
{

namespace
{

constexpr const char *kAutoSizeProperty = "tavrelAutoSize";
constexpr int kRadioItems = 5;

QStringList familiesFor(FontRole role)
{
    if (role == FontRole::Mincho15)
        return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")};
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")};
}

int pixelHeightFor(FontRole role)
{
    switch (role) {
    case FontRole::Gothic17:
        return 17;
    case FontRole::Gothic13:
        return 13;
    case FontRole::Inherit:
    case FontRole::Mincho15:
        break;
    }
    return 15;
}

void fillBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

// A label that fits itself to its text from its designed top-left corner.
// It does so when shown, so the labels of tabs not yet opened do not load
// their fonts at start-up; setCaption fits it again on every new text.
class CaptionLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent *event) override
    {
        adjustSize();
        QLabel::showEvent(event);
    }
};

QWidget *makeLabel(const ControlSpec &row, QWidget *parent)
{
    auto *label = row.kind == ControlKind::Caption ? new CaptionLabel(QString::fromUtf8(row.text), parent)
                                                   : new QLabel(QString::fromUtf8(row.text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    if (row.kind == ControlKind::Note)
        label->setWordWrap(true);
    if (row.kind == ControlKind::Caption)
        label->setProperty(kAutoSizeProperty, true);
    return label;
}

QLineEdit *makeEdit(const ControlSpec &row, QWidget *parent)
{
    auto *edit = new QLineEdit(QString::fromUtf8(row.text), parent);
    // Numbers are typed half-width: keep a Japanese input method out of the
    // way, so digits go straight into the box without conversion.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhPreferLatin);
    return edit;
}

// An SVG picture that reads its file when first shown: pictures on tabs not
// yet opened, or of a contact kind not selected, cost nothing at start-up.
class Picture : public QSvgWidget
{
public:
    Picture(const QString &file, QWidget *parent) : QSvgWidget(parent), file_(file) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        if (!file_.isEmpty()) {
            load(file_);
            file_.clear();
        }
        QSvgWidget::showEvent(event);
    }

private:
    QString file_;
};

// A frame with five radio items spread evenly down its height, so that
// each can stand level with a row of the picture beside it. The button
// group carries the frame's name.
QWidget *makeRadioGroup(const ControlSpec &row, QWidget *parent)
{
    auto *frame = new QGroupBox(parent);
    auto *items = new QButtonGroup(frame);
    items->setObjectName(QString::fromLatin1(row.name));
    const int top = 8, step = (row.height - 12) / kRadioItems;
    for (int id = 0; id < kRadioItems; ++id) {
        auto *item = new QRadioButton(frame);
        item->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(row.name)).arg(id));
        const int centre = top + (row.height - 12) * (2 * id + 1) / (2 * kRadioItems);
        item->setGeometry(6, centre - step / 2, row.width - 10, step);
        items->addButton(item, id);
    }
    items->button(0)->setChecked(true);
    return frame;
}

QWidget *makeWidget(const ControlSpec &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::Caption:
    case ControlKind::Field:
    case ControlKind::Note:
        return makeLabel(row, parent);
    case ControlKind::Edit:
    case ControlKind::Output:
        return makeEdit(row, parent);
    case ControlKind::Button:
        return new QPushButton(QString::fromUtf8(row.text), parent);
    case ControlKind::RadioGroup:
        return makeRadioGroup(row, parent);
    case ControlKind::Picture: {
        auto *picture = new Picture(QString::fromUtf8(row.text), parent);
        picture->setFocusPolicy(Qt::NoFocus);
        return picture;
    }
    }
    return nullptr;
}

// "球半径  R1[mm] = " is read out as "球半径 R1[mm]", "(日数 =    )" as "日数".
QString accessibleNameFrom(const QString &caption)
{
    QString name = caption.simplified();
    static const QString trim = QStringLiteral(" =()");
    while (!name.isEmpty() && trim.contains(name.back()))
        name.chop(1);
    while (!name.isEmpty() && trim.contains(name.front()))
        name.remove(0, 1);
    return name;
}

template <typename T> T *typed(const Controls &controls, const QString &name)
{
    auto *widget = qobject_cast<T *>(controls.widget(name));
    Q_ASSERT_X(widget, "Controls", qPrintable(name));
    return widget;
}

} // namespace

QFont fontFor(FontRole role)
{
    QFont font;
    font.setFamilies(familiesFor(role));
    font.setPixelSize(pixelHeightFor(role));
    font.setStyleHint(role == FontRole::Mincho15 ? QFont::Serif : QFont::SansSerif);
    return font;
}

QWidget *Controls::widget(const QString &name) const
{
    return widgets_.value(name);
}
QLabel *Controls::label(const QString &name) const
{
    return typed<QLabel>(*this, name);
}
QLineEdit *Controls::edit(const QString &name) const
{
    return typed<QLineEdit>(*this, name);
}
QPushButton *Controls::button(const QString &name) const
{
    return typed<QPushButton>(*this, name);
}

QButtonGroup *Controls::radioItems(const QString &name) const
{
    auto *items = widget(name)->findChild<QButtonGroup *>(name);
    Q_ASSERT_X(items, "Controls", qPrintable(name));
    return items;
}

Controls buildControls(QWidget *parent, std::span<const ControlSpec> table)
{
    Controls controls;
    for (const ControlSpec &row : table) {
        QWidget *widget = makeWidget(row, parent);
        widget->setObjectName(QString::fromLatin1(row.name));
        if (row.font != FontRole::Inherit)
            widget->setFont(fontFor(row.font));
        if (row.fill == Fill::Result)
            fillBackground(widget, row.kind == ControlKind::Output ? QPalette::Base : QPalette::Window,
                           kResultColour);
        else if (row.fill == Fill::Title)
            fillBackground(widget, QPalette::Window, kTitleColour);
        widget->setGeometry(row.left, row.top, row.width, row.height);
        controls.add(widget->objectName(), widget);
        if (row.kind == ControlKind::Edit)
            controls.addInput(static_cast<QLineEdit *>(widget));
    }
    return controls;
}

void chainTabOrder(const Controls &controls, std::initializer_list<const char *> names)
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const char *name : names) {
        QWidget *next = controls.widget(QString::fromLatin1(name));
        Q_ASSERT_X(next, "chainTabOrder", name);
        if (qobject_cast<QGroupBox *>(next)) {
            for (QAbstractButton *item : controls.radioItems(next->objectName())->buttons())
                chain(item);
        } else {
            chain(next);
        }
    }
}

void pressOnReturn(const Controls &controls, QPushButton *button)
{
    for (QLineEdit *edit : controls.inputs())
        QObject::connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);
}

void nameFromCaptions(const Controls &controls, std::span<const CaptionSpec> captions)
{
    for (const CaptionSpec &row : captions) {
        QLabel *caption = controls.label(QString::fromLatin1(row.caption));
        QWidget *control = controls.widget(QString::fromLatin1(row.control));
        Q_ASSERT_X(control, "nameFromCaptions", row.control);
        caption->setBuddy(control);
        control->setAccessibleName(accessibleNameFrom(caption->text()));
    }
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (label->property(kAutoSizeProperty).toBool())
        label->adjustSize();
    if (QWidget *control = label->buddy())
        control->setAccessibleName(accessibleNameFrom(text));
}

void setFontColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace tavrel
