#include "bearing/bearing_curve.h"

#include <cmath>

namespace tavrel
{

namespace
{

// Points per decade of P. The curve is straight on log-log axes; the points
// only carry it across the two decades.
constexpr int kPointsPerDecade = 16;

} // namespace

Curve lifeCurve(const BearingInput &in, const BearingResult &r)
{
    // Evenly spaced in log P, from P/10 to 10·P.
    Curve curve = sampled([](double decades) { return decades; }, -1, 1, 2 * kPointsPerDecade);
    for (CurvePoint &point : curve) {
        point.x = r.P * std::pow(10.0, point.x);
        point.y = ratedLife(in.Cr, point.x, in.n);
    }
    return curve;
}

BearingCourse courseOf(const BearingInput &in, const BearingResult &r)
{
    const LoadFactors row = loadFactorsFor(r.key);
    const double faOverFr = in.Fa / in.Fr;
    return {in.Cor / in.Fa, faOverFr, faOverFr > r.e, row.X, row.Y};
}

} // namespace tavrel
