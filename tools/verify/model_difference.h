// A published value outside its tolerance is accepted only where a known
// difference of model explains it: the row names the source's own factors
// (for a bearing its Y, and its X and e where they differ), and the
// published value is recomputed with the program's formula and those
// factors. The same formula with the program's own factors must give the
// shown value, so that the recomputation is the program's formula indeed.
// Only the bearing's load factors are such a model difference; a result of
// the other calculators outside its tolerance is never explained.
#pragma once

#include "tools/verify/calculators.h"

#include <QString>

#include <map>
#include <optional>

namespace verify
{

using Factors = std::map<QString, double>;

struct Proof {
    bool proven = false;
    double recomputed = 0;        // with the source's factors
    double programRecomputed = 0; // with the program's own factors
    QString reason;               // why the difference is not proven
};

// `inputs`: the numbers the boxes held at the press, by column; `check`:
// the result's name.
// The recomputation must lie within `tolerance` of `published`, and the one
// with the program's factors within `displayHalfUnit` of `shown`.
struct Difference {
    Model model;
    std::map<QString, double> inputs;
    QString check;
    double published, tolerance, shown, displayHalfUnit;
};

Proof proveModelDifference(const Difference &difference, const Factors &sourceFactors);

// The result recomputed with the program's formula and the given factors;
// empty where the calculator or the result has no such factors, or Y is
// missing.
std::optional<double> recompute(const Difference &difference, const Factors &factors);

} // namespace verify
