// The table of inputs as a checker reads it: the material beside each
// modulus, and the inputs the selection does not use left out of it, named
// in one note under it. Every tab's sheet follows the same rule.
#pragma once

#include "sheet/sheet_content.h"

#include <span>

class QLineEdit;

namespace tavrel
{

class CalculatorTab;

// A modulus box, and the symbol the sheet gives it.
struct ModulusBox {
    const QLineEdit *box;
    const char *symbol;
};

// Puts under the row of each modulus box the material whose modulus the
// material menu put there (「E1 の材料  FC30」), or 「E のみ入力」 where the
// value was typed or edited since.
void addMaterials(QList<SheetRow> &inputs, const CalculatorTab &tab, std::span<const ModulusBox> boxes);

// Leaves the boxes of `unused` out of the inputs, as the rows already
// leave out the disabled ones, and names all of them in the sheet's note on
// its inputs; no note where the selection uses every box.
void leaveOutUnused(SheetContent &sheet, const CalculatorTab &tab, const QList<const QWidget *> &unused = {});

} // namespace tavrel
