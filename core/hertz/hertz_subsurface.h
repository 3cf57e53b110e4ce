// The contact pressure across the contact and the stresses below the
// surface of body 1 on the load axis, from the classical elastic
// half-space solution: axisymmetric for the sphere, plane strain for the
// roller. Pure: no Qt, no window.
//
// Everything here is dimensionless: positions are fractions of the contact
// size (the radius a, or the half-width b), stresses fractions of p_max;
// compression is negative.
#pragma once

#include "core/curve.h"
#include "core/hertz/hertz_calc.h"

#include <optional>

namespace tavrel
{

// How deep below the surface the stresses are followed, in contact sizes:
// well past the largest shear stress of either contact kind.
inline constexpr double kAxisDepth = 3;

// The pressure at r across the contact: √(1 − r²) inside it, 0 outside.
double contactPressure(double r);

// The pressure from r = −reach to reach, dense enough at the contact's
// edges, where it falls steeply, to be drawn within a pixel at any size.
Curve pressureCurve(double reach);

// At depth z on the load axis: σz, σr (the sphere) or σx (the roller),
// and the principal shear stress τ = (σ1 − σ3)/2 of the plane through the
// axis (for the roller, the plane of the roller's cross-section).
struct AxisStresses {
    double sigmaZ, sigmaR, tau;
};
AxisStresses axisStresses(ContactKind kind, double nu1, double z);

enum class AxisStress { SigmaZ, SigmaR, Tau };

// One of the three from z = 0 to `depth`, dense enough to be drawn within
// a pixel at any size.
Curve axisStressCurve(ContactKind kind, double nu1, AxisStress which, double depth);

// The largest τ between the surface and `depth`, and its depth, found by
// a one-dimensional maximiser to full precision. For ν1 = 0.3: the sphere
// 0.310 at 0.481 a, the roller 0.300 at 0.786 b (the roller's at any ν1).
struct ShearPeak {
    double z;
    double tau;
};
ShearPeak largestShear(ContactKind kind, double nu1, double depth);

// The roller only: in plane strain the stress along the roller's axis,
// σy = ν1·(σx + σz), is a principal stress too. For a small ν1 (below
// about 0.24) a shear stress in a plane through that axis, (σy − σz)/2 or
// (σy − σx)/2, outgrows the largest τ; then its largest value and depth,
// otherwise nothing.
std::optional<ShearPeak> largerOutOfPlaneShear(double nu1, double depth);

} // namespace tavrel
