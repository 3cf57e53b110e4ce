// What each box and field of a tab is: its caption as its buddy, its name
// for a screen reader, its unit, and its value in SI units in its tooltip.
#pragma once

#include "core/field.h"

#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QLabel;
class QWidget;

namespace tavrel
{

// Makes `control` the box or result field of a calculator's field: the
// label that captions it (a box's buddy), what it is called and holds, for
// its name, description, tooltip and the copy of the tab (see nameControl).
void describeField(QWidget *control, QLabel *caption, bool result, const FieldWords &words,
                   Quantity quantity);

// After a selection changed what a field is called or holds; a result that
// does not `apply` to the selection says so in place of 「未計算」.
void setFieldWords(QWidget *control, const FieldWords &words, Quantity quantity, bool apply = true);

// Names again the control that `caption` captions, after its text changed.
void captionChanged(const QLabel *caption);

// True for the caption label of a result field or box: the result's name
// says it, with the value, so a screen reader need not find it again.
bool captionsResult(const QWidget *label);

// A described control's caption as the screen shows it (「球半径 R1[mm]」),
// as messages and the copy name it.
QString captionName(const QWidget *control);

// Names a described control for a screen reader by its field's words: a
// box with its unit (「物体 2 の縦弾性係数 E2 [kgf/mm²]」), a result field
// or box with its value and unit (「接触円半径 a 0.618 mm」), or 「未計算」
// while it is empty (「この条件では計算しません」 where it does not apply);
// its description says the value in SI units and the field's description,
// or that the result is not current. setFieldText, a result box and
// markCurrent call it whenever a result changes.
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
