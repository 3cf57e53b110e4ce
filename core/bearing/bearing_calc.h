// Rated fatigue life of a single-row deep-groove ball bearing. Pure
// calculation: no Qt, no window.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel
{

// Speed n in r/min, static and dynamic load ratings Cor and Cr, radial and
// axial loads Fr and Fa, all in kgf.
struct BearingInput {
    double n, Cor, Cr, Fr, Fa;
};

// key: Cor/Fa rounded up to a multiple of 5 and clamped to a table row;
// e: the row's judgement value; X, Y: the load factors applied;
// P: dynamic equivalent load (kgf); Lh: rated life in hours; days: Lh / 24.
struct BearingResult {
    std::int32_t key;
    double e, X, Y, P, Lh, days;
};

// Inputs that describe no running bearing, refused before anything is
// computed.
enum class BearingFault {
    SpeedNotPositive,         // n is zero or negative
    StaticRatingNotPositive,  // Cor is zero or negative
    DynamicRatingNotPositive, // Cr is zero or negative
    RadialLoadNegative,       // Fr below zero
    AxialLoadNegative,        // Fa below zero
    NoLoad,                   // Fr and Fa both zero
};

// The row of the load-factor table for a load-ratio key that a press gave
// (5, 10, 15, 20, 25, 30, 50 or 70): its e, and the X and Y that apply when
// Fa/Fr > e.
struct LoadFactors {
    double e, X, Y;
};
LoadFactors loadFactorsFor(std::int32_t key);

// The rated life in hours at speed n (r/min) under the equivalent load P
// for the dynamic rating Cr: (Cr/P)³ · 10⁶ / (60·n).
double ratedLife(double Cr, double P, double n);

// The first fault of the inputs, in the order in which the boxes are read,
// if any.
std::optional<BearingFault> findBearingFault(const BearingInput &in);

// For inputs without a fault. Throws CalcError when P, Lh or the days would
// not be finite.
BearingResult computeBearingLife(const BearingInput &in);

} // namespace tavrel
