// The number boxes of a tab: boxes the user types into, and boxes into
// which a press also writes a result.
#pragma once

class QLineEdit;
class QWidget;

namespace tavrel
{

struct ControlSpec;

// A box for an Edit row of a layout table.
QLineEdit *makeNumberBox(const ControlSpec &row, QWidget *parent);

// A box for a Shown or Output row of a layout table: its text is fitted
// into its box whenever it changes.
QLineEdit *makeResultBox(const ControlSpec &row, QWidget *parent);

} // namespace tavrel
