// A small sketch of the beam above its diagrams: the beam over its span,
// its supports and its load, drawn to the diagrams' horizontal scale.
#pragma once

#include "core/beam/beam_curves.h"
#include "diagram/plot.h"

#include <optional>

namespace tavrel
{

// `deflectionAt`: the point x of the deflection field, marked when the
// field gives the deflection there.
void drawBeamSketch(QPainter &painter, const QRectF &area, const XPlacement &place, const BeamSpan &span,
                    std::optional<double> deflectionAt);

} // namespace tavrel
