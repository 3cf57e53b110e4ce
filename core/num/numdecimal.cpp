#include "core/num/numdecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavrel
{

namespace
{

void dropTrailingZeros(Decimal &d)
{
    while (d.count > 0 && d.digits()[d.count - 1] == '0')
        --d.count;
}

// Adds one unit in the last held digit. When every digit was a 9 (or none
// was held: half a unit rounded up) the value becomes the next power of ten.
void carry(Decimal &d)
{
    int i = d.count - 1;
    while (i >= 0 && d.digits()[i] == '9')
        d.digits()[i--] = '0';
    if (i >= 0) {
        ++d.digits()[i];
        return;
    }
    d.digits()[0] = '1';
    d.count = 1;
    ++d.exp10;
}

void roundToSignificant(Decimal &d, int keep)
{
    if (d.count == 0)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    if (keep < d.count) {
        const bool up = d.digits()[keep] >= '5';
        d.count = keep;
        if (up)
            carry(d);
    }
    dropTrailingZeros(d);
}

// True when the decimal value lies beyond the largest double.
bool exceedsLargestDouble(const Decimal &d)
{
    static const Decimal largest = toDecimal(std::numeric_limits<double>::max());
    if (d.count == 0 || d.exp10 != largest.exp10)
        return d.count != 0 && d.exp10 > largest.exp10;
    for (int i = 0; i < Decimal::kMaxDigits; ++i) {
        if (d.at(i) != largest.at(i))
            return d.at(i) > largest.at(i);
    }
    return false;
}

// Rounds as roundToSignificant does, unless the result would lie beyond
// the largest double: then the digits are cut instead, so that the shown
// number still reads back (the next press would refuse its box otherwise).
// Only numbers from 1e308 on come here. Kept out of line: its copy of the
// digits would otherwise give every rounding a stack frame.
[[gnu::cold, gnu::noinline]] void roundNearLargest(Decimal &d, int keep)
{
    Decimal rounded = d;
    roundToSignificant(rounded, keep);
    if (exceedsLargestDouble(rounded)) {
        d.count = std::min(d.count, std::max(keep, 0));
        dropTrailingZeros(d);
    } else {
        d = rounded;
    }
}

} // namespace

Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    // The first digit, the point, 17 digits, then 'e', the exponent's sign
    // and at least two digits of it.
    const char *end =
        std::to_chars(d.chars, d.chars + sizeof d.chars, std::fabs(value), std::chars_format::scientific, 17)
            .ptr;
    d.chars[1] = d.chars[0];
    d.count = Decimal::kMaxDigits;
    const char *sign = d.chars + Decimal::kMaxDigits + 2;
    for (const char *p = sign + 1; p < end; ++p)
        d.exp10 = d.exp10 * 10 + (*p - '0');
    if (*sign == '-')
        d.exp10 = -d.exp10;
    return d;
}

void roundForDisplay(Decimal &d, int keep)
{
    // Below 1e308 no rounding can pass the largest double.
    if (d.exp10 < 308)
        roundToSignificant(d, keep);
    else
        roundNearLargest(d, keep);
}

} // namespace tavrel
