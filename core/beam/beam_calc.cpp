#include "core/beam/beam_calc.h"

#include "core/beam/beam_cases.h"
#include "core/calc_error.h"

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

constexpr double kPi = 3.141592653589793;

// Fractions applied as multiplications by their reciprocals, held in long
// double so that the product is rounded to double only once.
constexpr long double kTwelfth = 1.0L / 12;
constexpr long double kSixth = 1.0L / 6;
constexpr long double kThird = 1.0L / 3;
constexpr long double kNinth = 1.0L / 9;
constexpr long double kTwentyFourth = 1.0L / 24;

// 1/64 and 1/32 are exact in double.
constexpr double kSixtyFourth = 0.015625;
constexpr double kThirtySecond = 0.03125;

// v times a long-double reciprocal, rounded once to double.
double scaled(double v, long double reciprocal)
{
    return static_cast<double>(v * reciprocal);
}

struct Section {
    double I, Z;
};

// b1 and b2 stand for the diameters d1 and d2 of the circular sections.
Section sectionProperties(SectionKind section, const BeamInput &in)
{
    switch (section) {
    case SectionKind::SolidRectangle:
        return {scaled(in.b1 * in.h1 * in.h1 * in.h1, kTwelfth), scaled(in.b1 * in.h1 * in.h1, kSixth)};
    case SectionKind::HollowRectangle: {
        const double outerLessInner = in.b1 * in.h1 * in.h1 * in.h1 - in.b2 * in.h2 * in.h2 * in.h2;
        return {scaled(outerLessInner, kTwelfth), scaled(outerLessInner / in.h1, kSixth)};
    }
    case SectionKind::SolidCircle:
        return {kPi * std::pow(in.b1, 4.0) * kSixtyFourth, kPi * std::pow(in.b1, 3.0) * kThirtySecond};
    case SectionKind::HollowCircle: {
        const double outerLessInner = std::pow(in.b1, 4.0) - std::pow(in.b2, 4.0);
        return {kPi * outerLessInner * kSixtyFourth, kPi * outerLessInner / in.b1 * kThirtySecond};
    }
    case SectionKind::Typed:
        break;
    }
    return {in.typedI, in.typedZ};
}

struct Bending {
    double Mmax, delta;
    Deflection deflection;
};

// The largest deflection of a cantilever is at its free end (x = 0), of the
// other arrangements at mid-span.
Deflection deflectionAt(bool maximum)
{
    return maximum ? Deflection::Maximum : Deflection::AtX;
}

Bending bending(LoadCase loadCase, const BeamInput &in, double I)
{
    const double E = in.E;
    const double L = in.L;
    const double x = in.x;
    const double P = in.P;
    const double L2 = L * L;
    const double L3 = L2 * L;
    const double L4 = L3 * L;
    const double x2 = x * x;
    const double x3 = x2 * x;
    const double x4 = x3 * x;

    switch (loadCase) {
    case LoadCase::CantileverEndLoad: {
        const double shape = 1.0 - 3.0 * x / (2.0 * L) + x3 / (2.0 * L3);
        return {P * L, scaled(P * L3 / (E * I), kThird) * shape, deflectionAt(x == 0.0)};
    }
    case LoadCase::CantileverUniform: {
        const double shape = 1.0 - scaled(4.0 * x / L, kThird) + scaled(x4 / L4, kThird);
        return {P * L2 / 2.0, P * L4 / (8.0 * E * I) * shape, deflectionAt(x == 0.0)};
    }
    case LoadCase::SupportedPointLoad: {
        // The moment is largest under the load; the deflection is the
        // beam's largest, which lies in the longer segment and is set by
        // the shorter one, b, wherever x is.
        const double b = std::min(in.L1, L - in.L1);
        const double delta = scaled(P * b * std::pow(L2 - b * b, 1.5) / (E * I * L), kNinth) / std::sqrt(3.0);
        return {P * in.L1 * (L - in.L1) / L, delta, Deflection::Maximum};
    }
    case LoadCase::SupportedUniform: {
        const double shape = x / L - 2.0 * x3 / L3 + x4 / L4;
        return {P * L2 / 8.0, scaled(P * L4 / (E * I), kTwentyFourth) * shape, deflectionAt(L / 2.0 == x)};
    }
    case LoadCase::FixedUniform:
        break;
    }
    // Both ends fixed: the moment is largest at the ends (p·L²/12, twice the
    // mid-span moment); the deflection is p·x²·(L − x)²/(24·E·I).
    const double shape = x2 / L2 - 2.0 * x3 / L3 + x4 / L4;
    return {scaled(P * L2, kTwelfth), scaled(P * L4 / (E * I), kTwentyFourth) * shape,
            deflectionAt(L / 2.0 == x)};
}

} // namespace

std::optional<BeamFault> findBeamFault(LoadCase loadCase, SectionKind section, const BeamInput &in)
{
    if (!(in.E > 0.0))
        return BeamFault::ModulusNotPositive;
    if (!(in.L > 0.0))
        return BeamFault::SpanNotPositive;
    const auto offSpan = [&in](double at) { return at < 0.0 || at > in.L; };
    // A load at L1 must stand on the beam; x must lie on it where the
    // deflection shown is the one at x.
    if (usesL1(loadCase) && offSpan(in.L1))
        return BeamFault::LoadOffSpan;
    if (usesX(loadCase) && offSpan(in.x))
        return BeamFault::PointOffSpan;
    // An inner size must lie within the outer one: 0 up to, not including, it.
    const auto outside = [](double inner, double outer) { return inner < 0.0 || inner >= outer; };
    switch (section) {
    case SectionKind::HollowRectangle:
        if (outside(in.b2, in.b1))
            return BeamFault::InnerWidthOutside;
        if (outside(in.h2, in.h1))
            return BeamFault::InnerHeightOutside;
        break;
    case SectionKind::HollowCircle:
        if (outside(in.b2, in.b1))
            return BeamFault::InnerDiameterOutside;
        break;
    case SectionKind::Typed:
        if (!(in.typedI > 0.0))
            return BeamFault::TypedINotPositive;
        if (!(in.typedZ > 0.0))
            return BeamFault::TypedZNotPositive;
        return std::nullopt;
    case SectionKind::SolidRectangle:
    case SectionKind::SolidCircle:
        break;
    }
    // A negative dimension of a solid section, or one so small that I or Z
    // underflows, gives a section that bends the wrong way or not at all.
    const Section s = sectionProperties(section, in);
    if (!(s.I > 0.0 && s.Z > 0.0))
        return BeamFault::SectionNotPositive;
    return std::nullopt;
}

BeamResult computeBeam(LoadCase loadCase, SectionKind section, const BeamInput &in)
{
    const Section s = sectionProperties(section, in);
    const Bending bend = bending(loadCase, in, s.I);

    BeamResult r{s.I, s.Z, bend.Mmax, bend.Mmax / s.Z, bend.delta, bend.deflection};
    // Z is checked too: a zero h1 or d1 makes it infinite, and sigma would
    // then show a plainly wrong 0.
    requireFinite({r.I, r.Z, r.Mmax, r.sigmaMax, r.delta});
    return r;
}

} // namespace tavrel
