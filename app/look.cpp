#include "app/look.h"

#include "app/describe.h"
#include "app/fitting.h"
#include "app/numtext.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSvgWidget>

namespace tavrel
{

namespace
{

constexpr int kRadioItems = 5;
// The frame's border around the slots of its radio items.
constexpr QMargins kRadioMargins(6, 8, 4, 4);
// A line edit's own margin left and right of its text.
constexpr int kLineEditMargin = 2;

// The most characters a box takes. Far beyond any number anybody types, so
// that a long pasted text is kept whole; a longer one is refused whole.
constexpr int kMaxTextLength = 100000;

void fillBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

// A caption, result field or note. Its text always fits its box: the
// designed caption spans exactly its designed width, as it did in the
// designed font (set looser when the font here is narrower, tighter by up
// to 1.5 pixels a character when it is a little wider, condensed when much
// wider), so the captions end where they were designed to; a caption
// that a selection sets grows to its text, as the designed auto-sizing
// labels do, up to the tab's right edge; a field keeps its designed size.
// A text too wide for its room is drawn condensed, then smaller, and only
// when even the smallest font does not fit, cut with "…" (the tooltip then
// holds the whole text). Fitting happens whenever the text is set through
// setCaption or setFieldText, and again before painting a text set any
// other way.
class TextLabel : public QLabel
{
public:
    TextLabel(const ControlSpec &row, QWidget *parent)
        : QLabel(QString::fromUtf8(row.text), parent), kind_(row.kind), base_(fontFor(row.font)),
          designedText_(text()), designedWidth_(row.width)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextFormat(Qt::PlainText);
        setWordWrap(kind_ == ControlKind::Note);
        if (kind_ == ControlKind::Field)
            setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    void fit()
    {
        const QString current = text();
        room_ = roomFor(current);
        fittedFor_ = {current, room_};
        // The designed caption spans its designed width; any other text
        // keeps its own spacing.
        const bool designed = kind_ == ControlKind::Caption && current == designedText_;
        const FittedText fitted =
            fitText(base_, current, TextRoom{qreal(room_), qreal(height()), kind_ == ControlKind::Note},
                    designed ? Tracking::ToRoom : Tracking::Natural);
        if (this->font() != fitted.font || !testAttribute(Qt::WA_SetFont))
            setFont(fitted.font);
        if (kind_ == ControlKind::Caption)
            resize(!fitted.narrowed && !designed ? fitted.span : room_, QFontMetrics(fitted.font).height());
        whole_ = fitted.whole;
        setToolTip(kind_ == ControlKind::Field ? toolTipFor(this, current) : whole_ ? QString() : current);
    }

protected:
    // The width the text may take.
    int roomFor(const QString &text) const
    {
        if (kind_ != ControlKind::Caption || text == designedText_)
            return kind_ == ControlKind::Caption ? designedWidth_ : width();
        constexpr int kEdgeMargin = 4;
        return std::max(designedWidth_, parentWidget()->width() - x() - kEdgeMargin);
    }

    // Labels of a tab not yet shown are fitted when first shown (their tab
    // has its size then); a text set other than through setCaption is
    // fitted before it is painted.
    void fitIfChanged()
    {
        if (fittedFor_ != std::pair{text(), roomFor(text())})
            fit();
    }

    void showEvent(QShowEvent *event) override
    {
        fitIfChanged();
        QLabel::showEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        fitIfChanged();
        if (whole_) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(),
                              elided(font(), text(), contentsRect().width()), foregroundRole());
    }

    // A result field offers its text for copying.
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        if (kind_ != ControlKind::Field) {
            QLabel::contextMenuEvent(event);
            return;
        }
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction *copy =
            menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, [this] {
                QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text().trimmed());
            });
        copy->setEnabled(!text().trimmed().isEmpty());
        menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                        [this] { setSelection(0, static_cast<int>(text().size())); });
        adoptWindowLook(menu);
        menu->popup(event->globalPos());
    }

private:
    ControlKind kind_;
    QFont base_;
    QString designedText_;
    int designedWidth_;
    int room_{};
    std::pair<QString, int> fittedFor_;
    bool whole_ = true;
};

