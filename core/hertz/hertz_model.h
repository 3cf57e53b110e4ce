// The Hertz calculator's boxes and result fields, each once: its words, the
// body it belongs to, its quantity and, for a result, its pattern; what the
// contact kind changes of them; the input each box holds. The tab binds its
// controls to these ids; names, units, the copy and the sheet read them.
// Pure: no Qt.
#pragma once

#include "core/field.h"
#include "core/hertz/hertz_calc.h"
#include "core/num/numtext.h"

#include <array>
#include <utility>

namespace tavrel
{

enum class HertzField {
    R1,
    Size2,
    P,
    E1,
    E2,
    Nu1,
    Nu2,
    ContactSize,
    Approach,
    PMax,
    SigmaZMax,
    SigmaRMax,
    TauMax
};

using HertzFieldSpec = FieldSpec<HertzField>;

// The fields of the sphere on a convex sphere, the boxes first.
// clang-format off
inline constexpr std::array kHertzFields = {
    HertzFieldSpec{HertzField::R1, FieldRole::Box, {"球半径", "R1", "物体 1 の"}, Quantity::Length},
    HertzFieldSpec{HertzField::Size2, FieldRole::Box,
                   {"半径", "R2", "物体 2 の", "凸球は正の値、凹面（球面座）は負の値で入力します"}, Quantity::Length},
    HertzFieldSpec{HertzField::P, FieldRole::Box, {"荷重", "P"}, Quantity::Force},
    HertzFieldSpec{HertzField::E1, FieldRole::Box, {"縦弾性係数", "E1", "物体 1 の"}, Quantity::Modulus},
    HertzFieldSpec{HertzField::E2, FieldRole::Box, {"縦弾性係数", "E2", "物体 2 の"}, Quantity::Modulus},
    HertzFieldSpec{HertzField::Nu1, FieldRole::Box, {"ポアソン比", "ν1", "物体 1 の"}},
    HertzFieldSpec{HertzField::Nu2, FieldRole::Box, {"ポアソン比", "ν2", "物体 2 の"}},
    HertzFieldSpec{HertzField::ContactSize, FieldRole::Result, {"接触円半径", "a"}, Quantity::Length,
                   kPatternThreeDecimals},
    HertzFieldSpec{HertzField::Approach, FieldRole::Result, {"接近量", "δ"}, Quantity::Length,
                   kPatternThreeDecimals},
    HertzFieldSpec{HertzField::PMax, FieldRole::Result, {"最大圧力", "p_max"}, Quantity::Stress,
                   kPatternThreeDecimals},
    HertzFieldSpec{HertzField::SigmaZMax, FieldRole::Result, {"最大圧縮応力", "σz_max"}, Quantity::Stress,
                   kPatternThreeDecimals},
    HertzFieldSpec{HertzField::SigmaRMax, FieldRole::Result, {"最大引張応力", "σr_max"}, Quantity::Stress,
                   kPatternThreeDecimals},
    HertzFieldSpec{HertzField::TauMax, FieldRole::Result, {"最大せん断応力", "τ_max"}, Quantity::Stress,
                   kPatternThreeDecimals},
};
// clang-format on
static_assert(fieldsInOrder(kHertzFields), "one row per Hertz field, in the order of HertzField");

// The note under the roller's picture, on the results it governs.
inline constexpr const char *kRollerNote = "注）δとτmaxはE1=E2、ν1=ν2=0.3の時計算可";

// What the roller on a plane calls otherwise: the roller's radius and width
// and the contact's half-width; δ and τ_max carry the note.
// clang-format off
inline constexpr std::array kRollerWords = {
    std::pair{HertzField::R1, FieldWords{"ローラ半径", "R1", "物体 1 の"}},
    std::pair{HertzField::Size2, FieldWords{"ローラ幅", "B"}},
    std::pair{HertzField::ContactSize, FieldWords{"接触面半幅", "b"}},
    std::pair{HertzField::Approach, FieldWords{"接近量", "δ", "", kRollerNote}},
    std::pair{HertzField::TauMax, FieldWords{"最大せん断応力", "τ_max", "", kRollerNote}},
};
// clang-format on

// The field in words for the contact kind.
constexpr FieldWords hertzWords(ContactKind kind, HertzField id)
{
    if (kind == ContactKind::CylinderOnPlane) {
        for (const auto &[field, words] : kRollerWords) {
            if (field == id)
                return words;
        }
    }
    return fieldOf(kHertzFields, id).name;
}

// False for a result the contact kind never gives: the roller's tensile
// stress.
constexpr bool appliesTo(ContactKind kind, HertzField id)
{
    return !(kind == ContactKind::CylinderOnPlane && id == HertzField::SigmaRMax);
}

// The boxes a press reads, in the order it reads them.
inline constexpr std::array kHertzInputs = {
    InputField<HertzInput, HertzField>{HertzField::R1, &HertzInput::R1},
    InputField<HertzInput, HertzField>{HertzField::P, &HertzInput::P},
    InputField<HertzInput, HertzField>{HertzField::E1, &HertzInput::E1},
    InputField<HertzInput, HertzField>{HertzField::E2, &HertzInput::E2},
    InputField<HertzInput, HertzField>{HertzField::Nu1, &HertzInput::nu1},
    InputField<HertzInput, HertzField>{HertzField::Nu2, &HertzInput::nu2},
    InputField<HertzInput, HertzField>{HertzField::Size2, &HertzInput::size2},
};

// A successful press: what it read and what it gave. The tab keeps its
// last one; the diagram window, the sheet and the checks read it.
struct HertzPress {
    ContactKind kind;
    HertzInput in;
    HertzResult r;
};

} // namespace tavrel
