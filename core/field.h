// A box or result field of a calculator as the program knows it, apart
// from any window: what it is called in words, the body or part it belongs
// to, what it holds and in which unit, and how a result is shown. Each
// calculator lists its fields once in a table of these rows. Pure: no Qt.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tavrel
{

// What a box or field holds: its unit, and the value in SI units that its
// tooltip adds where the unit is not one already.
enum class Quantity {
    None,           // a pure number (Poisson's ratio)
    Length,         // mm
    Force,          // kgf, in N
    ForcePerLength, // kgf/mm, in N/mm (a load spread over a beam)
    Modulus,        // kgf/mm², in GPa
    Stress,         // kgf/mm², in MPa
    Moment,         // kgf·mm, in N·mm
    SecondMoment,   // mm⁴
    SectionModulus, // mm³
    Speed,          // r/min
    Hours,          // h
    Days,           // 日
};

// The unit a quantity is given in; empty for a pure number.
constexpr const char *unitText(Quantity quantity)
{
    switch (quantity) {
    case Quantity::None:
        return "";
    case Quantity::Length:
        return "mm";
    case Quantity::Force:
        return "kgf";
    case Quantity::ForcePerLength:
        return "kgf/mm";
    case Quantity::Modulus:
    case Quantity::Stress:
        return "kgf/mm²";
    case Quantity::Moment:
        return "kgf·mm";
    case Quantity::SecondMoment:
        return "mm⁴";
    case Quantity::SectionModulus:
        return "mm³";
    case Quantity::Speed:
        return "r/min";
    case Quantity::Hours:
        return "h";
    case Quantity::Days:
        break;
    }
    return "日";
}

// Whether a field takes a typed value, shows a result, or, by the
// selection, either (the beam's I).
enum class FieldRole { Box, Result, BoxOrResult };

// A field in words, as a screen reader says it: 「物体 2 の」「縦弾性係数」
// 「E2」. The words are those of the screen without the blanks that space
// its captions out; a description says what only the picture shows, or a
// note that governs the value.
struct FieldWords {
    const char *words;
    const char *symbol = "";
    const char *body = "";
    const char *description = "";
};

// One row of a calculator's field table. A result's pattern is the one it
// is shown in (core/num/numtext.h); a box has none.
template <typename Id> struct FieldSpec {
    Id id;
    FieldRole role;
    FieldWords name;
    Quantity quantity = Quantity::None;
    const char *pattern = nullptr;
};

// 「物体 2 の縦弾性係数 E2」: the body, the words and the symbol.
inline std::string spokenWords(const FieldWords &field)
{
    std::string said = std::string(field.body) + field.words;
    if (*field.symbol)
        said += (said.empty() ? "" : " ") + std::string(field.symbol);
    return said;
}

// True where every row of the table stands at the place of its id, so
// that a row is found by its id alone.
template <typename Id, std::size_t N> constexpr bool fieldsInOrder(const std::array<FieldSpec<Id>, N> &table)
{
    std::size_t place = 0;
    for (const FieldSpec<Id> &row : table) {
        if (static_cast<std::size_t>(row.id) != place++)
            return false;
    }
    return true;
}

// A box and the input of the calculation it holds, in the order a press
// reads them.
template <typename Input, typename Id> struct InputField {
    Id id;
    double Input::*value;
};

template <typename Id, std::size_t N>
constexpr const FieldSpec<Id> &fieldOf(const std::array<FieldSpec<Id>, N> &table, Id id)
{
    return table.at(static_cast<std::size_t>(id));
}

} // namespace tavrel
