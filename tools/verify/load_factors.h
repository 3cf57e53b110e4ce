// The bearing tab's load factors against ISO 281's table for single-row
// deep-groove ball bearings with normal clearance: e and Y interpolated
// linearly on Fa/C0r (X = 0.56 once Fa/Fr exceeds e), held at the first
// and last row outside the table. The program instead takes one row of its
// own table, keyed by Cor/Fa rounded up to a multiple of 5. Pure
// calculation: no Qt.
#pragma once

#include "core/bearing/bearing_checks.h"

#include <vector>

namespace verify
{

// ISO 281's table, as the bearing's reference figures read it.
using LoadFactors = tavrel::IsoFactors;
using tavrel::isoFactors;
using tavrel::isoFirstRow;
using tavrel::isoLastRow;
using tavrel::kIsoF0;

// The dynamic equivalent load per unit of the total load Fr + Fa, by ISO
// 281 and by the program, at Cor/Fa and the axial share Fa/(Fr + Fa)
// (0 a radial load, 1 a purely axial one).
double isoLoad(double corOverFa, double axialShare);
double programLoad(double corOverFa, double axialShare);

// Fa/Fr of an axial share; infinite for a purely axial load.
double faOverFr(double axialShare);

// A point of the comparison; ratio: the program's P over ISO 281's. The
// life ratio follows as 1 / ratio³.
struct LoadPoint {
    double corOverFa, axialShare, ratio;
};

// A run of Cor/Fa over which some axial share gives the program the smaller
// P, that is the longer (unsafe) life; worst: where its P is smallest.
// Open at an end where the run reaches the end of the compared range and
// both methods stay constant beyond it.
struct UnsafeRange {
    double fromCorOverFa, toCorOverFa;
    double fromShare, toShare; // the axial shares over which it happens
    LoadPoint worst;
    bool openBelow = false, openAbove = false;
};

struct Comparison {
    LoadPoint largest, smallest; // of the ratio over the whole grid
    std::vector<UnsafeRange> unsafe;
};

// Evenly spaced values from `from` to `to` (both included).
struct Axis {
    double from, to, step;
};

// Over Cor/Fa along `corOverFa` and the axial share along `share`.
Comparison compareLoadFactors(const Axis &corOverFa, const Axis &share);

} // namespace verify
