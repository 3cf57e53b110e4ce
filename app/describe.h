// What each box and field of a tab is: its caption as its buddy, its name
// for a screen reader, its value in SI units in its tooltip, and the tab as
// text for a report.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

class QButtonGroup;
class QLabel;
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

// Names each control for a screen reader by its caption (see nameControl;
// the caption label of a box becomes its buddy), marks what each control
// holds for its tooltip, and makes Ctrl+Shift+C on `tab` copy the tab as
// text (see tabAsText).
void describeFields(QWidget *tab, const Controls &controls, std::span<const CaptionSpec> captions);

// Names again the control that `caption` captions, after its text changed.
void captionChanged(const QLabel *caption);

// True for the caption label of a result field or box: the result's name
// says it, with the value, so a screen reader need not find it again.
bool captionsResult(const QWidget *label);

// Names a described control for a screen reader: a box by its caption
// (「球半径 R1[mm]」); a result field or box by its caption, its value and its
// unit (「接触円半径 a 0.618 mm」), or 「未計算」 while it is empty; a unit given
// by the ditto mark ["] is said as the unit it stands for. setFieldText and
// a result box call it whenever their result changes.
void nameControl(QWidget *control);

// After a press: tells a screen reader that every result has a new value,
// even where the text is as before.
void announceResults(const QList<QWidget *> &results);

// Names the frame of a radio group and each of its items for what it
// picks, and says in each item's description what picking it changes on
// the tab.
void describeChoices(QButtonGroup *items, const QString &frame, const QStringList &names,
                     const QStringList &effects);

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
