#include "ui/controls.h"

#include "ui/numberbox.h"
#include "ui/picture.h"
#include "ui/textlabel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tavrel
{

namespace
{

constexpr int kRadioItems = 5;
// The frame's border around the slots of its radio items.
constexpr QMargins kRadioMargins(6, 8, 4, 4);

void fillBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

// A frame with five radio items in equal slots down its height, inside its
// border, so that each can stand level with a row of the picture beside
// it. The button group carries the frame's name.
QWidget *makeRadioGroup(const ControlSpec &row, QWidget *parent)
{
    auto *frame = new QGroupBox(parent);
    auto *items = new QButtonGroup(frame);
    items->setObjectName(QString::fromLatin1(row.name));
    const QRect cells = QRect(QPoint(), QSize(row.width, row.height)).marginsRemoved(kRadioMargins);
    for (int id = 0; id < kRadioItems; ++id) {
        auto *item = new QRadioButton(frame);
        item->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(row.name)).arg(id));
        const int height = cells.height() / kRadioItems;
        item->setGeometry(cells.left(), cells.top() + id * height, cells.width(), height);
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
        return makeTextLabel(row, parent);
    case ControlKind::Edit:
        return makeNumberBox(row, parent);
    case ControlKind::Shown:
    case ControlKind::Output:
        return makeResultBox(row, parent);
    case ControlKind::Button: {
        auto *button = new QPushButton(QString::fromUtf8(row.text), parent);
        // Return and Enter press the focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::RadioGroup:
        return makeRadioGroup(row, parent);
    case ControlKind::Picture:
        return new Picture(QString::fromUtf8(row.text), parent);
    }
    return nullptr;
}

template <typename T> T *typed(const Controls &controls, const QString &name)
{
    auto *widget = qobject_cast<T *>(controls.widget(name));
    Q_ASSERT_X(widget, "Controls", qPrintable(name));
    return widget;
}

} // namespace

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
        if (row.kind == ControlKind::Edit || row.kind == ControlKind::Shown)
            controls.addInput(static_cast<QLineEdit *>(widget));
    }
    return controls;
}

void chainTabOrder(const Controls &controls, const QList<const char *> &names)
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

} // namespace tavrel
