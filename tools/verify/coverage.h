// Which rows check each result field the window shows, for every
// selection: the sphere and the roller, every load case with every
// section kind, the bearing. Made from the rows as they ran, so that the
// table claims a check only where a row compared that field.
#pragma once

#include "tools/verify/evaluation.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace verify
{

struct FieldCoverage {
    QString group;                   // "Hertz, sphere", "Beam, load case 2", "Bearing"
    QString selection;               // the column: "sphere", a section kind, or empty
    QString field;                   // "a", "δmax", ...
    QString japanese;                // the field as the summary names it in Japanese
    bool shown = true;               // false where the window shows nothing for it
    QString note;                    // why nothing is shown, or what stands in for it
    QStringList published, solver;   // the rows that check it, marked by verdict
    int loadCase = -1, section = -1; // the beam's selection
};

// Every field of every selection, with the rows that check it.
std::vector<FieldCoverage> coverage(const std::vector<Evaluated> &published,
                                    const std::vector<Evaluated> &solver);

// The fields shown with no check at all: each one is a fault.
QStringList unchecked(const std::vector<FieldCoverage> &fields);

// What only the finite-element runs check, in English or in Japanese: a
// Hertz field of the sphere or the roller; a beam's I or σmax of a section,
// or its Mmax, δx or δmax of a load case, that no published row checks in
// any load case (I, σmax) or with any section (the others), as those
// formulas depend on the one selection only; a bearing field.
QStringList solverOnly(const std::vector<FieldCoverage> &fields, bool japanese);

QString coverageSection(const std::vector<FieldCoverage> &fields);

} // namespace verify
