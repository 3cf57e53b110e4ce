// Bending of a straight beam: section properties, bending moment, bending
// stress and deflection. Pure calculation: no Qt, no window.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel
{

// The support and load arrangements, in the order of the picture's rows.
// P is a point load in the point-load cases and a load per length in the
// uniform-load cases; x counts from the free end (cantilevers) or from the
// right-hand support.
enum class LoadCase : std::int32_t {
    CantileverEndLoad,  // fixed at the left, point load at the free end
    CantileverUniform,  // fixed at the left, uniform load
    SupportedPointLoad, // simply supported, point load at L1 from the right-hand support
    SupportedUniform,   // simply supported, uniform load
    FixedUniform,       // both ends fixed, uniform load
};

// The cross-sections, in the order of the picture's sections.
enum class SectionKind : std::int32_t {
    SolidRectangle,  // b1 x h1
    HollowRectangle, // b1 x h1 less b2 x h2
    SolidCircle,     // diameter d1 (held in b1)
    HollowCircle,    // d1 less d2 (held in b1 and b2)
    Typed,           // I and Z typed in
};

// E: Young's modulus (kgf/mm²); L: span; L1: position of the point load from
// the right-hand support; x: point of the deflection; P: the load; b1, h1,
// b2, h2: outer and inner width and height (b1 and b2 are the diameters of
// the circular sections); typedI, typedZ: I and Z typed by the user.
struct BeamInput {
    double E, L, L1, x, P, b1, h1, b2, h2, typedI, typedZ;
};

// Which deflection delta is: the beam's largest, or the one at x.
enum class Deflection { Maximum, AtX };

// I: second moment of area; Z: section modulus; Mmax: bending moment;
// sigmaMax: Mmax / Z; delta: the deflection that `deflection` names.
struct BeamResult {
    double I, Z, Mmax, sigmaMax, delta;
    Deflection deflection;
};

// Inputs that describe no real beam, refused before anything is computed.
// A negative load (pointing up) is a real beam and no fault.
enum class BeamFault {
    ModulusNotPositive,   // E is zero or negative
    SpanNotPositive,      // L is zero or negative
    LoadOffSpan,          // the point load's L1 lies outside the span, 0 to L
    PointOffSpan,         // x lies outside the span where the deflection depends on it
    InnerWidthOutside,    // b2 of a hollow rectangle below 0 or not below b1
    InnerHeightOutside,   // h2 of a hollow rectangle below 0 or not below h1
    InnerDiameterOutside, // d2 of a hollow circle below 0 or not below d1
    SectionNotPositive,   // the dimensions give an I or a Z of zero or below
    TypedINotPositive,    // the typed I is zero or negative
    TypedZNotPositive,    // the typed Z is zero or negative
};

// The first fault of the inputs for this load case and section, in the
// order in which the boxes are read, if any.
std::optional<BeamFault> findBeamFault(LoadCase loadCase, SectionKind section, const BeamInput &in);

// For inputs without a fault. Throws CalcError when I, Z, Mmax, sigmaMax or
// delta would not be finite.
BeamResult computeBeam(LoadCase loadCase, SectionKind section, const BeamInput &in);

} // namespace tavrel
