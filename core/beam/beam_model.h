// The beam calculator's boxes and result fields, each once: its words, its
// quantity and, for a result, its pattern; what the load case, the section
// and the deflection shown change of them; what the picture alone shows of
// L, L1 and x; the input each box holds. The tab binds its controls to
// these ids; names, units, the copy and the sheet read them. Pure: no Qt.
#pragma once

#include "core/beam/beam_calc.h"
#include "core/beam/beam_cases.h"
#include "core/field.h"
#include "core/num/numtext.h"

#include <array>
#include <cstddef>

namespace tavrel
{

enum class BeamField { E, L, L1, X, P, B1, H1, B2, H2, I, Mmax, SigmaMax, Delta };

using BeamFieldSpec = FieldSpec<BeamField>;

// The fields of a cantilever with its end loaded and a solid rectangle,
// the boxes first. I is typed with the section typed in, and worked out
// otherwise.
// clang-format off
inline constexpr std::array kBeamFields = {
    BeamFieldSpec{BeamField::E, FieldRole::Box, {"縦弾性係数", "E"}, Quantity::Modulus},
    BeamFieldSpec{BeamField::L, FieldRole::Box,
                  {"スパン", "L", "", "はりの長さ（単純支持では支点間の距離）。図の左端から右端まで"}, Quantity::Length},
    BeamFieldSpec{BeamField::L1, FieldRole::Box, {"荷重の位置", "L1"}, Quantity::Length},
    BeamFieldSpec{BeamField::X, FieldRole::Box, {"たわみを求める位置", "x"}, Quantity::Length},
    BeamFieldSpec{BeamField::P, FieldRole::Box, {"集中荷重", "P"}, Quantity::Force},
    BeamFieldSpec{BeamField::B1, FieldRole::Box, {"幅", "b1"}, Quantity::Length},
    BeamFieldSpec{BeamField::H1, FieldRole::Box, {"高さ", "h1"}, Quantity::Length},
    BeamFieldSpec{BeamField::B2, FieldRole::Box, {"内側の幅", "b2"}, Quantity::Length},
    BeamFieldSpec{BeamField::H2, FieldRole::Box, {"内側の高さ", "h2"}, Quantity::Length},
    BeamFieldSpec{BeamField::I, FieldRole::BoxOrResult, {"断面二次モーメント", "I"}, Quantity::SecondMoment,
                  kPatternScientific},
    BeamFieldSpec{BeamField::Mmax, FieldRole::Result, {"最大曲げモーメント", "Mmax"}, Quantity::Moment,
                  kPatternWhole},
    BeamFieldSpec{BeamField::SigmaMax, FieldRole::Result, {"最大曲げ応力", "σmax"}, Quantity::Stress,
                  kPatternTwoDecimals},
    BeamFieldSpec{BeamField::Delta, FieldRole::Result, {"最大たわみ", "δmax"}, Quantity::Length,
                  kPatternScientific},
};
// clang-format on
static_assert(fieldsInOrder(kBeamFields), "one row per beam field, in the order of BeamField");

// What L1 and x measure, as the picture shows it: L1 where the load acts
// at L1, x where the deflection shown is the one at x (from the end the
// load case counts x from, in the order of LoadCase).
inline constexpr const char *kL1Measure = "集中荷重の位置。右の支点から左へ測ります";
inline constexpr const char *kL1NotUsed = "この条件では使いません";
inline constexpr const char *kXNotUsed = "この条件では使いません（たわみは最大値）";
inline constexpr std::array kXMeasures = {
    "たわみを求める位置。右の自由端から左へ測ります", "たわみを求める位置。右の自由端から左へ測ります",
    "たわみを求める位置。右の支点から左へ測ります",   "たわみを求める位置。右の支点から左へ測ります",
    "たわみを求める位置。右の固定端から左へ測ります",
};
static_assert(kXMeasures.size() == kLoadCases.size(), "one measure of x per load case");

// clang-format off
// What each section calls its dimensions b1, h1, b2 and h2, in the order of
// SectionKind; no words where the section leaves a caption as it was.
inline constexpr std::array<std::array<FieldWords, 4>, 5> kSectionWords = {{
    {FieldWords{"幅", "b1"}, {"高さ", "h1"}, {"内側の幅", "b2"}, {"内側の高さ", "h2"}},
    {FieldWords{"外側の幅", "b1"}, {"外側の高さ", "h1"}, {"内側の幅", "b2"}, {"内側の高さ", "h2"}},
    {FieldWords{"直径", "d1"}, {"高さ", "h1"}, {"内径", "d2"}, {"内側の高さ", "h2"}},
    {FieldWords{"外径", "d1"}, {"高さ", "h1"}, {"内径", "d2"}, {"内側の高さ", "h2"}},
    {FieldWords{nullptr}, {nullptr}, {nullptr}, {"断面係数", "Z"}},
}};
// clang-format on

// The field in words for the load case and the section; a result's words
// do not depend on them (see deflectionWords). Words of nullptr: the
// section leaves the caption as it was.
constexpr FieldWords beamWords(LoadCase loadCase, SectionKind section, BeamField id)
{
    const LoadCaseTraits &traits = traitsOf(loadCase);
    switch (id) {
    case BeamField::L1:
        return {"荷重の位置", "L1", "", traits.load == LoadPlace::AtL1 ? kL1Measure : kL1NotUsed};
    case BeamField::X:
        return {"たわみを求める位置", "x", "",
                traits.deflectionDependsOnX ? kXMeasures.at(static_cast<std::size_t>(loadCase)) : kXNotUsed};
    case BeamField::P:
        return {traits.load == LoadPlace::Spread ? "等分布荷重" : "集中荷重", "P"};
    case BeamField::B1:
    case BeamField::H1:
    case BeamField::B2:
    case BeamField::H2:
        return kSectionWords.at(static_cast<std::size_t>(section))
            .at(static_cast<std::size_t>(id) - static_cast<std::size_t>(BeamField::B1));
    default:
        break;
    }
    return fieldOf(kBeamFields, id).name;
}

// What a box holds for the load case and the section: P is a load per
// length where the load is spread, and h2 is Z where I and Z are typed in.
constexpr Quantity beamQuantity(LoadCase loadCase, SectionKind section, BeamField id)
{
    if (id == BeamField::P && traitsOf(loadCase).load == LoadPlace::Spread)
        return Quantity::ForcePerLength;
    if (id == BeamField::H2 && section == SectionKind::Typed)
        return Quantity::SectionModulus;
    return fieldOf(kBeamFields, id).quantity;
}

// The deflection field in words: the beam's largest, or the one at x.
constexpr FieldWords deflectionWords(Deflection deflection)
{
    return deflection == Deflection::Maximum ? fieldOf(kBeamFields, BeamField::Delta).name
                                             : FieldWords{"位置 x のたわみ", "δx"};
}

// The boxes a press reads, in the order it reads them: every box, enabled
// or not, so that an unreadable text anywhere stops the press before
// anything is written. With I and Z typed in, h2's box holds Z.
inline constexpr std::array kBeamInputs = {
    InputField<BeamInput, BeamField>{BeamField::E, &BeamInput::E},
    InputField<BeamInput, BeamField>{BeamField::L, &BeamInput::L},
    InputField<BeamInput, BeamField>{BeamField::L1, &BeamInput::L1},
    InputField<BeamInput, BeamField>{BeamField::X, &BeamInput::x},
    InputField<BeamInput, BeamField>{BeamField::P, &BeamInput::P},
    InputField<BeamInput, BeamField>{BeamField::B1, &BeamInput::b1},
    InputField<BeamInput, BeamField>{BeamField::H1, &BeamInput::h1},
    InputField<BeamInput, BeamField>{BeamField::B2, &BeamInput::b2},
    InputField<BeamInput, BeamField>{BeamField::H2, &BeamInput::h2},
    InputField<BeamInput, BeamField>{BeamField::I, &BeamInput::typedI},
};

// A successful press: what it read and what it gave. The tab keeps its
// last one; the diagram window, the sheet and the checks read it.
struct BeamPress {
    LoadCase loadCase;
    SectionKind section;
    BeamInput in;
    BeamResult r;
};

} // namespace tavrel
