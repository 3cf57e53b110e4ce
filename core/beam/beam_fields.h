// The results the beam tab shows, each once: the value of the calculation
// it shows and the pattern it is shown in. The tab, its sheet and its copy
// read the texts from here. Pure: no Qt.
#pragma once

#include "core/beam/beam_calc.h"
#include "core/num/numtext.h"

#include <array>
#include <cstddef>
#include <string>

namespace tavrel
{

enum class BeamResultField { I, Mmax, SigmaMax, Delta };

struct BeamResultSpec {
    BeamResultField id;
    const char *pattern;
    double BeamResult::*value;
};

inline constexpr std::array kBeamResultFields = {
    BeamResultSpec{BeamResultField::I, kPatternScientific, &BeamResult::I},
    BeamResultSpec{BeamResultField::Mmax, kPatternWhole, &BeamResult::Mmax},
    BeamResultSpec{BeamResultField::SigmaMax, kPatternTwoDecimals, &BeamResult::sigmaMax},
    BeamResultSpec{BeamResultField::Delta, kPatternScientific, &BeamResult::delta},
};

constexpr bool beamResultRowsInOrder()
{
    std::size_t place = 0;
    for (const BeamResultSpec &row : kBeamResultFields) {
        if (static_cast<std::size_t>(row.id) != place++)
            return false;
    }
    return true;
}
static_assert(beamResultRowsInOrder(), "one row per result field, in the order of BeamResultField");

// The text the field shows for the result (with the pattern's leading blank).
inline std::string shownResult(const BeamResult &r, BeamResultField id)
{
    const BeamResultSpec &field = kBeamResultFields.at(static_cast<std::size_t>(id));
    return FormatFloat(field.pattern, r.*field.value);
}

} // namespace tavrel
