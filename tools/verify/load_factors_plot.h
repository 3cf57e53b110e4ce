// A plot, as SVG text, of the program's dynamic equivalent load over the
// catalogue method's against Cor/Fa on a logarithmic axis, one line for
// each of a few ratios Fa/Fr.
#pragma once

#include <string>

namespace verify
{

std::string loadFactorPlotSvg();

} // namespace verify
