// The bearing calculator's boxes and result fields, each once: its words,
// its quantity and, for a result, the value it shows and its pattern; the
// input each box holds. The tab binds its controls to these ids; names,
// units, the copy and the sheet read them. Pure: no Qt.
#pragma once

#include "core/bearing/bearing_calc.h"
#include "core/field.h"
#include "core/num/numtext.h"

#include <array>
#include <string>

namespace tavrel
{

enum class BearingField { N, Cor, Cr, Fr, Fa, P, Lh, Days };

using BearingFieldSpec = FieldSpec<BearingField>;

// clang-format off
inline constexpr std::array kBearingFields = {
    BearingFieldSpec{BearingField::N, FieldRole::Box, {"回転数", "n"}, Quantity::Speed},
    BearingFieldSpec{BearingField::Cor, FieldRole::Box, {"静定格荷重", "Cor"}, Quantity::Force},
    BearingFieldSpec{BearingField::Cr, FieldRole::Box, {"動定格荷重", "Cr"}, Quantity::Force},
    BearingFieldSpec{BearingField::Fr, FieldRole::Box, {"ラジアル荷重", "Fr"}, Quantity::Force},
    BearingFieldSpec{BearingField::Fa, FieldRole::Box, {"アキシアル荷重", "Fa"}, Quantity::Force},
    BearingFieldSpec{BearingField::P, FieldRole::Result, {"動等価荷重", "P"}, Quantity::Force, kPatternOneDecimal},
    BearingFieldSpec{BearingField::Lh, FieldRole::Result, {"定格疲れ寿命", "Lh"}, Quantity::Hours,
                     kPatternOneDecimal},
    BearingFieldSpec{BearingField::Days, FieldRole::Result, {"日数"}, Quantity::Days, kPatternDays},
};
// clang-format on
static_assert(fieldsInOrder(kBearingFields), "one row per bearing field, in the order of BearingField");

// The boxes a press reads, in the order it reads them.
inline constexpr std::array kBearingInputs = {
    InputField<BearingInput, BearingField>{BearingField::N, &BearingInput::n},
    InputField<BearingInput, BearingField>{BearingField::Cor, &BearingInput::Cor},
    InputField<BearingInput, BearingField>{BearingField::Cr, &BearingInput::Cr},
    InputField<BearingInput, BearingField>{BearingField::Fr, &BearingInput::Fr},
    InputField<BearingInput, BearingField>{BearingField::Fa, &BearingInput::Fa},
};

// The value a result field shows.
inline double resultValue(const BearingResult &r, BearingField id)
{
    return id == BearingField::P ? r.P : id == BearingField::Lh ? r.Lh : r.days;
}

// The text the field shows for the result (with the pattern's leading blank).
inline std::string shownResult(const BearingResult &r, BearingField id)
{
    return FormatFloat(fieldOf(kBearingFields, id).pattern, resultValue(r, id));
}

// A successful press: what it read and what it gave. The tab keeps its
// last one; the diagram window, the sheet and the checks read it.
struct BearingPress {
    BearingInput in;
    BearingResult r;
};

} // namespace tavrel
