// What an engineer checks after the bending stress and the deflection:
// what the supports carry, the largest shear force, how far the ends turn,
// and the span against the largest deflection. Pure: no Qt, no window.
//
// Places are measured as the curves measure them (beam_curves.h): x = 0 is
// the free end of a cantilever or the right-hand support, x = L the other
// end. Forces in kgf, moments in kgf·mm, rotations in radians; signs
// follow the load: a downward (positive) load gives upward (positive)
// reactions and positive rotations, and end moments are negative, as the
// moment curve has them (tension below positive).
#pragma once

#include "core/beam/beam_curves.h"

namespace tavrel
{

enum class EndSupport { Free, Pinned, Fixed };

// The support at an end of the beam for a load case.
struct BeamEnds {
    EndSupport right, left; // at x = 0 and at x = L
};
BeamEnds endsOf(LoadCase loadCase);

// At one end: the upward force and the moment the support takes (both 0 at
// a free end, the moment 0 at a pin) and the rotation of the beam (0 where
// it is fixed).
struct BeamEnd {
    double x;
    EndSupport support;
    double reaction, moment, slope;
};

// spanOverDeflection: L/|δmax|, infinite where the beam does not bend.
struct BeamChecks {
    BeamEnd right, left;
    BeamExtreme largestShear;
    double spanOverDeflection;
};

// Closed forms of Roark's Formulas for Stress and Strain (7th ed., table
// 8.1, cases 1a, 2a, 1e, 2e and 2d). Values beyond a double come out
// infinite; the caller says so in words.
BeamChecks beamChecks(const BeamSpan &span);

} // namespace tavrel
