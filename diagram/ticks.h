// The ticks of a plot's axis and their labels: round steps of 1, 2 or 5
// times a power of ten on a linear axis, decades (and their 2 to 9 without
// labels) on a logarithmic one.
#pragma once

#include <QString>

#include <vector>

namespace tavrel
{

struct Tick {
    double value;
    QString label; // empty for a tick without a label
};

// About `most` labelled ticks between lo and hi, at a round step.
std::vector<Tick> linearTicks(double lo, double hi, int most);

// Decades between lo and hi (both positive), labelled; the values 2 to 9
// times each decade between them, unlabelled.
std::vector<Tick> logTicks(double lo, double hi);

// A tick's value as text, with as many decimals as the step needs:
// "0.25", "-1500", "2e-5", "1.5e6".
QString tickLabel(double value, double step);

} // namespace tavrel
