// What a screen reader reads of a one-line box: its text by character,
// word, sentence or line at any offset, and one run of attributes over the
// whole text. The toolkit's own answers loop for ever on a word at the end
// of a box and give attribute runs of no length, with which a screen reader
// drops the last character of a value (100 read as "10").
#pragma once

#include <QAccessible>

class QAccessibleInterface;
class QLineEdit;

namespace tavrel
{

// The part of a text that a query for its unit at an offset answers.
struct TextSpan {
    int start = 0;
    int end = 0;
};

// The unit of `boundary` (a character, a word with the blanks after it, a
// sentence, or the whole line) that holds `offset`; at the end of the text,
// the last one. Empty, at the end, for a text without one.
TextSpan spanAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary);

// The accessible interface of a one-line box.
QAccessibleInterface *boxInterface(QLineEdit *box);

// Holds back what the toolkit tells a screen reader of a box's selection
// and cursor until it has told of the focus coming to the box: Tab selects
// the value before the focus is told, and the value was read twice, alone
// and with the box's name; the box left told of its selection dropped.
// Once per application.
void tellSelectionsAfterFocus();

// Gives a box whose text was refused `message` as its description, which a
// screen reader reads with the box, until its text changes.
void markRefused(QLineEdit *box, const QString &message);

} // namespace tavrel
