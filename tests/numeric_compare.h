// Comparing computed doubles with expected values in the calculation tests.
#pragma once

#include <QByteArray>

#include <cmath>

// True when actual lies within a relative tolerance of expected.
inline bool relClose(double actual, double expected, double tolerance = 1e-12)
{
    return std::abs(actual - expected) <= tolerance * std::abs(expected);
}

// Both values at full precision, for a failure message.
inline QByteArray mismatch(double actual, double expected)
{
    return "actual " + QByteArray::number(actual, 'g', 17) + ", expected " +
           QByteArray::number(expected, 'g', 17);
}
