#include "core/hertz/hertz_checks.h"

#include <cmath>

namespace tavrel
{

namespace
{

double vonMises(double s1, double s2, double s3)
{
    return std::sqrt(((s1 - s2) * (s1 - s2) + (s2 - s3) * (s2 - s3) + (s3 - s1) * (s3 - s1)) / 2);
}

double vonMisesOnAxis(ContactKind kind, double nu, double z)
{
    const AxisStresses s = axisStresses(kind, nu, z);
    const double third = kind == ContactKind::CylinderOnPlane ? nu * (s.sigmaR + s.sigmaZ) : s.sigmaR;
    return vonMises(s.sigmaZ, s.sigmaR, third);
}

} // namespace

ContactSmallness contactSmallness(ContactKind kind, const HertzInput &in, double contactSize)
{
    const double overR1 = contactSize / in.R1;
    const std::optional<double> overR2 =
        kind == ContactKind::SphereOnSphere ? std::optional(contactSize / std::abs(in.size2)) : std::nullopt;
    return {overR1, overR2, overR1 <= kSmallContact && overR2.value_or(0) <= kSmallContact};
}

ShearPeak largestVonMises(ContactKind kind, double nu, double depth)
{
    const auto f = [=](double z) { return vonMisesOnAxis(kind, nu, z); };
    const double z = placeOfLargest(f, 0, depth);
    return {z, f(z)};
}

} // namespace tavrel
