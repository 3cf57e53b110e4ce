// How a result that no longer belongs to the inputs looks: its text muted
// (still at 4.5:1 or more against its fill) inside a dashed frame, and the
// tab's compute button asking to be pressed.
#pragma once

class QPushButton;
class QWidget;

namespace tavrel
{

// Mutes the text of a result field or box whose shown text is not current,
// or gives it back its designed colour.
void showStale(QWidget *field, bool stale);

// Draws the dashed frame over a stale result that shows a text; nothing on
// any other. Called at the end of the field's own painting.
void paintStaleMark(QWidget *field);

// Marks the compute button while the shown results wait for a press: the
// button takes the press-due colour and says why in its tooltip and its
// description for a screen reader.
void showPressDue(QPushButton *button, bool due);

} // namespace tavrel
