#include "diagram/ticks.h"

#include <cmath>

namespace tavrel
{

namespace
{

// Beyond these magnitudes a label is written in powers of ten.
constexpr double kLargest = 1e6;
constexpr double kSmallestStep = 1e-3;

// The step of 1, 2 or 5 times a power of ten nearest to `raw` (by ratio).
double roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double best = power;
    for (double factor : {2.0, 5.0, 10.0}) {
        if (std::abs(std::log(factor * power / raw)) < std::abs(std::log(best / raw)))
            best = factor * power;
    }
    return best;
}

// "10⁶", "10⁻²".
QString powerOfTen(int exponent)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = QStringLiteral("10");
    if (exponent < 0)
        text += QStringLiteral("⁻");
    for (QChar digit : QString::number(std::abs(exponent)))
        text += superscripts.at(digit.digitValue());
    return text;
}

} // namespace

QString tickLabel(double value, double step)
{
    if (std::abs(value) < step * 1e-6)
        return QStringLiteral("0");
    if (std::abs(value) >= kLargest || step < kSmallestStep) {
        // Mantissa with the digits the step needs, exponent without padding.
        const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
        const double mantissa = value / std::pow(10.0, exponent);
        const int digits = std::max(0, exponent - static_cast<int>(std::floor(std::log10(step))));
        QString text = QString::number(mantissa, 'f', std::min(digits, 6));
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
        return text + QStringLiteral("e%1").arg(exponent);
    }
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return QString::number(value, 'f', decimals);
}

std::vector<Tick> linearTicks(double lo, double hi, int most)
{
    std::vector<Tick> ticks;
    if (!(hi > lo) || most < 1)
        return ticks;
    const double step = roundStep((hi - lo) / most);
    for (double n = std::ceil(lo / step - 1e-9); n * step <= hi + step * 1e-9; ++n) {
        const double value = n * step;
        ticks.push_back({value, tickLabel(value, step)});
    }
    return ticks;
}

std::vector<Tick> logTicks(double lo, double hi)
{
    std::vector<Tick> ticks;
    if (!(lo > 0) || !(hi > lo))
        return ticks;
    const int first = static_cast<int>(std::floor(std::log10(lo) + 1e-9));
    const int last = static_cast<int>(std::ceil(std::log10(hi) - 1e-9));
    // Decades written out while short, else all as powers of ten.
    const bool powers = first < -3 || last > 5;
    for (int decade = first; decade <= last; ++decade) {
        const double power = std::pow(10.0, decade);
        for (int factor = 1; factor <= 9; ++factor) {
            const double value = factor * power;
            if (value < lo * (1 - 1e-9) || value > hi * (1 + 1e-9))
                continue;
            ticks.push_back({value, factor > 1 ? QString()
                                    : powers   ? powerOfTen(decade)
                                               : tickLabel(value, power)});
        }
    }
    return ticks;
}

} // namespace tavrel
