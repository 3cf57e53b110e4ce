#include "core/bearing/bearing_checks.h"

#include <algorithm>
#include <array>

namespace tavrel
{

namespace
{

struct IsoRow {
    double f0FaOverC0r, e, Y;
};

// ISO 281:2007, X and Y of radial ball bearings: single-row deep-groove ball bearings,
// normal clearance.
constexpr std::array kIsoTable = {
    IsoRow{0.172, 0.19, 2.30}, IsoRow{0.345, 0.22, 1.99}, IsoRow{0.689, 0.26, 1.71},
    IsoRow{1.03, 0.28, 1.55},  IsoRow{1.38, 0.30, 1.45},  IsoRow{2.07, 0.34, 1.31},
    IsoRow{3.45, 0.38, 1.15},  IsoRow{5.17, 0.42, 1.04},  IsoRow{6.89, 0.44, 1.00},
};

} // namespace

BearingStatic staticCheck(const BearingInput &in)
{
    const double P0 = std::max(0.6 * in.Fr + 0.5 * in.Fa, in.Fr);
    return {P0, in.Cor / P0};
}

double isoFirstRow()
{
    return kIsoTable.front().f0FaOverC0r / kIsoF0;
}

double isoLastRow()
{
    return kIsoTable.back().f0FaOverC0r / kIsoF0;
}

IsoFactors isoFactors(double faOverC0r)
{
    const double key = kIsoF0 * faOverC0r;
    const auto upper = std::find_if(kIsoTable.begin(), kIsoTable.end(),
                                    [key](const IsoRow &row) { return row.f0FaOverC0r >= key; });
    if (upper == kIsoTable.begin())
        return {upper->e, upper->Y};
    if (upper == kIsoTable.end())
        return {kIsoTable.back().e, kIsoTable.back().Y};
    const IsoRow &lower = *(upper - 1);
    const double t = (key - lower.f0FaOverC0r) / (upper->f0FaOverC0r - lower.f0FaOverC0r);
    return {lower.e + t * (upper->e - lower.e), lower.Y + t * (upper->Y - lower.Y)};
}

BearingReference catalogueReference(const BearingInput &in, const BearingResult &tab)
{
    BearingReference r{};
    r.faOverC0r = in.Fa / in.Cor;
    const IsoFactors f = isoFactors(r.faOverC0r);
    r.e = f.e;
    // As the tab does: the axial load counts only where Fa/Fr is above e,
    // always where there is no radial load.
    const bool axialCounts = in.Fa > 0 && (in.Fr == 0 || in.Fa / in.Fr > f.e);
    r.X = axialCounts ? kIsoX : 1.0;
    r.Y = axialCounts ? f.Y : 0.0;
    r.P = r.X * in.Fr + r.Y * in.Fa;
    r.Lh = ratedLife(in.Cr, r.P, in.n);
    r.days = r.Lh / 24;
    r.loadDifference = tab.P / r.P - 1;
    return r;
}

BearingWarnings bearingWarnings(const BearingInput &in)
{
    return {in.Fa > kAxialShareOfStaticLimit * in.Cor, in.Fa > 0 && in.Cor < kFirstKey * in.Fa};
}

} // namespace tavrel
