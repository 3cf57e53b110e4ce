// Curves for drawing, as points, and the search for a curve's largest value.
// No Qt here: the curves beside each calculation build and run without any
// window.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavrel
{

struct CurvePoint {
    double x, y;
};
using Curve = std::vector<CurvePoint>;

// f at `segments` + 1 evenly spaced points from x0 to x1, both ends exact.
template <typename F> void appendSampled(Curve &curve, F f, double x0, double x1, int segments)
{
    for (int i = 0; i <= segments; ++i) {
        const double x = i == segments ? x1 : x0 + (x1 - x0) * i / segments;
        curve.push_back({x, f(x)});
    }
}

template <typename F> Curve sampled(F f, double x0, double x1, int segments)
{
    Curve curve;
    curve.reserve(static_cast<std::size_t>(segments) + 1);
    appendSampled(curve, f, x0, x1, segments);
    return curve;
}

// The place of the largest value of f on [lo, hi]. A coarse scan finds the
// stretch that holds the largest value (f need not be single-peaked over the
// whole range); golden-section search then narrows that stretch until it
// is as narrow as doubles allow.
template <typename F> double placeOfLargest(F f, double lo, double hi)
{
    constexpr int kScan = 64;
    int best = 0;
    double bestValue = f(lo);
    for (int i = 1; i <= kScan; ++i) {
        const double value = f(lo + (hi - lo) * i / kScan);
        if (value > bestValue) {
            best = i;
            bestValue = value;
        }
    }
    double a = lo + (hi - lo) * std::max(best - 1, 0) / kScan;
    double b = lo + (hi - lo) * std::min(best + 1, kScan) / kScan;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 200 && c < d; ++i) {
        if (fc >= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - ratio * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + ratio * (b - a);
            fd = f(d);
        }
    }
    const double inside = (a + b) / 2;
    // A largest value at an end of the range stays there.
    if (f(lo) >= f(inside))
        return lo;
    return f(hi) > f(inside) ? hi : inside;
}

} // namespace tavrel
