// The finite-element study: what CalculiX gives for models of each
// contact kind and of every load case with every section kind, on three
// meshes, as `make verify-fe` writes it (tools/verify/fe/study.py, one line
// per result the window shows). The window is given each model's inputs
// and its results are compared with the fine mesh's values, as with a
// published example.
#pragma once

#include "tools/verify/evaluation.h"
#include "tools/verify/examples.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace verify
{

struct FeLine {
    QString row;                                 // the window row: a model and a press
    QString model;                               // the FE model
    QString title;                               // what the model is, in words
    QString inputs;                              // "name=value; ..." as typed into the window
    QString check;                               // the result the window shows
    QString measured;                            // what the model measured ("delta_max")
    std::array<std::optional<double>, 3> values; // coarse, medium, fine
    double tolerance = 0;                        // relative
    int nodes = 0;                               // on the fine mesh
    double seconds = 0;                          // for the model's three meshes
};

struct FeStudy {
    QString solver; // "CalculiX 2.20"
    std::vector<FeLine> lines;
};

std::optional<FeStudy> readFeStudy(const QString &path, QString &error);

// (row, check) -> why the program's result is reported to disagree; read
// from a file of rows "row<TAB>check<TAB>note".
using FeFindings = std::map<std::pair<QString, QString>, QString>;
FeFindings readFeFindings(const QString &path);

// One window row per FE row: its inputs, and each result's fine-mesh value
// with the tolerance as the allowance ("source" names the solver).
std::vector<Row> feRows(const FeStudy &study, const FeFindings &findings);

// The lines whose tolerance is less than three times the change from the
// medium to the fine mesh: a tolerance the convergence does not justify.
QStringList unjustifiedTolerances(const FeStudy &study);

// Each result reported as a finding, with the difference the window shows:
// "FR1 δ (mm) +12.088 %".
QStringList findingSummaries(const std::vector<Evaluated> &rows);

// The manual's section: the models, the results on the three meshes
// against what the window shows, and the findings.
QString feSection(const FeStudy &study, const std::vector<Evaluated> &rows);

} // namespace verify
