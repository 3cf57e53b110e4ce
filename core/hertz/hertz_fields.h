// The results the Hertz tab shows, each once: the value of the calculation
// it shows, in the one pattern of the tab. The tab and its sheet read the
// texts from here. Pure: no Qt.
#pragma once

#include "core/hertz/hertz_calc.h"
#include "core/num/numtext.h"

#include <optional>
#include <string>

namespace tavrel
{

enum class HertzResultField { ContactSize, Approach, PMax, SigmaZMax, SigmaRMax, TauMax };

inline std::optional<double> resultValue(const HertzResult &r, HertzResultField id)
{
    switch (id) {
    case HertzResultField::ContactSize:
        return r.contactSize;
    case HertzResultField::Approach:
        return r.approach;
    case HertzResultField::PMax:
        return r.pMax;
    case HertzResultField::SigmaZMax:
        return r.sigmaZMax;
    case HertzResultField::SigmaRMax:
        return r.sigmaRMax;
    case HertzResultField::TauMax:
        break;
    }
    return r.tauMax;
}

// The text the field shows for the result (with the pattern's leading
// blank), empty where the contact kind or the materials give none.
inline std::string shownResult(const HertzResult &r, HertzResultField id)
{
    const std::optional<double> value = resultValue(r, id);
    return value ? FormatFloat(kPatternThreeDecimals, *value) : std::string();
}

} // namespace tavrel
