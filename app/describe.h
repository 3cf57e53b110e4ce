// What each box and field of a tab is: its caption as its buddy and its
// accessible name, its value in SI units in its tooltip, and the tab as
// text for a report.
#pragma once

#include <QString>

#include <span>

class QWidget;

namespace tavrel
{

class Controls;

// What a box or field holds, for the value in SI units that its tooltip adds.
enum class Quantity {
    None,
    Force,   // kgf, shown in N
    Load,    // kgf or kgf/mm as its unit label says, in N or N/mm
    Modulus, // kgf/mm^2, in GPa
    Stress,  // kgf/mm^2, in MPa
    Moment,  // kgf mm, in N mm
};

// A box or result field, the label that captions it, the label that gives
// its unit when the caption does not, and what it holds.
struct CaptionSpec {
    const char *control;
    const char *caption;
    const char *unit = nullptr;
    Quantity quantity = Quantity::None;
};

// Makes each caption label the buddy of its control and gives the control
// an accessible name made from the caption, so a screen reader says what a
// box is for (the names follow later caption changes made by setCaption),
// marks what each control holds for its tooltip, and makes Ctrl+Shift+C on
// `tab` copy the tab as text (see tabAsText).
void describeFields(QWidget *tab, const Controls &controls, std::span<const CaptionSpec> captions);

// The tab as text for a report or a spreadsheet: one line per box and
// field in table order (the inputs, then the results), each its caption
// and its value separated by a tab. Boxes that are disabled do not apply
// and are left out.
QString tabAsText(const Controls &controls, std::span<const CaptionSpec> captions);

// The name a screen reader gives a control captioned `caption`.
QString accessibleNameFrom(const QString &caption);

// A tooltip that holds the whole text of `control` and, for a quantity, its
// value in SI units.
QString toolTipFor(const QWidget *control, const QString &text);

} // namespace tavrel
