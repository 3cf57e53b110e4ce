// A calculator tab as text, for a report or a spreadsheet.
#pragma once

#include "ui/describe.h"

#include <QList>
#include <QString>

#include <utility>

namespace tavrel
{

class Controls;

// What the shown results are to the boxes and selections.
enum class ResultsState {
    Current,     // the results of what the boxes and selections hold
    Changed,     // an input changed since the press that gave them
    NotComputed, // nothing pressed yet, or the results were emptied
};

// What stands in place of results that are not current: that they are not
// computed, and, after a press, that the inputs changed since. Empty for
// current results.
QString notCurrentText(ResultsState results);

// A box's or field's caption without its unit: "球半径 R1[mm]" is copied as
// "球半径 R1", the unit having a column of its own.
QString captionOf(const QWidget *control);

// A box or field as the copy gives it: its caption without the unit, its
// value without the unit text, and the unit.
struct TabLine {
    QString caption, value, unit;
    bool input;
    QString si; // the value in SI units (「= 205.94 GPa」), where its unit is not one
    const QWidget *control;
};

// Every box and field of `fields` that applies (disabled boxes do not),
// in table order.
QList<TabLine> tabLines(const Controls &controls, const QList<QWidget *> &fields);

// One line each, columns separated by tabs: first the selections in words
// (heading, name), then every box and field of `fields` in table order,
// the inputs first, as caption, value and unit, the number without its unit
// text, so that a spreadsheet reads it as a number. Boxes that are disabled
// do not apply and are left out. Results that are not current are replaced
// by one line that says so.
QString tabAsText(const Controls &controls, const QList<QWidget *> &fields,
                  const QList<std::pair<QString, QString>> &selections, ResultsState results);

} // namespace tavrel
