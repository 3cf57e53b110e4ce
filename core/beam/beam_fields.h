// The results the beam tab shows, each once: the value of the calculation
// it shows, in its field's pattern. The tab, its sheet and its copy read the
// texts from here. Pure: no Qt.
#pragma once

#include "core/beam/beam_calc.h"
#include "core/beam/beam_model.h"
#include "core/num/numtext.h"

#include <string>

namespace tavrel
{

// The value a result field shows; I for the box that shows it.
inline double resultValue(const BeamResult &r, BeamField id)
{
    switch (id) {
    case BeamField::Mmax:
        return r.Mmax;
    case BeamField::SigmaMax:
        return r.sigmaMax;
    case BeamField::Delta:
        return r.delta;
    default:
        break;
    }
    return r.I;
}

// The text the field shows for the result (with the pattern's leading blank).
inline std::string shownResult(const BeamResult &r, BeamField id)
{
    return FormatFloat(fieldOf(kBeamFields, id).pattern, resultValue(r, id));
}

} // namespace tavrel
