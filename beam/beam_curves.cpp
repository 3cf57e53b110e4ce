#include "beam/beam_curves.h"

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

// Straight pieces per stretch of the beam. The curves are polynomials of at
// most the fourth degree; drawn from this many chords they stay within a
// millionth of their height of the true curve, a pixel at any screen size.
constexpr int kSegments = 512;

// The quantity on one side of the point load of load case 2: `beyondLoad`
// is true between the load and the left-hand support (x > L1).
double valueAt(const BeamSpan &s, BeamQuantity q, double x, bool beyondLoad)
{
    const double L = s.L, P = s.P, EI = s.EI;
    switch (s.loadCase) {
    case LoadCase::CantileverEndLoad:
        return q == BeamQuantity::Shear    ? P
               : q == BeamQuantity::Moment ? -P * x
                                           : P * (2 * L * L * L - 3 * L * L * x + x * x * x) / (6 * EI);
    case LoadCase::CantileverUniform:
        return q == BeamQuantity::Shear ? P * x
               : q == BeamQuantity::Moment
                   ? -P * x * x / 2
                   : P * (3 * L * L * L * L - 4 * L * L * L * x + x * x * x * x) / (24 * EI);
    case LoadCase::SupportedPointLoad: {
        // The load stands at `near` from the support on x's side and at
        // `far` from the other; `u` is x counted from that other support.
        const double near = beyondLoad ? L - s.L1 : s.L1;
        const double far = L - near;
        const double u = beyondLoad ? L - x : x;
        const double reaction = P * far / L;
        if (q == BeamQuantity::Shear)
            return beyondLoad ? reaction : -reaction;
        if (q == BeamQuantity::Moment)
            return reaction * u;
        return P * far * u * (L * L - far * far - u * u) / (6 * EI * L);
    }
    case LoadCase::SupportedUniform:
        return q == BeamQuantity::Shear    ? P * (2 * x - L) / 2
               : q == BeamQuantity::Moment ? P * x * (L - x) / 2
                                           : P * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
    case LoadCase::FixedUniform:
        break;
    }
    return q == BeamQuantity::Shear    ? P * (2 * x - L) / 2
           : q == BeamQuantity::Moment ? P * (6 * L * x - 6 * x * x - L * L) / 12
                                       : P * x * x * (L - x) * (L - x) / (24 * EI);
}

// The beam of span 1 under load 1 with stiffness 1, the load where it
// stands on this one: its curves are this beam's shapes, which no span or
// load takes out of range.
BeamSpan unitSpan(const BeamSpan &s)
{
    return {s.loadCase, 1, s.L1 / s.L, 1, 1};
}

bool uniformLoad(LoadCase loadCase)
{
    return loadCase != LoadCase::CantileverEndLoad && loadCase != LoadCase::SupportedPointLoad;
}

// The quantity whose shape on the unit beam is `shape`: P·L^n·shape, over
// E·I for the deflection. The mantissas are multiplied and the exponents
// added apart, so that no product on the way leaves the range of a double
// where the result does not (P·L⁴ of 1e300 · 100⁴ is beyond a double,
// P·L⁴/(E·I) is not).
double scaledUp(const BeamSpan &s, BeamQuantity q, double shape)
{
    const int lengths = (uniformLoad(s.loadCase) ? 1 : 0) + (q == BeamQuantity::Shear    ? 0
                                                             : q == BeamQuantity::Moment ? 1
                                                                                         : 3);
    int exponent = 0, e = 0;
    double mantissa = std::frexp(s.P, &exponent) * std::frexp(shape, &e);
    exponent += e;
    for (int i = 0; i < lengths; ++i) {
        mantissa *= std::frexp(s.L, &e);
        exponent += e;
    }
    if (q == BeamQuantity::Deflection) {
        mantissa /= std::frexp(s.EI, &e);
        exponent -= e;
    }
    return std::ldexp(mantissa, exponent);
}

// The quantity at x on the given side of the load, worked out on the unit
// beam and scaled up.
double valueOnSide(const BeamSpan &s, BeamQuantity q, double x, bool beyondLoad)
{
    return scaledUp(s, q, valueAt(unitSpan(s), q, x / s.L, beyondLoad));
}

