// The bearing tab's load factors against the catalogue method: e and Y
// interpolated linearly on Fa/C0 in the deep-groove ball bearing table
// keyed by Fa/C0 (X = 0.56 once Fa/Fr exceeds e). The program instead
// takes one row of its own table, keyed by Cor/Fa rounded up to a multiple
// of 5. Pure calculation: no Qt.
#pragma once

#include <vector>

namespace verify
{

struct LoadFactors {
    double e, Y;
};

// e and Y at Fa/C0, linear between the table's rows and held at its first
// and last row outside them.
LoadFactors catalogueFactors(double faOverC0);

// The dynamic equivalent load per unit radial load, by the catalogue method
// and by the program, at the ratios Cor/Fa and Fa/Fr.
double catalogueLoad(double corOverFa, double faOverFr);
double programLoad(double corOverFa, double faOverFr);

// A point of the comparison; ratio: the program's P over the catalogue's.
// The life ratio follows as 1 / ratio³.
struct LoadPoint {
    double corOverFa, faOverFr, ratio;
};

// A run of Cor/Fa over which some Fa/Fr gives the program the smaller P,
// that is the longer (unsafe) life; worst: where its P is smallest.
struct UnsafeRange {
    double fromCorOverFa, toCorOverFa;
    double fromFaOverFr, toFaOverFr; // the Fa/Fr over which it happens
    LoadPoint worst;
};

struct Comparison {
    LoadPoint largest, smallest; // of the ratio over the whole grid
    std::vector<UnsafeRange> unsafe;
};

// Evenly spaced values from `from` to `to` (both included).
struct Axis {
    double from, to, step;
};

Comparison compareLoadFactors(const Axis &corOverFa, const Axis &faOverFr);

} // namespace verify
