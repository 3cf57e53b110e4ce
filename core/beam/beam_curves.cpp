#include "core/beam/beam_curves.h"

#include "core/beam/beam_cases.h"

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

// Every quantity is worked out on the beam of span 1 under load 1 with
// stiffness 1, as a shape along ξ = x/L, and scaled up after: no span or
// load takes a shape out of range. λ = L1/L is where the point load of
// load case 2 stands.

// The shape on one side of the point load of load case 2: `beyondLoad` is
// true between the load and the left-hand support (x > L1).
double shapeAt(LoadCase loadCase, BeamQuantity q, double xi, double lambda, bool beyondLoad)
{
    switch (loadCase) {
    case LoadCase::CantileverEndLoad:
        return q == BeamQuantity::Shear    ? 1
               : q == BeamQuantity::Moment ? -xi
                                           : (2 - 3 * xi + xi * xi * xi) / 6;
    case LoadCase::CantileverUniform:
        return q == BeamQuantity::Shear    ? xi
               : q == BeamQuantity::Moment ? -xi * xi / 2
                                           : (3 - 4 * xi + xi * xi * xi * xi) / 24;
    case LoadCase::SupportedPointLoad: {
        // The load stands at `near` from the support on x's side and at
        // `far` from the other; `u` is x counted from that other support.
        // The reaction of that support is `far`.
        const double near = beyondLoad ? 1 - lambda : lambda;
        const double far = 1 - near;
        const double u = beyondLoad ? 1 - xi : xi;
        if (q == BeamQuantity::Shear)
            return beyondLoad ? far : -far;
        if (q == BeamQuantity::Moment)
            return far * u;
        return far * u * (1 - far * far - u * u) / 6;
    }
    case LoadCase::SupportedUniform:
        return q == BeamQuantity::Shear    ? (2 * xi - 1) / 2
               : q == BeamQuantity::Moment ? xi * (1 - xi) / 2
                                           : xi * (1 - 2 * xi * xi + xi * xi * xi) / 24;
    case LoadCase::FixedUniform:
        break;
    }
    return q == BeamQuantity::Shear    ? (2 * xi - 1) / 2
           : q == BeamQuantity::Moment ? (6 * xi - 6 * xi * xi - 1) / 12
                                       : xi * xi * (1 - xi) * (1 - xi) / 24;
}

bool uniformLoad(LoadCase loadCase)
{
    return !pointLoad(loadCase);
}

// The quantity whose shape is `shape`: P·L^n·shape, over E·I for the
// deflection. The mantissas are multiplied and the exponents added apart,
// so that no product on the way leaves the range of a double where the
// result does not (P·L⁴ of 1e300 · 100⁴ is beyond a double, P·L⁴/(E·I) is
// not).
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

// The quantity at x on the given side of the load.
double valueOnSide(const BeamSpan &s, BeamQuantity q, double x, bool beyondLoad)
{
    return scaledUp(s, q, shapeAt(s.loadCase, q, x / s.L, s.L1 / s.L, beyondLoad));
}

// Which side of the load x is on is decided on this beam's own numbers.
double valueAt(const BeamSpan &s, BeamQuantity q, double x)
{
    return valueOnSide(s, q, x, x > s.L1);
}

// The extreme of the shape, placed and scaled on this beam.
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

bool beamBends(const BeamSpan &s)
{
    const bool onSupport = traitsOf(s.loadCase).load == LoadPlace::AtL1 && (s.L1 == 0 || s.L1 == s.L);
    return s.P != 0 && !onSupport;
}

namespace
{

// The largest |M| and |δ| of the shapes, in closed form.
BeamExtreme momentExtreme(LoadCase loadCase, double lambda)
{
    switch (loadCase) {
    case LoadCase::CantileverEndLoad:
        return {1, -1, {}};
    case LoadCase::CantileverUniform:
        return {1, -0.5, {}};
    case LoadCase::SupportedPointLoad:
        return {lambda, lambda * (1 - lambda), {}};
    case LoadCase::SupportedUniform:
        return {0.5, 0.125, {}};
    case LoadCase::FixedUniform:
        break;
    }
    return {0, -1.0 / 12, 1};
}

BeamExtreme deflectionExtreme(LoadCase loadCase, double lambda)
{
    switch (loadCase) {
    case LoadCase::CantileverEndLoad:
        return {0, 1.0 / 3, {}};
    case LoadCase::CantileverUniform:
        return {0, 0.125, {}};
    case LoadCase::SupportedPointLoad: {
        // In the longer stretch, √((1 − b²)/3) from the support farther
        // from the load, b being the shorter stretch.
        const double b = std::min(lambda, 1 - lambda);
        const double fromFarSupport = std::sqrt((1 - b * b) / 3);
        const double x = lambda <= 1 - lambda ? 1 - fromFarSupport : fromFarSupport;
        return {x, b * std::pow(1 - b * b, 1.5) / (9 * std::sqrt(3.0)), {}};
    }
    case LoadCase::SupportedUniform:
        return {0.5, 5.0 / 384, {}};
    case LoadCase::FixedUniform:
        break;
    }
    return {0.5, 1.0 / 384, {}};
}

} // namespace

BeamExtreme largestMoment(const BeamSpan &s)
{
    return scaledUp(s, BeamQuantity::Moment, momentExtreme(s.loadCase, s.L1 / s.L));
}

BeamExtreme largestDeflection(const BeamSpan &s)
{
    return scaledUp(s, BeamQuantity::Deflection, deflectionExtreme(s.loadCase, s.L1 / s.L));
}

Curve beamCurve(const BeamSpan &span, BeamQuantity quantity)
{
    if (traitsOf(span.loadCase).load != LoadPlace::AtL1)
        return sampled([&](double x) { return valueAt(span, quantity, x); }, 0, span.L, kSegments);
    // A side of no length (the load on a support) is the one point where
    // the curve steps.
    const auto segments = [](double length) { return length > 0 ? kSegments : 0; };
    Curve curve;
    curve.reserve(2 * kSegments + 2);
    appendSampled(
        curve, [&](double x) { return valueOnSide(span, quantity, x, false); }, 0, span.L1,
        segments(span.L1));
    appendSampled(
        curve, [&](double x) { return valueOnSide(span, quantity, x, true); }, span.L1, span.L,
        segments(span.L - span.L1));
    return curve;
}

} // namespace tavrel
