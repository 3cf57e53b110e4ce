// What an engineer checks beside the Hertz results: whether the contact is
// small against the bodies, as the theory assumes, and the largest von
// Mises stress below the surface, which a yield check compares with the
// yield stress. Pure: no Qt, no window.
#pragma once

#include "core/hertz/hertz_subsurface.h"

namespace tavrel
{

// The contact size (a or b) over each radius it must be small against: R1
// and |R2| of the spheres, R1 of the roller (whose flat has no radius).
struct ContactSmallness {
    double overR1;
    std::optional<double> overR2;
    bool small; // both at most kSmallContact
};
inline constexpr double kSmallContact = 0.1;
ContactSmallness contactSmallness(ContactKind kind, const HertzInput &in, double contactSize);

// The largest von Mises stress on the load axis below the surface of a
// body of Poisson's ratio ν, as a fraction of p_max, and its depth in
// contact sizes: on the axis σθ = σr for the sphere, and σy = ν·(σx + σz)
// along the roller in plane strain (Johnson, Contact Mechanics, 1985,
// §3.4 and §4.2: about 0.62 p_max at 0.48 a and 0.56 p_max at 0.70 b for
// ν = 0.3).
ShearPeak largestVonMises(ContactKind kind, double nu, double depth);

} // namespace tavrel
