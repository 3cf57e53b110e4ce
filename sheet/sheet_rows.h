// The inputs and results of a tab as rows of caption, value and unit, as
// the tab shows them.
#pragma once

#include "sheet/sheet_content.h"

namespace tavrel
{

class CalculatorTab;

struct TabRows {
    QList<SheetRow> inputs, results;
};

// Boxes that do not apply to the selection (disabled ones) are left out,
// and a box that shows a result of the press is among the results; values
// are the texts as they stand, without surrounding blanks.
TabRows rowsOf(const CalculatorTab &tab);

} // namespace tavrel
