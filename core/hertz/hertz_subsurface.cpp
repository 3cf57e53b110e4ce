#include "core/hertz/hertz_subsurface.h"

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

constexpr double kPi = 3.141592653589793;

// Chords per curve. The stresses below the surface are smooth functions of
// the depth with second derivatives of order one (in units of p_max and
// the contact size); over three contact sizes this many chords stay within
// a hundred-thousandth of p_max of them.
constexpr int kSegments = 600;

// The roller's three principal stresses on the axis: σx, σy = ν1·(σx + σz)
// (plane strain) and σz.
struct RollerStresses {
    double sigmaX, sigmaY, sigmaZ;
};

RollerStresses rollerStresses(double nu1, double z)
{
    const double root = std::sqrt(1 + z * z);
    const double sigmaZ = -1 / root;
    const double sigmaX = -((1 + 2 * z * z) / root - 2 * z);
    return {sigmaX, nu1 * (sigmaX + sigmaZ), sigmaZ};
}

double outOfPlaneShear(double nu1, double z)
{
    const RollerStresses s = rollerStresses(nu1, z);
    return std::max(std::abs(s.sigmaY - s.sigmaZ), std::abs(s.sigmaY - s.sigmaX)) / 2;
}

} // namespace

double contactPressure(double r)
{
    return std::abs(r) < 1 ? std::sqrt(1 - r * r) : 0.0;
}

Curve pressureCurve(double reach)
{
    // Across the contact the pressure is the upper half of an ellipse:
    // drawn through evenly spaced angles, its chords hug it also at the
    // edges, where it falls vertically.
    Curve curve;
    if (reach > 1)
        curve.push_back({-reach, 0});
    for (int i = 0; i <= kSegments; ++i) {
        const double angle = kPi * i / kSegments;
        curve.push_back({-std::cos(angle), i == kSegments ? 0.0 : std::sin(angle)});
    }
    if (reach > 1)
        curve.push_back({reach, 0});
    return curve;
}

AxisStresses axisStresses(ContactKind kind, double nu1, double z)
{
    if (kind == ContactKind::CylinderOnPlane) {
        const RollerStresses s = rollerStresses(nu1, z);
        return {s.sigmaZ, s.sigmaX, std::abs(s.sigmaX - s.sigmaZ) / 2};
    }
    // On the axis σθ equals σr: with σz they are the principal stresses.
    const double sigmaZ = -1 / (1 + z * z);
    const double atanTerm = z == 0 ? 0.0 : z * std::atan(1 / z);
    const double sigmaR = -(1 + nu1) * (1 - atanTerm) + 1 / (2 * (1 + z * z));
    return {sigmaZ, sigmaR, std::abs(sigmaR - sigmaZ) / 2};
}

Curve axisStressCurve(ContactKind kind, double nu1, AxisStress which, double depth)
{
    return sampled(
        [=](double z) {
            const AxisStresses s = axisStresses(kind, nu1, z);
            return which == AxisStress::SigmaZ ? s.sigmaZ : which == AxisStress::SigmaR ? s.sigmaR : s.tau;
        },
        0, depth, kSegments);
}

ShearPeak largestShear(ContactKind kind, double nu1, double depth)
{
    const auto tau = [=](double z) { return axisStresses(kind, nu1, z).tau; };
    const double z = placeOfLargest(tau, 0, depth);
    return {z, tau(z)};
}

std::optional<ShearPeak> largerOutOfPlaneShear(double nu1, double depth)
{
    const auto shear = [=](double z) { return outOfPlaneShear(nu1, z); };
    const double z = placeOfLargest(shear, 0, depth);
    const ShearPeak inPlane = largestShear(ContactKind::CylinderOnPlane, nu1, depth);
    if (shear(z) <= inPlane.tau)
        return std::nullopt;
    return ShearPeak{z, shear(z)};
}

} // namespace tavrel
