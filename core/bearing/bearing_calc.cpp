#include "core/bearing/bearing_calc.h"

#include "core/calc_error.h"
#include "core/lookup.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrel
{

namespace
{

struct LoadFactorRow {
    std::int32_t key;
    double e; // Fa/Fr above this brings the axial load in
    double Y; // axial load factor used then
};

// Load factors of single-row deep-groove ball bearings by the load-ratio key.
constexpr std::array kLoadFactors = {
    LoadFactorRow{5, 0.35, 1.26},  LoadFactorRow{10, 0.29, 1.49}, LoadFactorRow{15, 0.27, 1.64},
    LoadFactorRow{20, 0.25, 1.76}, LoadFactorRow{25, 0.24, 1.85}, LoadFactorRow{30, 0.23, 1.92},
    LoadFactorRow{50, 0.20, 2.13}, LoadFactorRow{70, 0.19, 2.28},
};

// Radial load factor of every row, used together with the row's Y.
constexpr double kRowX = 0.56;

// Key of the last row, taken by every ratio beyond 60.
constexpr std::int32_t kLastRowKey = 70;

// Hours that 10^6 revolutions take at 1 r/min: the double nearest to
// 1 000 000 / 60.
constexpr double kMillionRevsHoursAtOneRpm = 16666.666666666668;

constexpr long double kOneTwentyFourth = 1.0L / 24;

// Cor/Fa rounded up to a multiple of 5, then clamped onto the keys of the
// table: 35 to 60 become 50, anything above 60 becomes 70. Cor is above
// zero and Fa not below.
std::int32_t loadRatioKey(double Cor, double Fa)
{
    // No axial load at all: the ratio is unbounded, so the last row applies
    // (its factors are not used, as Fa/Fr is then 0).
    if (Fa == 0.0)
        return kLastRowKey;

    // A positive ratio so tiny that ratio * 0.2 underflows to zero still
    // belongs to the first row. Beyond 60 the last row applies, also to a
    // multiple of 5 too large for a 32-bit key, or an infinite one, which
    // is therefore never converted.
    const double multipleOf5 = std::max(std::ceil(Cor / Fa * 0.2) * 5.0, 5.0);
    if (multipleOf5 > 60)
        return kLastRowKey;
    const auto key = static_cast<std::int32_t>(multipleOf5);
    return key > 30 ? 50 : key;
}

// Every key that loadRatioKey gives has its row.
const LoadFactorRow &rowFor(std::int32_t key)
{
    return rowOf(kLoadFactors, &LoadFactorRow::key, key);
}

} // namespace

std::optional<BearingFault> findBearingFault(const BearingInput &in)
{
    if (!(in.n > 0.0))
        return BearingFault::SpeedNotPositive;
    if (!(in.Cor > 0.0))
        return BearingFault::StaticRatingNotPositive;
    if (!(in.Cr > 0.0))
        return BearingFault::DynamicRatingNotPositive;
    if (in.Fr < 0.0)
        return BearingFault::RadialLoadNegative;
    if (in.Fa < 0.0)
        return BearingFault::AxialLoadNegative;
    if (in.Fr == 0.0 && in.Fa == 0.0)
        return BearingFault::NoLoad;
    return std::nullopt;
}

double ratedLife(double Cr, double P, double n)
{
    return std::pow(Cr / P, 3.0) * (kMillionRevsHoursAtOneRpm / n);
}

LoadFactors loadFactorsFor(std::int32_t key)
{
    const LoadFactorRow &row = rowFor(key);
    return {row.e, kRowX, row.Y};
}

BearingResult computeBearingLife(const BearingInput &in)
{
    BearingResult r{};
    r.key = loadRatioKey(in.Cor, in.Fa);
    const LoadFactorRow &row = rowFor(r.key);
    r.e = row.e;

    // The axial load counts only when its share is strictly above e (with no
    // radial load, always); a tie leaves the radial load alone.
    const double axialShare = in.Fa / in.Fr;
    if (axialShare > row.e) {
        r.X = kRowX;
        r.Y = row.Y;
    } else {
        r.X = 1.0;
        r.Y = 0.0;
    }

    r.P = r.X * in.Fr + r.Y * in.Fa;
    r.Lh = ratedLife(in.Cr, r.P, in.n);
    r.days = static_cast<double>(r.Lh * kOneTwentyFourth);

    requireFinite({r.P, r.Lh, r.days});
    return r;
}

} // namespace tavrel
