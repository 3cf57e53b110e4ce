#include "core/beam/beam_checks.h"

#include <cmath>

namespace tavrel
{

namespace
{

using Real = long double; // products such as P·L³ stay finite for every double input

struct EndValues {
    Real reaction, moment, slope;
};

// The right-hand end (x = 0) and the left-hand end (x = L).
struct BothEnds {
    EndValues right, left;
};

BothEnds cantilever(const BeamSpan &s)
{
    const Real P = s.P, L = s.L, EI = s.EI;
    if (s.loadCase == LoadCase::CantileverEndLoad)
        return {{0, 0, P * L * L / (2 * EI)}, {P, -P * L, 0}};
    const Real W = P * L; // the whole uniform load
    return {{0, 0, W * L * L / (6 * EI)}, {W, -W * L / 2, 0}};
}

BothEnds simplySupported(const BeamSpan &s)
{
    const Real P = s.P, L = s.L, EI = s.EI;
    if (s.loadCase == LoadCase::SupportedUniform) {
        const Real R = P * L / 2, slope = P * L * L * L / (24 * EI);
        return {{R, 0, slope}, {R, 0, slope}};
    }
    // The load stands at a = L1 from the right-hand support, b = L − L1 from
    // the left-hand one; each end turns by P·(far part)·(L² − (far part)²)/(6·L·E·I).
    const Real a = s.L1, b = L - a;
    return {{P * b / L, 0, P * b * (L * L - b * b) / (6 * L * EI)},
            {P * a / L, 0, P * a * (L * L - a * a) / (6 * L * EI)}};
}

BothEnds bothFixed(const BeamSpan &s)
{
    const Real W = static_cast<Real>(s.P) * s.L;
    const EndValues end{W / 2, -W * s.L / 12, 0};
    return {end, end};
}

BothEnds endValues(const BeamSpan &s)
{
    switch (s.loadCase) {
    case LoadCase::CantileverEndLoad:
    case LoadCase::CantileverUniform:
        return cantilever(s);
    case LoadCase::SupportedPointLoad:
    case LoadCase::SupportedUniform:
        return simplySupported(s);
    case LoadCase::FixedUniform:
        break;
    }
    return bothFixed(s);
}

BeamEnd endAt(double x, EndSupport support, const EndValues &v)
{
    return {x, support, static_cast<double>(v.reaction), static_cast<double>(v.moment),
            static_cast<double>(v.slope)};
}

} // namespace

BeamEnds endsOf(LoadCase loadCase)
{
    switch (loadCase) {
    case LoadCase::CantileverEndLoad:
    case LoadCase::CantileverUniform:
        return {EndSupport::Free, EndSupport::Fixed};
    case LoadCase::SupportedPointLoad:
    case LoadCase::SupportedUniform:
        return {EndSupport::Pinned, EndSupport::Pinned};
    case LoadCase::FixedUniform:
        break;
    }
    return {EndSupport::Fixed, EndSupport::Fixed};
}

BeamChecks beamChecks(const BeamSpan &span)
{
    const BeamEnds ends = endsOf(span.loadCase);
    const BothEnds v = endValues(span);
    BeamChecks checks{endAt(0, ends.right, v.right), endAt(span.L, ends.left, v.left), {}, 0};

    // The shear force is largest beside a support that takes a load: at
    // the fixed end of a cantilever, or at the support with the larger
    // reaction (on the loaded side of a point load).
    const bool leftLarger = std::abs(checks.left.reaction) > std::abs(checks.right.reaction);
    const BeamEnd &end = leftLarger ? checks.left : checks.right;
    const bool twin = std::abs(checks.left.reaction) == std::abs(checks.right.reaction) && end.reaction != 0;
    checks.largestShear = {end.x, end.reaction, twin ? std::optional<double>(checks.left.x) : std::nullopt};

    const double delta = beamBends(span) ? std::abs(largestDeflection(span).value) : 0.0;
    checks.spanOverDeflection = delta > 0 ? span.L / delta : INFINITY;
    return checks;
}

} // namespace tavrel
