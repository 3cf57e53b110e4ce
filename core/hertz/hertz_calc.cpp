#include "core/hertz/hertz_calc.h"

#include "core/calc_error.h"

#include <cmath>

namespace tavrel
{

namespace
{

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kOneThird = 0.3333333333333333;

HertzResult sphereOnSphere(const HertzInput &in, double H)
{
    const double R = combinedRadius(in);
    // The general power function, not a cube root. Inputs without a fault
    // give a positive base: R and H are positive, a seat being larger than
    // the ball.
    const double a = std::pow(3 * in.P * R * H * 0.5, kOneThird);
    const double delta = a * a / R;
    const double pMax = 3 * in.P / (kTwoPi * a * a);
    const double sigmaR = static_cast<double>((1 - 2 * in.nu1) * (1.0L / 3) * pMax);
    const double tau = 0.31 * pMax;
    requireFinite({a, delta, pMax, sigmaR, tau});
    return {a, pMax, pMax, delta, tau, sigmaR};
}

HertzResult cylinderOnPlane(const HertzInput &in, double H)
{
    const double q = lineLoad(in);
    const double b = std::sqrt(8 * in.R1 * H * q / kPi);
    const double pMax = 2 * q / (kPi * b);
    HertzResult result{b, pMax, -pMax, std::nullopt, std::nullopt, std::nullopt};
    // Exact comparisons: "0.3" typed in a box reads as exactly this double.
    const bool sameMaterial = in.E1 == in.E2 && in.nu1 == 0.3 && in.nu2 == 0.3;
    if (sameMaterial) {
        result.approach =
            (2 * q * (1 - in.nu1 * in.nu1) / kPi / in.E1) * (std::log(4 * in.R1 / b) + kOneThird);
        result.tauMax = 0.301 * pMax;
        requireFinite({*result.approach, *result.tauMax});
    }
    requireFinite({b, pMax});
    return result;
}

} // namespace

double compoundCompliance(const HertzInput &in)
{
    return ((1 - in.nu1 * in.nu1) / in.E1 + (1 - in.nu2 * in.nu2) / in.E2) * 0.5;
}

double combinedRadius(const HertzInput &in)
{
    return in.R1 * in.size2 / (in.R1 + in.size2);
}

double lineLoad(const HertzInput &in)
{
    return in.P / in.size2;
}

std::optional<HertzFault> findHertzFault(ContactKind kind, const HertzInput &in)
{
    // Poisson's ratio of any stable isotropic material lies in −1 < ν ≤ 0.5.
    const auto possibleRatio = [](double nu) { return nu > -1.0 && nu <= 0.5; };
    if (!(in.R1 > 0.0))
        return HertzFault::RadiusNotPositive;
    if (!(in.P > 0.0))
        return HertzFault::LoadNotPositive;
    if (!(in.E1 > 0.0))
        return HertzFault::Modulus1NotPositive;
    if (!(in.E2 > 0.0))
        return HertzFault::Modulus2NotPositive;
    if (!possibleRatio(in.nu1))
        return HertzFault::Poisson1OutOfRange;
    if (!possibleRatio(in.nu2))
        return HertzFault::Poisson2OutOfRange;
    if (kind == ContactKind::CylinderOnPlane)
        return in.size2 > 0.0 ? std::nullopt : std::optional(HertzFault::WidthNotPositive);
    if (in.size2 == 0.0)
        return HertzFault::SecondRadiusZero;
    // A seat must be larger than the ball in it; R1 + R2 = 0 is the limit.
    if (in.size2 < 0.0 && -in.size2 <= in.R1)
        return HertzFault::SeatNotLarger;
    return std::nullopt;
}

HertzResult computeHertz(ContactKind kind, const HertzInput &in)
{
    const double H = compoundCompliance(in);
    return kind == ContactKind::SphereOnSphere ? sphereOnSphere(in, H) : cylinderOnPlane(in, H);
}

} // namespace tavrel
