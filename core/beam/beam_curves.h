// Shear force, bending moment and deflection along the beam, for drawing.
// Pure: no Qt, no window.
//
// x is measured as the tab's picture measures it: from the free end in the
// cantilever cases, from the right-hand support (or end) in the others, so
// x runs from 0 at the right-hand end to L at the left-hand end. The
// moment is positive where the beam sags, the deflection positive
// downwards (as the deflection field shows it), and the shear force is the
// one whose slope along the beam from left to right is the moment's.
#pragma once

#include "core/beam/beam_calc.h"
#include "core/curve.h"

#include <optional>

namespace tavrel
{

// What a pressed beam is, for its curves: the arrangement, the span, the
// load position (load case 2), the load and the bending stiffness E·I.
struct BeamSpan {
    LoadCase loadCase;
    double L, L1, P, EI;
};

BeamSpan spanOf(LoadCase loadCase, const BeamInput &in, const BeamResult &r);

enum class BeamQuantity { Shear, Moment, Deflection };

double shearAt(const BeamSpan &span, double x);
double momentAt(const BeamSpan &span, double x);
double deflectionAt(const BeamSpan &span, double x);

// A largest value and its place; `twin` is a second place with the same
// value (both ends of a beam fixed at both ends).
struct BeamExtreme {
    double x;
    double value;
    std::optional<double> twin;
};

// False where the beam carries its load without bending: no load, or the
// point load of load case 2 standing on a support, which takes it whole.
// M and δ are then 0 along the whole beam, and have no largest place.
bool beamBends(const BeamSpan &span);

// The largest |M| and the largest |δ|, in closed form; `value` keeps its
// sign.
BeamExtreme largestMoment(const BeamSpan &span);
BeamExtreme largestDeflection(const BeamSpan &span);

// The quantity from x = 0 to L, dense enough to be drawn as straight
// pieces to within a pixel at any size. Under the point load of load case
// 2 the curve holds both sides of the load, so the shear force steps; a
// load on a support makes that step at the support, where the reaction
// takes it.
Curve beamCurve(const BeamSpan &span, BeamQuantity quantity);

} // namespace tavrel