// A number box. It keeps a typed or pasted text whole, or refuses a paste
// whole with a message: never a number cut short into another. Its edit menu
// is the toolkit's, in the window's look; its tooltip gives the value in SI
// units where it holds a quantity.
class NumberBox : public QLineEdit
{
public:
    NumberBox(const ControlSpec &row, QWidget *parent) : QLineEdit(QString::fromUtf8(row.text), parent)
    {
        setMaxLength(kMaxTextLength);
        // Numbers are typed half-width: keep a Japanese input method out of
        // the way, so digits go straight into the box without conversion.
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhPreferLatin);
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            setToolTip(toolTipFor(this, text()));
        return QLineEdit::event(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Paste))
            pasteWhole(QClipboard::Clipboard);
        else if (event->text().isEmpty() || !event->text().at(0).isPrint() || fitsWhole(event->text()))
            QLineEdit::keyPressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection())
            pasteWhole(QClipboard::Selection);
        else
            QLineEdit::mouseReleaseEvent(event);
    }

    void dropEvent(QDropEvent *event) override
    {
        if (fitsWhole(event->mimeData()->text()))
            QLineEdit::dropEvent(event);
        else
            event->ignore();
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
            paste->disconnect(this);
            connect(paste, &QAction::triggered, this, [this] { pasteWhole(QClipboard::Clipboard); });
        }
        adoptWindowLook(menu);
        menu->popup(event->globalPos());
    }

private:
    // True when `added` (typed or pasted) goes in, in place of the
    // selection, without passing the most characters a box takes; otherwise
    // says so in a message.
    bool fitsWhole(const QString &added)
    {
        const qsizetype length = text().size() - selectedText().size() + added.size();
        if (length <= maxLength())
            return true;
        showErrorBox(this, QStringLiteral("1 つの欄に入るのは %1 文字までです。"
                                          "入れようとした %2 文字は入れませんでした。")
                               .arg(maxLength())
                               .arg(added.size()));
        return false;
    }

    void pasteWhole(QClipboard::Mode mode)
    {
        if (isReadOnly())
            return;
        const QString clip = QGuiApplication::clipboard()->text(mode);
        if (fitsWhole(clip))
            insert(clip);
    }
};

// A box into which a press writes a result. Like a result field, it draws
// its text condensed or smaller so that it fits, and shows the beginning of
// a text that the program wrote; only past the smallest font is the text
// cut with "…", and then only while the box does not have the focus.
class ResultBox : public NumberBox
{
public:
    ResultBox(const ControlSpec &row, QWidget *parent) : NumberBox(row, parent), base_(fontFor(row.font))
    {
        connect(this, &QLineEdit::textChanged, this, [this] { fit(); });
    }

    void fit()
    {
        const FittedText fitted = fitText(base_, text(), TextRoom{qreal(textArea().width())});
        if (this->font() != fitted.font)
            setFont(fitted.font);
        if (!isModified())
            setCursorPosition(0);
        setToolTip(toolTipFor(this, text()));
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        NumberBox::resizeEvent(event);
        fit();
    }

    void paintEvent(QPaintEvent *event) override
    {
        const QRect area = textArea();
        if (hasFocus() || fitsWidth(font(), text(), area.width())) {
            NumberBox::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QStyleOptionFrame option;
        initStyleOption(&option);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, elided(font(), text(), area.width()));
    }

private:
    // Where the box draws its text: inside the frame, the text margins and
    // the box's own two-pixel margin at each side.
    QRect textArea() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        return contents.marginsRemoved(textMargins()).adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
    }

    QFont base_;
};

// An SVG picture that reads its file when first shown: pictures on tabs not
// yet opened, or of a contact kind not selected, cost nothing at start-up.
class Picture : public QSvgWidget
{
public:
    Picture(const QString &file, QWidget *parent) : QSvgWidget(parent), file_(file)
    {
        setFocusPolicy(Qt::NoFocus);
    }

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
        return new TextLabel(row, parent);
    case ControlKind::Edit:
        return new NumberBox(row, parent);
    case ControlKind::Shown:
    case ControlKind::Output:
        return new ResultBox(row, parent);
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

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (auto *fitting = dynamic_cast<TextLabel *>(label))
        fitting->fit();
    if (QWidget *control = label->buddy())
        control->setAccessibleName(accessibleNameFrom(text));
}

void setFieldText(QLabel *field, const QString &text)
{
    setCaption(field, text);
}

} // namespace tavrel
