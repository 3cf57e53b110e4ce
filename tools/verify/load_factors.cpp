#include "tools/verify/load_factors.h"

#include "core/bearing/bearing_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace verify
{

namespace
{

constexpr double kX = tavrel::kIsoX;

// Below this the program's P is taken as smaller than ISO's: a relative
// margin for the rounding of the two sums.
constexpr double kUnsafeBelow = 1 - 1e-12;

// The program takes its last row above Cor/Fa = 60; below Cor/Fa = 5 its
// first.
constexpr double kProgramLastKey = 60, kProgramFirstKey = 5;

// The smallest ratio over the axial shares at one Cor/Fa, and the run of
// shares where the ratio falls below 1.
struct Column {
    LoadPoint smallest{0, 0, INFINITY};
    double fromShare = INFINITY, toShare = -INFINITY;
};

double at(const Axis &axis, long i)
{
    return axis.from + static_cast<double>(i) * axis.step;
}

long count(const Axis &axis)
{
    return std::lround((axis.to - axis.from) / axis.step) + 1;
}

void extendUnsafe(std::vector<UnsafeRange> &ranges, bool continues, double corOverFa, const Column &column)
{
    if (!continues) {
        ranges.push_back({corOverFa, corOverFa, column.fromShare, column.toShare, column.smallest});
        return;
    }
    UnsafeRange &range = ranges.back();
    range.toCorOverFa = corOverFa;
    range.fromShare = std::min(range.fromShare, column.fromShare);
    range.toShare = std::max(range.toShare, column.toShare);
    if (column.smallest.ratio < range.worst.ratio)
        range.worst = column.smallest;
}

Column columnAt(double corOverFa, const Axis &share, Comparison &result)
{
    Column column;
    for (long j = 0; j < count(share); ++j) {
        const double s = std::min(at(share, j), 1.0);
        const LoadPoint point{corOverFa, s, programLoad(corOverFa, s) / isoLoad(corOverFa, s)};
        if (point.ratio > result.largest.ratio)
            result.largest = point;
        if (point.ratio < result.smallest.ratio)
            result.smallest = point;
        if (point.ratio < column.smallest.ratio)
            column.smallest = point;
        if (point.ratio < kUnsafeBelow) {
            column.fromShare = std::min(column.fromShare, s);
            column.toShare = std::max(column.toShare, s);
        }
    }
    return column;
}

} // namespace

double faOverFr(double axialShare)
{
    return axialShare >= 1 ? INFINITY : axialShare / (1 - axialShare);
}

double isoLoad(double corOverFa, double axialShare)
{
    const LoadFactors f = isoFactors(1 / corOverFa);
    const double Fr = 1 - axialShare, Fa = axialShare;
    return faOverFr(axialShare) > f.e ? kX * Fr + f.Y * Fa : Fr;
}

double programLoad(double corOverFa, double axialShare)
{
    // Without an axial load any positive Cor leaves P = Fr.
    const double Fr = 1 - axialShare, Fa = axialShare;
    const double Cor = Fa > 0 ? corOverFa * Fa : 1.0;
    return tavrel::computeBearingLife({1.0, Cor, 1.0, Fr, Fa}).P;
}

Comparison compareLoadFactors(const Axis &corOverFa, const Axis &share)
{
    Comparison result{{0, 0, -INFINITY}, {0, 0, INFINITY}, {}};
    bool previousUnsafe = false;
    for (long i = 0; i < count(corOverFa); ++i) {
        const double c = at(corOverFa, i);
        const Column column = columnAt(c, share, result);
        const bool unsafe = column.smallest.ratio < kUnsafeBelow;
        if (unsafe)
            extendUnsafe(result.unsafe, previousUnsafe, c, column);
        previousUnsafe = unsafe;
    }
    // Below the table's last row and the program's first key, and above
    // both tables' ends, neither method changes with Cor/Fa: a run that
    // reaches the grid's end there goes on without end.
    const double low = at(corOverFa, 0), high = at(corOverFa, count(corOverFa) - 1);
    for (UnsafeRange &range : result.unsafe) {
        range.openBelow = range.fromCorOverFa == low && low <= std::min(1 / isoLastRow(), kProgramFirstKey);
        range.openAbove = range.toCorOverFa == high && high >= std::max(1 / isoFirstRow(), kProgramLastKey);
    }
    return result;
}

} // namespace verify