// Which side of the load x is on is decided on this beam's own numbers.
double valueAt(const BeamSpan &s, BeamQuantity q, double x)
{
    return valueOnSide(s, q, x, x > s.L1);
}

// The extreme of the unit beam, placed and scaled on this one.
BeamExtreme scaledUp(const BeamSpan &s, BeamQuantity q, const BeamExtreme &unit)
{
    const std::optional<double> twin = unit.twin ? std::optional(*unit.twin * s.L) : std::nullopt;
    return {unit.x * s.L, scaledUp(s, q, unit.value), twin};
}

} // namespace

BeamSpan spanOf(LoadCase loadCase, const BeamInput &in, const BeamResult &r)
{
    return {loadCase, in.L, in.L1, in.P, in.E * r.I};
}

double shearAt(const BeamSpan &span, double x)
{
    return valueAt(span, BeamQuantity::Shear, x);
}

double momentAt(const BeamSpan &span, double x)
{
    return valueAt(span, BeamQuantity::Moment, x);
}

double deflectionAt(const BeamSpan &span, double x)
{
    return valueAt(span, BeamQuantity::Deflection, x);
}

namespace
{

// The largest |M| and |δ| of a beam, in closed form; called on the unit
// beam.
BeamExtreme momentExtreme(const BeamSpan &s)
{
    const double L = s.L, P = s.P;
    switch (s.loadCase) {
    case LoadCase::CantileverEndLoad:
        return {L, -P * L, {}};
    case LoadCase::CantileverUniform:
        return {L, -P * L * L / 2, {}};
    case LoadCase::SupportedPointLoad:
        return {s.L1, P * s.L1 * (L - s.L1) / L, {}};
    case LoadCase::SupportedUniform:
        return {L / 2, P * L * L / 8, {}};
    case LoadCase::FixedUniform:
        break;
    }
    return {0, -P * L * L / 12, L};
}

BeamExtreme deflectionExtreme(const BeamSpan &s)
{
    const double L = s.L, P = s.P, EI = s.EI;
    switch (s.loadCase) {
    case LoadCase::CantileverEndLoad:
        return {0, P * L * L * L / (3 * EI), {}};
    case LoadCase::CantileverUniform:
        return {0, P * L * L * L * L / (8 * EI), {}};
    case LoadCase::SupportedPointLoad: {
        // In the longer stretch, √((L² − b²)/3) from the support farther
        // from the load, b being the shorter stretch.
        const double b = std::min(s.L1, L - s.L1);
        const double fromFarSupport = std::sqrt((L * L - b * b) / 3);
        const double x = s.L1 <= L - s.L1 ? L - fromFarSupport : fromFarSupport;
        return {x, P * b * std::pow(L * L - b * b, 1.5) / (9 * std::sqrt(3.0) * EI * L), {}};
    }
    case LoadCase::SupportedUniform:
        return {L / 2, 5 * P * L * L * L * L / (384 * EI), {}};
    case LoadCase::FixedUniform:
        break;
    }
    return {L / 2, P * L * L * L * L / (384 * EI), {}};
}

} // namespace

BeamExtreme largestMoment(const BeamSpan &s)
{
    return scaledUp(s, BeamQuantity::Moment, momentExtreme(unitSpan(s)));
}

BeamExtreme largestDeflection(const BeamSpan &s)
{
    return scaledUp(s, BeamQuantity::Deflection, deflectionExtreme(unitSpan(s)));
}

Curve beamCurve(const BeamSpan &span, BeamQuantity quantity)
{
    if (span.loadCase != LoadCase::SupportedPointLoad)
        return sampled([&](double x) { return valueAt(span, quantity, x); }, 0, span.L, kSegments);
    Curve curve;
    curve.reserve(2 * kSegments + 2);
    appendSampled(
        curve, [&](double x) { return valueOnSide(span, quantity, x, false); }, 0, span.L1, kSegments);
    appendSampled(
        curve, [&](double x) { return valueOnSide(span, quantity, x, true); }, span.L1, span.L, kSegments);
    return curve;
}

} // namespace tavrel
