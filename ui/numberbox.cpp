#include "ui/numberbox.h"

#include "core/num/paste_text.h"
#include "ui/controls.h"
#include "ui/describe.h"
#include "ui/fitting.h"
#include "ui/palette.h"
#include "ui/popups.h"
#include "ui/stale_look.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <optional>
#include <string>

namespace tavrel
{

namespace
{

// A line edit's own margin left and right of its text.
constexpr int kLineEditMargin = 2;

// The most characters a box takes. Far beyond any number anybody types, so
// that a long pasted text is kept whole; a longer one is refused whole.
constexpr int kMaxTextLength = 100000;

// A number box. It keeps a typed or pasted text whole, or refuses a paste
// whole with a message: never a number cut short into another. A paste
// (keys, menu, middle click or drop) loses the blanks and line breaks of a
// spreadsheet cell around it and its full-width digits, so that the box
// shows what will be read; several cells are refused. Its edit menu
// is the toolkit's, in the window's look; its tooltip gives the value in SI
// units where it holds a quantity.
class NumberBox : public QLineEdit
{
public:
    NumberBox(const ControlSpec &row, QWidget *parent)
        : QLineEdit(QString::fromUtf8(row.text), parent), result_(row.kind == ControlKind::Output)
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

    // Text moved within the box goes as it is; text dropped from elsewhere
    // is taken as a paste.
    void dropEvent(QDropEvent *event) override
    {
        if (event->source() == this) {
            QLineEdit::dropEvent(event);
            return;
        }
        const std::optional<QString> cell = taken(event->mimeData()->text());
        if (!cell) {
            event->ignore();
            return;
        }
        QMimeData data;
        data.setText(*cell);
        QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(),
                        event->modifiers());
        QLineEdit::dropEvent(&drop);
        event->setDropAction(drop.dropAction());
        event->setAccepted(drop.isAccepted());
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The toolkit names its paste item by its text alone.
        for (QAction *paste : menu->actions()) {
            if (paste->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste"))
                continue;
            paste->disconnect(this);
            connect(paste, &QAction::triggered, this, [this] { pasteWhole(QClipboard::Clipboard); });
        }
        if (result_)
            offerResultAction(menu, this);
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

    // A pasted text as the box takes it (see pastedNumberText), when it
    // is one value that fits; otherwise says why not in a message.
    std::optional<QString> taken(const QString &pasted)
    {
        const std::optional<std::string> cell = pastedNumberText(pasted.toStdString());
        if (!cell) {
            showErrorBox(this,
                         QStringLiteral("1 つの欄に入る値は 1 つだけです。貼り付けようとした文字列は"
                                        "タブか改行で区切られた複数の値を含むため、貼り付けませんでした。"));
            return std::nullopt;
        }
        QString text = QString::fromStdString(*cell);
        if (!fitsWhole(text))
            return std::nullopt;
        return text;
    }

    void pasteWhole(QClipboard::Mode mode)
    {
        if (isReadOnly())
            return;
        if (const std::optional<QString> cell = taken(QGuiApplication::clipboard()->text(mode)))
            insert(*cell);
    }

    // A box that shows a result offers the result action.
    bool result_;
};

// A box into which a press writes a result, named for a screen reader by
// its caption, value and unit. Like a result field, it draws
// its text condensed or smaller so that it fits, and shows the beginning of
// a text that the program wrote; only past the smallest font is the text
// cut with "…", and then only while the box does not have the focus.
class ResultBox : public NumberBox
{
public:
    ResultBox(const ControlSpec &row, QWidget *parent) : NumberBox(row, parent), base_(fontFor(row.font))
    {
        // A box that only shows a result takes no typing; it can still be
        // reached by Tab, selected and copied.
        setReadOnly(row.kind == ControlKind::Output);
        connect(this, &QLineEdit::textChanged, this, [this] {
            fit();
            nameControl(this);
        });
    }

    void fit()
    {
        const FittedText fitted = fitText(base_, text(), TextRoom{static_cast<qreal>(textArea().width())});
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
        } else {
            QPainter painter(this);
            QStyleOptionFrame option;
            initStyleOption(&option);
            style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, elided(font(), text(), area.width()));
        }
        paintStaleMark(this);
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

} // namespace

QLineEdit *makeNumberBox(const ControlSpec &row, QWidget *parent)
{
    return new NumberBox(row, parent);
}

QLineEdit *makeResultBox(const ControlSpec &row, QWidget *parent)
{
    return new ResultBox(row, parent);
}

} // namespace tavrel
