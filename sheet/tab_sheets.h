// The parts of a sheet that differ by tab: the title, the picture of the
// selection, the formulas with their numbers, the diagrams and the model's
// limits. The rows of inputs and results are the same for every tab.
#pragma once

#include "sheet/sheet_content.h"

namespace tavrel
{

class CalculatorTab;
class BeamTab;
class BearingTab;
class HertzTab;
struct BeamPress;
struct BearingPress;
struct HertzPress;

// What the named result field or box shows, without the pattern's leading
// blank.
QString shownText(const CalculatorTab &tab, const char *field);

SheetContent hertzSheet(const HertzTab &tab, const HertzPress &press);
SheetContent beamSheet(const BeamTab &tab, const BeamPress &press);
SheetContent bearingSheet(const BearingTab &tab, const BearingPress &press);

} // namespace tavrel
