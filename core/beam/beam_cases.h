// What each support and load arrangement of the beam is, written once: its
// supports, its load, where x counts from, and the formulas printed for it.
// The calculation, the curves, the sketch, the tab and the sheet read this
// table. Pure: no Qt.
#pragma once

#include "core/beam/beam_calc.h"

#include <array>
#include <cstddef>

namespace tavrel
{

// How an end of the beam is held.
enum class Support { Free, Pinned, Fixed };

// Where the load acts: a point load at the free end (x = 0), a point load
// at L1, or a load per length over the whole span.
enum class LoadPlace { FreeEnd, AtL1, Spread };

// A formula as the sheet prints it: the symbol and its right-hand side.
struct PrintedFormula {
    const char *symbol;
    const char *formula;
};

struct LoadCaseTraits {
    LoadCase loadCase;
    // The radio item's words.
    const char *name;
    // x runs from the right-hand end (x = 0) to the left-hand end (x = L).
    Support left, right;
    LoadPlace load;
    // The unit of P: kg for a point load, kg/mm for a load per length.
    const char *loadUnit;
    // True where the deflection shown is the one at x (the largest one when
    // x is where that lies); false where it is the beam's largest wherever
    // x is.
    bool deflectionDependsOnX;
    // Where x counts from, as the diagram window and the sheet say it.
    const char *origin;
    // The deflection field's caption while it holds the one at x; the
    // blanks line its "=" up with the captions above it.
    const char *deflectionAtXCaption;
    // Mmax and δ as printed, P standing for a point load and p for a load
    // per length; a worked value printed between them, if any.
    const char *moment;
    PrintedFormula between;
    const char *deflection;
};

// clang-format off
inline constexpr std::array kLoadCases = {
    LoadCaseTraits{LoadCase::CantileverEndLoad, "片持ちはり・先端集中荷重", Support::Fixed, Support::Free,
                   LoadPlace::FreeEnd, "kg", true, "自由端", "δx   =",
                   "P·L", {}, "P·L³/(3·E·I)·(1 − 3·x/(2·L) + x³/(2·L³))"},
    LoadCaseTraits{LoadCase::CantileverUniform, "片持ちはり・等分布荷重", Support::Fixed, Support::Free,
                   LoadPlace::Spread, "kg/mm", true, "自由端", "δx    =",
                   "p·L²/2", {}, "p·L⁴/(8·E·I)·(1 − 4·x/(3·L) + x⁴/(3·L⁴))"},
    LoadCaseTraits{LoadCase::SupportedPointLoad, "単純支持はり・集中荷重", Support::Pinned, Support::Pinned,
                   LoadPlace::AtL1, "kg", false, "右の支点", "δx    =",
                   "P·L1·(L − L1)/L", {"b", "min(L1, L − L1)"}, "P·b·(L² − b²)^1.5/(9·√3·E·I·L)"},
    LoadCaseTraits{LoadCase::SupportedUniform, "単純支持はり・等分布荷重", Support::Pinned, Support::Pinned,
                   LoadPlace::Spread, "kg/mm", true, "右の支点", "δx    =",
                   "p·L²/8", {}, "p·L⁴/(24·E·I)·(x/L − 2·x³/L³ + x⁴/L⁴)"},
    LoadCaseTraits{LoadCase::FixedUniform, "両端固定・等分布荷重", Support::Fixed, Support::Fixed,
                   LoadPlace::Spread, "kg/mm", true, "右の固定端", "δx    =",
                   "p·L²/12", {}, "p·L⁴/(24·E·I)·(x²/L² − 2·x³/L³ + x⁴/L⁴)"},
};
// clang-format on

// The table is indexed by the load case: each row stands at its own place.
constexpr bool rowsInOrder()
{
    std::size_t place = 0;
    for (const LoadCaseTraits &row : kLoadCases) {
        if (static_cast<std::size_t>(row.loadCase) != place++)
            return false;
    }
    return true;
}
static_assert(rowsInOrder() && kLoadCases.size() == 5, "one row per load case, in the order of LoadCase");

constexpr const LoadCaseTraits &traitsOf(LoadCase loadCase)
{
    return kLoadCases.at(static_cast<std::size_t>(loadCase));
}

constexpr bool pointLoad(LoadCase loadCase)
{
    return traitsOf(loadCase).load != LoadPlace::Spread;
}

// Whether the load case reads L1: only a point load between the supports
// stands there.
constexpr bool usesL1(LoadCase loadCase)
{
    return traitsOf(loadCase).load == LoadPlace::AtL1;
}

// Whether the load case reads x: only where the deflection shown is the
// one at x.
constexpr bool usesX(LoadCase loadCase)
{
    return traitsOf(loadCase).deflectionDependsOnX;
}

// I and Z of each section as printed, in the order of SectionKind; the
// typed section has none (nullptr).
struct SectionFormulas {
    SectionKind section;
    const char *I, *Z;
};

// clang-format off
inline constexpr std::array kSectionFormulas = {
    SectionFormulas{SectionKind::SolidRectangle, "b1·h1³/12", "b1·h1²/6"},
    SectionFormulas{SectionKind::HollowRectangle, "(b1·h1³ − b2·h2³)/12", "(b1·h1³ − b2·h2³)/(6·h1)"},
    SectionFormulas{SectionKind::SolidCircle, "π·d1⁴/64", "π·d1³/32"},
    SectionFormulas{SectionKind::HollowCircle, "π·(d1⁴ − d2⁴)/64", "π·(d1⁴ − d2⁴)/(32·d1)"},
    SectionFormulas{SectionKind::Typed, nullptr, nullptr},
};
// clang-format on

constexpr bool sectionRowsInOrder()
{
    std::size_t place = 0;
    for (const SectionFormulas &row : kSectionFormulas) {
        if (static_cast<std::size_t>(row.section) != place++)
            return false;
    }
    return true;
}
static_assert(sectionRowsInOrder() && kSectionFormulas.size() == 5,
              "one row per section, in the order of SectionKind");

constexpr const SectionFormulas &sectionFormulasOf(SectionKind section)
{
    return kSectionFormulas.at(static_cast<std::size_t>(section));
}

} // namespace tavrel
