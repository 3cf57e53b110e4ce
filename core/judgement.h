// A result against an allowable value: acceptable or not, and by how much.
// Pure: no Qt.
#pragma once

namespace tavrel
{

// acceptable: within the limit, the limit itself included; margin: how far
// the limit lies beyond the value as a fraction of the value (0.28 for a
// stress of 12.5 against 16), negative where the limit is exceeded.
struct Verdict {
    bool acceptable;
    double margin;
};

// A value that must not exceed `limit` (a stress, a deflection).
inline Verdict atMost(double value, double limit)
{
    return {value <= limit, limit / value - 1};
}

// A value that must reach at least `limit` (a life, a safety factor).
inline Verdict atLeast(double value, double limit)
{
    return {value >= limit, value / limit - 1};
}

} // namespace tavrel
