// Bending of a straight beam: section properties, bending moment, bending
// stress and deflection. Pure calculation: no Qt, no window.
#pragma once

#include <string>

namespace tavrel
{

// E: Young's modulus (kgf/mm²); L: span; L1: position of the point load from
// the right-hand support (load case 2); x: point of the deflection; P: point
// load, or load per length in load cases 1, 3 and 4; b1, h1, b2, h2: outer
// and inner width and height (b1 and b2 are the diameters of the circular
// sections); typedI, typedZ: I and Z typed by the user (section kind 4).
struct BeamInput {
    double E, L, L1, x, P, b1, h1, b2, h2, typedI, typedZ;
};

// I: second moment of area; Z: section modulus; Mmax: bending moment;
// sigmaMax: Mmax / Z; delta: deflection; deflectionCaption: the caption of the
// deflection field, "δmax =" when delta is the maximum deflection.
struct BeamResult {
    double I, Z, Mmax, sigmaMax, delta;
    std::string deflectionCaption;
};

// loadCase: 0 cantilever with end load, 1 cantilever with uniform load,
// 2 simply supported with point load at L1, 3 simply supported with uniform
// load, 4 both ends fixed with uniform load.
// sectionKind: 0 solid rectangle, 1 hollow rectangle, 2 solid circular,
// 3 hollow circular, 4 typed I and Z.
// Throws std::invalid_argument for a load case or section kind outside 0..4,
// and CalcError when I, Mmax, sigmaMax or delta would not be finite.
BeamResult computeBeam(int loadCase, int sectionKind, const BeamInput &in);

} // namespace tavrel
