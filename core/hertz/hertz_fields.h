// The results the Hertz tab shows, each once: the value of the calculation
// it shows, in its field's pattern. The tab and its sheet read the texts
// from here. Pure: no Qt.
#pragma once

#include "core/hertz/hertz_calc.h"
#include "core/hertz/hertz_model.h"
#include "core/num/numtext.h"

#include <optional>
#include <string>

namespace tavrel
{

// The value a result field shows; none for a box, and none where the
// contact kind or the materials give none.
inline std::optional<double> resultValue(const HertzResult &r, HertzField id)
{
    switch (id) {
    case HertzField::ContactSize:
        return r.contactSize;
    case HertzField::Approach:
        return r.approach;
    case HertzField::PMax:
        return r.pMax;
    case HertzField::SigmaZMax:
        return r.sigmaZMax;
    case HertzField::SigmaRMax:
        return r.sigmaRMax;
    case HertzField::TauMax:
        return r.tauMax;
    default:
        break;
    }
    return std::nullopt;
}

// The text the field shows for the result (with the pattern's leading
// blank), empty where the contact kind or the materials give none.
inline std::string shownResult(const HertzResult &r, HertzField id)
{
    const std::optional<double> value = resultValue(r, id);
    return value ? FormatFloat(fieldOf(kHertzFields, id).pattern, *value) : std::string();
}

} // namespace tavrel
