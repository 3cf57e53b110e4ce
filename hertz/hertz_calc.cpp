#include "hertz/hertz_calc.h"

#include "app/calc_error.h"

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
    // The general power function, not a cube root: a negative base (a
    // negative load) gives NaN, which is then refused below.
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

HertzResult computeHertz(ContactKind kind, const HertzInput &in)
{
    const double H = compoundCompliance(in);
    return kind == ContactKind::SphereOnSphere ? sphereOnSphere(in, H) : cylinderOnPlane(in, H);
}

} // namespace tavrel
