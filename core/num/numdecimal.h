// The decimal digits of a double, from which every shown number is built,
// and their rounding for display. Private to the showing of numbers.
#pragma once

namespace tavrel
{

// A finite value's decimal digits d0.d1d2... x 10^exp10 (no sign), held in
// a fixed buffer. Beyond the held digits every digit is 0.
struct Decimal {
    static constexpr int kMaxDigits = 18;

    bool negative = false;
    int count = 0; // digits held; 0 means zero
    int exp10 = 0;
    // std::to_chars's text "d.ddd...e±xx", its first digit then copied over
    // the point: the digits follow one another from chars[1] on, read where
    // they were written.
    char chars[32]{};

    char *digits() { return chars + 1; }
    const char *digits() const { return chars + 1; }
    char at(int i) const { return i >= 0 && i < count ? digits()[i] : '0'; }
};

// The value's decimal form at 18 significant digits, as std::to_chars
// gives it.
Decimal toDecimal(double value);

// Rounds half away from zero so that `keep` significant digits remain (keep
// may be zero or negative: the rounding position lies before the first
// digit), and drops trailing zeros. Near the largest double, where rounding
// up would give a number that no longer reads back, the digits are cut.
void roundForDisplay(Decimal &d, int keep);

} // namespace tavrel
