// A published value outside its tolerance is explained by a difference of
// model only on three conditions:
// - each factor the row names (for a bearing the source's Y, and its X and
//   e where they differ from the program's) is quoted from the source: the
//   row carries the source's own words ("Ct = 1.93"), those words stand in
//   the row's account of what the source publishes, and they print the
//   factor's value;
// - the program's formula with those factors gives the published value
//   within its tolerance, and with the program's own factors the shown
//   value (so that the recomputation is the program's formula indeed);
// - the gap is bounded: the shown value lies within 5 % of the published
//   one, counted in the equivalent load (a life goes as the load to the
//   power -3, so a life is compared through its cube root).
// Only the bearing's load factors are such a difference; a result of the
// other calculators outside its tolerance is never explained.
#pragma once

#include "tools/verify/calculators.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace verify
{

// The largest gap a model difference may explain, in the equivalent load.
inline constexpr double kExplainedGapBound = 0.05;

// A factor as the row names it: "Y=1.93 @ Ct = 1.93".
struct SourceFactor {
    QString name;
    double value = 0;
    QString written; // the value as the row writes it ("1.93")
    QString quote;   // the source's words that print it
};

// "name=value @ quote; ..."; empty with `error` set when an item is
// unreadable.
std::optional<std::vector<SourceFactor>> parseSourceFactors(const QString &text, QString &error);

using Factors = std::map<QString, double>;

struct Explanation {
    bool explained = false;
    double recomputed = 0;        // with the source's factors
    double programRecomputed = 0; // with the program's own factors
    double gap = 0;               // in the equivalent load, signed
    QString reason;               // why the difference is not explained
};

// `inputs`: the numbers the boxes held at the press, by column; `check`:
// the result's name. The recomputation must lie within `tolerance` of
// `published`, and the one with the program's factors within
// `displayHalfUnit` of `shown`.
struct Difference {
    Model model;
    std::map<QString, double> inputs;
    QString check;
    double published, tolerance, shown, displayHalfUnit;
};

// `publishedText`: the row's account of what the source publishes, in
// which each factor's quote must stand.
Explanation explainModelDifference(const Difference &difference, const std::vector<SourceFactor> &factors,
                                   const QString &publishedText);

// The result recomputed with the program's formula and the given factors;
// empty where the calculator or the result has no such factors, or Y is
// missing.
std::optional<double> recompute(const Difference &difference, const Factors &factors);

// The gap between shown and published, counted in the equivalent load.
double equivalentLoadGap(const QString &check, double shown, double published);

} // namespace verify
