// What each box and field of a tab is: its caption as its buddy and its
// accessible name, its unit, and its value in SI units in its tooltip.
#pragma once

#include <QString>

#include <span>

class QWidget;

namespace tavrel
{

class Controls;

// What a box or field holds: its unit, and the value in SI units that its
// tooltip adds where the unit is not one already.
enum class Quantity {
    None,           // a pure number (Poisson's ratio)
    Length,         // mm
    Force,          // kgf, shown in N
    Load,           // kgf or kgf/mm as its unit label says, in N or N/mm
    Modulus,        // kgf/mm², in GPa
    Stress,         // kgf/mm², in MPa
    Moment,         // kgf·mm, in N·mm
    SecondMoment,   // mm⁴
    SectionModulus, // mm³
    Speed,          // r/min
    Hours,          // h
    Days,           // 日
};

// A box or result field, the label that captions it, what it holds, and,
// for a load, the label that says whether it is per length.
struct CaptionSpec {
    const char *control;
    const char *caption;
    Quantity quantity = Quantity::None;
    const char *unit = nullptr;
};

// Makes each caption label the buddy of its control and gives the control
// an accessible name made from the caption, so a screen reader says what a
// box is for (the names follow later caption changes made by setCaption),
// and marks what each control holds for its tooltip and the copy of the tab.
void describeFields(const Controls &controls, std::span<const CaptionSpec> captions);

// Changes what a control holds, where a selection changes it.
void setQuantity(QWidget *control, Quantity quantity);

// The unit of what a control holds ("kgf/mm", "日"); empty for a pure number.
QString unitOf(const QWidget *control);

// The name a screen reader gives a control captioned `caption`.
QString accessibleNameFrom(const QString &caption);

// Marks whether a result field's text still belongs to the inputs. A field
// whose text does not says so in its tooltip; an empty field says nothing.
void markCurrent(QWidget *field, bool current);

// A tooltip that holds the whole text of `control` and, for a quantity, its
// value in SI units; for a result that is not current, that it is not.
QString toolTipFor(const QWidget *control, const QString &text);

// The text of a label or an edit box.
QString textOf(const QWidget *control);

} // namespace tavrel
