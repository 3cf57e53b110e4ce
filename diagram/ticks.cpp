#include "diagram/ticks.h"

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

// Beyond these magnitudes a label is written in powers of ten.
constexpr double kLargest = 1e6;
constexpr double kSmallestStep = 1e-3;
// The finest step an axis takes: a few of the smallest steps between
// doubles, so that the power of ten below it is still above 0.
constexpr double kFinestStep = 1e-323;
// The digits with which a value's exponent is read: enough that a tick a
// rounding away from a power of ten counts as that power.
constexpr int kExponentDigits = 14;

// The step of 1, 2 or 5 times a power of ten nearest to `raw` (by ratio),
// among those a double holds.
double roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double best = power;
    for (double factor : {2.0, 5.0, 10.0}) {
        const double step = factor * power;
        if (std::isfinite(step) && std::abs(std::log(step / raw)) < std::abs(std::log(best / raw)))
            best = step;
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

// The value in scientific form with `digits` decimals, rounded as a decimal
// (subnormal values too): mantissa and exponent. Never from a logarithm,
// which has no value at 0 and may land on the wrong side of a power of ten.
std::pair<QString, int> scientific(double value, int digits)
{
    const QString text = QString::number(value, 'e', digits);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    return {text.left(e), text.mid(e + 1).toInt()};
}

int exponentOf(double value)
{
    return scientific(value, kExponentDigits).second;
}

} // namespace

QString tickLabel(double value, double step)
{
    if (value == 0 || (step > 0 && std::abs(value / step) < 1e-6))
        return QStringLiteral("0");
    const int stepExponent = step > 0 && std::isfinite(step) ? exponentOf(step) : exponentOf(value);
    if (std::abs(value) < kLargest && step >= kSmallestStep)
        return QString::number(value, 'f', std::max(0, -stepExponent));
    // Mantissa with the digits the step needs, exponent without padding.
    auto [mantissa, exponent] = scientific(value, std::clamp(exponentOf(value) - stepExponent, 0, 6));
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
    }
    return mantissa + QStringLiteral("e%1").arg(exponent);
}

std::vector<Tick> linearTicks(double lo, double hi, int most)
{
    std::vector<Tick> ticks;
    if (!(hi > lo) || most < 1 || !std::isfinite(lo) || !std::isfinite(hi))
        return ticks;
    // The span may be beyond a double where the two ends are not.
    const auto raw = static_cast<double>((static_cast<long double>(hi) - lo) / most);
    const double step = roundStep(std::max(raw, kFinestStep));
    for (double n = std::ceil(lo / step - 1e-9); n * step <= hi + step * 1e-9; ++n) {
        const double value = n * step;
        if (std::isfinite(value))
            ticks.push_back({value, tickLabel(value, step)});
    }
    return ticks;
}

std::vector<Tick> logTicks(double lo, double hi)
{
    std::vector<Tick> ticks;
    if (!(lo > 0) || !(hi > lo) || !std::isfinite(hi))
        return ticks;
    const int first = static_cast<int>(std::floor(std::log10(lo) + 1e-9));
    const int last = static_cast<int>(std::ceil(std::log10(hi) - 1e-9));
    // Decades written out while short, else all as powers of ten.
    const bool powers = first < -3 || last > 5;
    for (int decade = first; decade <= last; ++decade) {
        const double power = std::pow(10.0, decade);
        for (int factor = 1; factor <= 9; ++factor) {
            const double value = factor * power;
            if (!std::isfinite(value) || value < lo * (1 - 1e-9) || value > hi * (1 + 1e-9))
                continue;
            ticks.push_back({value, factor > 1 ? QString()
                                    : powers   ? powerOfTen(decade)
                                               : tickLabel(value, power)});
        }
    }
    return ticks;
}

} // namespace tavrel
