// The sheet of each tab: the title, the picture of the selection, the
// formulas with their numbers, the diagrams and the model's limits, around
// the rows of inputs and results.
#pragma once

#include "sheet/sheet_content.h"
#include "sheet/sheet_rows.h"
#include "ui/input_boxes.h"

namespace tavrel
{

struct BeamPress;
struct BearingPress;
struct HertzPress;
class CalculatorTab;
enum class BeamField;
enum class HertzField;

// Each tab's sheet of its last press, with the rows of its boxes and fields.
SheetContent hertzSheet(const CalculatorTab &tab, const FieldControls<HertzField> &boxes,
                        const HertzPress &press, const TabRows &rows);
SheetContent beamSheet(const CalculatorTab &tab, const FieldControls<BeamField> &boxes,
                       const BeamPress &press, const TabRows &rows);
SheetContent bearingSheet(const CalculatorTab &tab, const BearingPress &press, const TabRows &rows);

} // namespace tavrel
