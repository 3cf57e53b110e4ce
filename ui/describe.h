// What each box and field of a tab is: its caption as its buddy, its name
// for a screen reader, its unit, and its value in SI units in its tooltip.
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

// Names each control for a screen reader by its caption (see nameControl;
// the caption label of a box becomes its buddy), and marks what each
// control holds for its tooltip and the copy of the tab.
void describeFields(const Controls &controls, std::span<const CaptionSpec> captions);

// Names again the control that `caption` captions, after its text changed.
void captionChanged(const QLabel *caption);

// True for the caption label of a result field or box: the result's name
// says it, with the value, so a screen reader need not find it again.
bool captionsResult(const QWidget *label);

// A described control's caption as a name (「球半径 R1[mm]」), as a box is
// named; a result's name says its value too.
QString captionName(const QWidget *control);

// Names a described control for a screen reader: a box by its caption
// (「球半径 R1[mm]」); a result field or box by its caption, its value and its
// unit (「接触円半径 a 0.618 mm」, the unit in words where the caption has the
// ditto mark ["]), or 「未計算」 while it is empty; after the name it says the
// value in SI units, or that the result is not current. setFieldText, a
// result box and markCurrent call it whenever a result changes.
void nameControl(QWidget *control);

// After a press: tells a screen reader that every result has a new value,
// even where the text is as before.
void announceResults(const QList<QWidget *> &results);

// The names of `results` in one line, as a screen reader reads them in turn.
QString resultsSummary(const QList<QWidget *> &results);

// Names the frame of a radio group and each of its items for what it
// picks, and says in each item's description what picking it changes on
// the tab.
void describeChoices(QButtonGroup *items, const QString &frame, const QStringList &names,
                     const QStringList &effects);

// Changes what a control holds, where a selection changes it.
void setQuantity(QWidget *control, Quantity quantity);

// The unit of what a control holds ("kgf/mm", "日"); empty for a pure number.
QString unitOf(const QWidget *control);

// The name a screen reader gives a control captioned `caption`.
QString accessibleNameFrom(const QString &caption);

// A caption or a button's text as a voice reads it: 「荷  重  P[kg] = 」 as
// 「荷重 P」, without the unit and the blanks that space Japanese words out.
QString spokenCaption(const QString &caption);

// Marks whether a result field's text still belongs to the inputs. A field
// whose text does not says so in its tooltip and, after its name, 「未更新」;
// an empty field says nothing. A field left empty by the press that
// `computed` the inputs says that its result does not apply to them.
void markCurrent(QWidget *field, bool current, bool computed = false);

// True while the control shows a text that no longer belongs to the inputs.
bool showsStaleText(const QWidget *control);

// A line that a result's tooltip and description add after its value
// while it is current (what the value leaves out); empty for none.
void setResultNote(QWidget *field, const QString &note);

// A tooltip that holds the whole text of `control`, for a quantity its
// value in SI units, and a result's note; for a result that is not
// current, that it is not.
QString toolTipFor(const QWidget *control, const QString &text);

// A value of the control's quantity in SI units, as its tooltip gives it
// (「= 205.94 GPa」); empty where its unit is one already or the text no
// number.
QString siTextOf(const QWidget *control, const QString &text);

// The text of a label or an edit box.
QString textOf(const QWidget *control);

} // namespace tavrel
