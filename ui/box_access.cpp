#include "ui/box_access.h"

#include "ui/device_rect.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace tavrel
{

namespace
{

// Where the units of `type` begin and end in `text`, from 0 to its length;
// for words only the edges of words, so that a word and the blanks after
// it are separate units.
QList<int> edges(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    QList<int> at{0};
    QTextBoundaryFinder finder(type, text);
    const auto edge = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
        if (type != QTextBoundaryFinder::Word || finder.boundaryReasons() & edge)
            at << static_cast<int>(p);
    if (at.back() != text.size())
        at << static_cast<int>(text.size());
    return at;
}

// A one-line box: the toolkit's roles, states and editing, with text
// queries that end and attribute runs that cover the text.
class BoxInterface : public QAccessibleWidget,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface
{
public:
    explicit BoxInterface(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QRect rect() const override { return inDevicePixels(QAccessibleWidget::rect(), widget()); }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + box()->selectionLength();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return answer(spanAt(shown(), at(offset), type), start, end);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override
    {
        // At the end, the unit before is the last one.
        const int from =
            at(offset) >= characterCount() ? characterCount() : spanAt(shown(), at(offset), type).start;
        return answer(from > 0 ? spanAt(shown(), from - 1, type) : TextSpan{}, start, end);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override
    {
        const TextSpan unit = spanAt(shown(), at(offset), type);
        const int length = characterCount();
        return answer(unit.end < length ? spanAt(shown(), unit.end, type) : TextSpan{length, length}, start,
                      end);
    }

    // The box's text has no attributes of its own: one run covers it.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = box()->fontMetrics();
        const QString text = shown();
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(box()->cursorPosition()));
        const QRect local(x, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
        return inDevicePixels(local.translated(box()->mapToGlobal(QPoint(0, 0))), box());
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(inLogicalPixels(point, box())));
    }

    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!box()->isReadOnly())
            box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    // What the box shows: its text, or the marks that stand for a hidden one.
    QString shown() const { return box()->displayText(); }

    // An offset a screen reader sends: -1 is the end, -2 the cursor.
    int at(int offset) const
    {
        if (offset == -1)
            return characterCount();
        return offset == -2 ? cursorPosition() : offset;
    }

    QString answer(TextSpan span, int *start, int *end) const
    {
        *start = span.start;
        *end = span.end;
        return text(span.start, span.end);
    }
};

// The toolkit's own way to the screen reader, and the object whose focus
// it told last (compared only, never used).
QAccessible::UpdateHandler toolkitUpdate = nullptr;
const QObject *focusTold = nullptr;

void tellInTurn(QAccessibleEvent *event)
{
    const QAccessible::Event type = event->type();
    if (type == QAccessible::Focus)
        focusTold = event->object();
    if (type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) {
        const auto *box = qobject_cast<const QLineEdit *>(event->object());
        if (box && (box != focusTold || !box->hasFocus()))
            return;
    }
    // The toolkit has applied a table's change already, before this
    // handler; its bridge to the screen reader ignores it.
    if (type == QAccessible::TableModelChanged)
        return;
    QAccessible::installUpdateHandler(toolkitUpdate);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellInTurn);
}

} // namespace

void tellSelectionsAfterFocus()
{
    toolkitUpdate = QAccessible::installUpdateHandler(tellInTurn);
}

TextSpan spanAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    if (boundary == QAccessible::CharBoundary) {
        if (offset < 0 || offset >= length)
            return {length, length};
        return {offset, offset + 1};
    }
    if (length == 0)
        return {};
    offset = std::clamp(offset, 0, length - 1);
    QList<int> at;
    if (boundary == QAccessible::WordBoundary)
        at = edges(text, QTextBoundaryFinder::Word);
    else if (boundary == QAccessible::SentenceBoundary)
        at = edges(text, QTextBoundaryFinder::Sentence);
    else
        return {0, length};
    const auto next = std::upper_bound(at.cbegin(), at.cend(), offset);
    return {*(next - 1), *next};
}

QAccessibleInterface *boxInterface(QLineEdit *box)
{
    return new BoxInterface(box);
}

void markRefused(QLineEdit *box, const QString &message)
{
    // The toolkit has no state of an invalid entry to report: the message
    // says it.
    box->setAccessibleDescription(message);
    QObject::connect(
        box, &QLineEdit::textChanged, box, [box] { box->setAccessibleDescription(QString()); },
        Qt::SingleShotConnection);
}

} // namespace tavrel
