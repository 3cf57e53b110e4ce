// The manual's section on the load-factor table: the program's rows against
// the catalogue method, the largest differences in P and in the life over
// the compared ranges, and where the program's life is the longer.
#pragma once

#include "tools/verify/load_factors.h"

#include <QString>

namespace verify
{

// The ranges compared: Cor/Fa from 0.5 to 200 and Fa/Fr from 0 to 2.
Comparison fullComparison();

// The same inside the catalogue table (Fa/C0 from 0.014 to 0.56).
Comparison withinTableComparison();

// `plot`: the plot's path relative to the manual.
QString loadFactorSection(const Comparison &full, const Comparison &withinTable, const QString &plot);

} // namespace verify
