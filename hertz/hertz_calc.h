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

// Throws CalcError when a result would be infinite or NaN (a zero modulus,
// R1 + R2 = 0, a zero roller width, a negative load under a cube root, ...).
HertzResult computeHertz(ContactKind kind, const HertzInput &in);

} // namespace tavrel
