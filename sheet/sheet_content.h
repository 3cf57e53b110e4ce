// What one calculation sheet holds: everything a checker needs to follow a
// tab's last press from the inputs through the formulas to the results,
// gathered from the tab and laid out on the page by calc_sheet.
#pragma once

#include "diagram/plot.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace tavrel
{

// One line of a table on the sheet: a caption, a value and its unit.
struct SheetRow {
    QString caption, value, unit;
    QString si = {};                  // the value in SI units beside the unit, where it is not one
    const QWidget *control = nullptr; // the box or field it shows
};

// A formula as it ran: its symbols, then the same with the numbers put in
// and the value it gave (or one line that says both).
struct SheetFormula {
    QString symbolic;
    QString withNumbers;
};

// The picture of the selection: a drawing of the tab's resources, whole or
// only the named parts of it, one under the other.
struct SheetPicture {
    QString resource;
    QStringList elements;
};

struct SheetContent {
    QString fileTag; // names the proposed file: tavrel-<fileTag>-<date>.pdf
    QString title;
    QList<SheetRow> particulars; // 件名, 図番, 部品名, 作成者: empty values left blank to write in
    QDateTime pressedAt;         // when the press was made that the sheet shows
    QList<SheetRow> selection;   // what is chosen, in words
    SheetPicture picture;
    QList<SheetRow> inputs;
    QString inputNote; // the inputs the selection does not use, left out of the table
    QList<SheetFormula> formulas;
    QStringList notes; // what the formulas leave out, and why
    QList<SheetRow> results;
    QStringList judgements; // the results against the allowables given
    QStringList marked;     // the diagram window's marked values
    Figure diagrams;        // as the diagram window draws them
    QString assumptions;
};

} // namespace tavrel
