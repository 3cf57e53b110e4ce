#include "tools/verify/load_factors.h"

#include "bearing/bearing_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace verify
{

namespace
{

struct TableRow {
    double faOverC0, e, Y;
};

// Single-row deep-groove ball bearings, keyed by Fa/C0.
constexpr std::array kTable = {
    TableRow{0.014, 0.19, 2.30}, TableRow{0.021, 0.21, 2.15}, TableRow{0.028, 0.22, 1.99},
    TableRow{0.042, 0.24, 1.85}, TableRow{0.056, 0.26, 1.71}, TableRow{0.070, 0.27, 1.63},
    TableRow{0.084, 0.28, 1.55}, TableRow{0.110, 0.30, 1.45}, TableRow{0.17, 0.34, 1.31},
    TableRow{0.28, 0.38, 1.15},  TableRow{0.42, 0.42, 1.04},  TableRow{0.56, 0.44, 1.00},
};

constexpr double kX = 0.56;

// Below this the program's P is taken as smaller than the catalogue's: a
// relative margin for the rounding of the two sums.
constexpr double kUnsafeBelow = 1 - 1e-12;

// The smallest ratio over Fa/Fr at one Cor/Fa, and the Fa/Fr run where the
// ratio falls below 1.
struct Column {
    LoadPoint smallest{0, 0, INFINITY};
    double fromFaOverFr = INFINITY, toFaOverFr = -INFINITY;
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
        ranges.push_back({corOverFa, corOverFa, column.fromFaOverFr, column.toFaOverFr, column.smallest});
        return;
    }
    UnsafeRange &range = ranges.back();
    range.toCorOverFa = corOverFa;
    range.fromFaOverFr = std::min(range.fromFaOverFr, column.fromFaOverFr);
    range.toFaOverFr = std::max(range.toFaOverFr, column.toFaOverFr);
    if (column.smallest.ratio < range.worst.ratio)
        range.worst = column.smallest;
}

} // namespace

LoadFactors catalogueFactors(double faOverC0)
{
    if (faOverC0 <= kTable.front().faOverC0)
        return {kTable.front().e, kTable.front().Y};
    const auto upper = std::find_if(kTable.begin(), kTable.end(),
                                    [faOverC0](const TableRow &row) { return row.faOverC0 >= faOverC0; });
    if (upper == kTable.end())
        return {kTable.back().e, kTable.back().Y};
    const TableRow &lower = *(upper - 1);
    const double t = (faOverC0 - lower.faOverC0) / (upper->faOverC0 - lower.faOverC0);
    return {lower.e + t * (upper->e - lower.e), lower.Y + t * (upper->Y - lower.Y)};
}

double catalogueLoad(double corOverFa, double faOverFr)
{
    const LoadFactors f = catalogueFactors(1 / corOverFa);
    return faOverFr > f.e ? kX + f.Y * faOverFr : 1.0;
}

double programLoad(double corOverFa, double faOverFr)
{
    // Fr = 1; without an axial load any positive Cor leaves P = Fr.
    const double Fa = faOverFr;
    const double Cor = Fa > 0 ? corOverFa * Fa : 1.0;
    return tavrel::computeBearingLife({1.0, Cor, 1.0, 1.0, Fa}).P;
}

Comparison compareLoadFactors(const Axis &corOverFa, const Axis &faOverFr)
{
    Comparison result{{0, 0, -INFINITY}, {0, 0, INFINITY}, {}};
    bool previousUnsafe = false;
    for (long i = 0; i < count(corOverFa); ++i) {
        const double c = at(corOverFa, i);
        Column column;
        for (long j = 0; j < count(faOverFr); ++j) {
            const double f = at(faOverFr, j);
            const LoadPoint point{c, f, programLoad(c, f) / catalogueLoad(c, f)};
            if (point.ratio > result.largest.ratio)
                result.largest = point;
            if (point.ratio < result.smallest.ratio)
                result.smallest = point;
            if (point.ratio < column.smallest.ratio)
                column.smallest = point;
            if (point.ratio < kUnsafeBelow) {
                column.fromFaOverFr = std::min(column.fromFaOverFr, f);
                column.toFaOverFr = std::max(column.toFaOverFr, f);
            }
        }
        const bool unsafe = column.smallest.ratio < kUnsafeBelow;
        if (unsafe)
            extendUnsafe(result.unsafe, previousUnsafe, c, column);
        previousUnsafe = unsafe;
    }
    return result;
}

} // namespace verify
