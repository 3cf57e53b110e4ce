// Hertz contact of two elastic bodies pressed together by a load: the size
// of the contact zone, the approach and the maximum stresses. Lengths in mm,
// the load in kgf, moduli and stresses in kgf/mm^2.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel
{

// The value is the item's position in the contact-kind menu.
enum class ContactKind : std::int32_t {
    SphereOnSphere = 1,  // sphere of radius R1 on a convex sphere of radius R2
    CylinderOnPlane = 5, // roller of radius R1 and width B on a flat block
};

struct HertzInput {
    double R1, P, E1, E2, nu1, nu2;
    double size2; // R2 for a sphere on a sphere, the roller width B for a roller
};

struct HertzResult {
    double contactSize; // contact circle radius a, or contact half-width b
    double pMax;
    double sigmaZMax; // +p_max for the sphere, -p_max for the roller
    // Empty for the roller unless both bodies are of the same material
    // (E1 == E2, nu1 == nu2 == 0.3): the formulas hold only then.
    std::optional<double> approach;
    std::optional<double> tauMax;
    // Only the sphere has a tensile stress result.
    std::optional<double> sigmaRMax;
};

// The quantities the results are worked out from: the compound compliance
// H = ((1 − ν1²)/E1 + (1 − ν2²)/E2)/2 (mm²/kgf), the combined radius
// R = R1·R2/(R1 + R2) of the spheres (mm) and the load per width q = P/B
// of the roller (kgf/mm).
double compoundCompliance(const HertzInput &in);
double combinedRadius(const HertzInput &in);
double lineLoad(const HertzInput &in);

// Inputs that describe no real contact, refused before anything is
// computed. A negative R2 larger than R1 (a ball in a seat) is real.
enum class HertzFault {
    RadiusNotPositive,   // R1 is zero or negative
    LoadNotPositive,     // P is zero or negative: nothing presses the bodies together
    Modulus1NotPositive, // E1 is zero or negative
    Modulus2NotPositive, // E2 is zero or negative
    Poisson1OutOfRange,  // ν1 outside −1 < ν ≤ 0.5, which no material leaves
    Poisson2OutOfRange,  // ν2 likewise
    WidthNotPositive,    // the roller's width B is zero or negative
    SecondRadiusZero,    // R2 of the sphere is zero
    SeatNotLarger,       // a concave second body (R2 < 0) no larger than the sphere, |R2| <= R1
};

// The first fault of the inputs for this contact kind, in the order in
// which the boxes are read, if any.
std::optional<HertzFault> findHertzFault(ContactKind kind, const HertzInput &in);

// For inputs without a fault. Throws CalcError when a result would be
// infinite or NaN (an overflow or underflow of extreme inputs).
HertzResult computeHertz(ContactKind kind, const HertzInput &in);

} // namespace tavrel
