// The manual's section on the load-factor table: the program's rows against
// ISO 281's table, the largest differences in P and in the life over the
// compared ranges (and within the axial load a deep-groove bearing may
// carry), and every run where the program's life is the longer.
#pragma once

#include "tools/verify/load_factors.h"

#include <QString>

namespace verify
{

// Cor/Fa from 0.5 to 200 (both methods are constant beyond either end),
// the axial share from 0 (radial) to 1 (purely axial).
Comparison fullComparison();

// The same within the static capacity: an axial load of at most half the
// static rating (Cor/Fa from 2).
Comparison staticCapacityComparison();

// `plot`: the plot's path relative to the manual.
QString loadFactorSection(const Comparison &full, const Comparison &withinCapacity, const QString &plot);

// "Fa/Fr = 0.36" or "pure axial load".
QString shareText(double axialShare);

} // namespace verify
