// The rated life against the equivalent load, and the course of a press
// step by step, for drawing and for the text beside the drawing. Pure: no
// Qt, no window; the words are the window's.
#pragma once

#include "core/bearing/bearing_calc.h"
#include "core/curve.h"

namespace tavrel
{

// Lh against P from a tenth to ten times the pressed P. On log-log axes it
// is a straight line of slope −3.
Curve lifeCurve(const BearingResult &r);

// How a press came to its results: the load ratio that picks the table
// row, the axial share compared with the row's e, and the factors applied.
struct BearingCourse {
    double corOverFa;  // Cor/Fa; infinite without axial load
    double faOverFr;   // Fa/Fr
    bool axialCounts;  // Fa/Fr > e: the row's X and Y apply, else X = 1, Y = 0
    double rowX, rowY; // the row's factors, applied when the axial load counts
};
BearingCourse courseOf(const BearingInput &in, const BearingResult &r);

} // namespace tavrel
