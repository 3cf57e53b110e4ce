// What an engineer checks beside the rated life of a deep-groove ball
// bearing: the static load against the static rating, the life by the
// catalogue method for comparison, and loads the load-factor table is not
// meant for. Pure: no Qt, no window.
#pragma once

#include "core/bearing/bearing_calc.h"

namespace tavrel
{

// The static equivalent radial load P0 = max(0.6·Fr + 0.5·Fa, Fr) (ISO 76
// and JIS B 1519, single-row deep-groove ball bearings: X0 = 0.6,
// Y0 = 0.5) and the static safety factor s0 = Cor/P0.
struct BearingStatic {
    double P0, s0;
};
BearingStatic staticCheck(const BearingInput &in);

// e and Y of ISO 281's table for single-row deep-groove ball bearings of
// normal clearance, interpolated linearly on Fa/C0r between its rows and
// held at the first and last row outside them. The table keys its rows by
// f0·Fa/C0r, 0.172 to 6.89; with f0 = 12.3 (JTEKT's catalogue, which
// prints the rows so) they fall at Fa/C0r = 0.014 to 0.56.
struct IsoFactors {
    double e, Y;
};
IsoFactors isoFactors(double faOverC0r);
inline constexpr double kIsoF0 = 12.3;
double isoFirstRow(); // Fa/C0r of the table's first and last rows
double isoLastRow();
inline constexpr double kIsoX = 0.56;

// The life by the catalogue method, as a reference beside the tab's table:
// X and Y by ISO 281 (X = 1, Y = 0 where Fa/Fr is not above e), P, the life
// in hours and in days of 24 hours, and the tab's P against it (its P over
// this P, less 1; a positive difference is a shorter, safer life).
struct BearingReference {
    double faOverC0r, e, X, Y, P, Lh, days;
    double loadDifference;
};
BearingReference catalogueReference(const BearingInput &in, const BearingResult &tab);

// Loads the table of the tab is not meant for.
struct BearingWarnings {
    bool axialBeyondHalfStatic; // Fa/C0r above 0.5: more axial load than a deep-groove bearing is chosen for
    bool ratioBelowFirstKey;    // Cor/Fa below 5, the first key: the first row's factors are used beyond it
};
BearingWarnings bearingWarnings(const BearingInput &in);

inline constexpr double kAxialShareOfStaticLimit = 0.5;
inline constexpr double kFirstKey = 5;

} // namespace tavrel
