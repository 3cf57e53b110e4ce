// The labels of a tab: captions, result fields and notes, whose texts
// always fit their designed boxes.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace tavrel
{

struct ControlSpec;

// A label for a Caption, Field or Note row of a layout table.
QLabel *makeTextLabel(const ControlSpec &row, QWidget *parent);

// Sets a label's text; a Caption label then fits itself to the new text
// from its designed top-left corner, like the designed auto-sizing labels.
void setCaption(QLabel *label, const QString &text);

// Sets a result field's text, fitted into its designed box.
void setFieldText(QLabel *field, const QString &text);

} // namespace tavrel
