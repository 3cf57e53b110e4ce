#include "core/bearing/bearing_curve.h"

#include <cmath>

namespace tavrel
{

namespace
{

// Points per decade of P. The curve is straight on log-log axes; the points
// only carry it across the two decades.
constexpr int kPointsPerDecade = 16;

} // namespace

Curve lifeCurve(const BearingResult &r)
{
    // Evenly spaced in log P, from P/10 to 10·P. The life goes with the
    // cube of Cr/P: scaled from the pressed point, it stays within a double
    // wherever the life itself does ((Cr/P)³ alone may not).
    Curve curve = sampled([](double decades) { return decades; }, -1, 1, 2 * kPointsPerDecade);
    for (CurvePoint &point : curve) {
        const double decades = point.x;
        point.x = r.P * std::pow(10.0, decades);
        point.y = r.Lh * std::pow(10.0, -3 * decades);
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
