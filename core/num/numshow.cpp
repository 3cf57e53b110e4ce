// Showing a number: a value's digits placed by a format pattern, or the
// shortest general form. The digits come from one std::to_chars call
// (numdecimal.h), a pattern is parsed once (numpattern.h), and the text is
// written once, straight into its string.
#include "core/num/numdecimal.h"
#include "core/num/numpattern.h"
#include "core/num/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tavrel
{

namespace
{

using Kind = PatternToken::Kind;

// A run of shown digits: digit k of the run is digit k + shift of the
// decimal, so a run that starts before the decimal's first digit starts
// with zeros.
struct DigitRun {
    int length = 0;
    int shift = 0;
};

// What a pattern's placeholders show: the integer digits, the decimals
// (trailing zeros beyond the required ones dropped), and the exponent of
// the scientific form.
struct Placement {
    DigitRun integer, fraction;
    int exponent = 0;
    bool negative = false;
};

// The run's length once trailing zeros beyond `required` digits are dropped.
int trimmedLength(const Decimal &d, DigitRun run, int required)
{
    while (run.length > required && d.at(run.length - 1 + run.shift) == '0')
        --run.length;
    return run.length;
}

char *copy(std::string_view text, char *out)
{
    for (const char c : text)
        *out++ = c;
    return out;
}

// Writes digits `from` to `to` (not included) of a run.
char *copyRun(const Decimal &d, DigitRun run, int from, int to, char *out)
{
    for (int k = from; k < to; ++k)
        *out++ = d.at(k + run.shift);
    return out;
}

// The exponent's sign ('-', or '+' where the pattern always signs it) and
// its digits, padded with zeros to the pattern's count.
char *writeExponent(const Pattern &pat, int exponent, char *out)
{
    if (exponent < 0)
        *out++ = '-';
    else if (pat.expAlwaysSigned)
        *out++ = '+';
    char digits[12];
    const char *end = std::to_chars(digits, digits + sizeof digits, std::abs(exponent)).ptr;
    const int count = static_cast<int>(end - digits);
    for (int i = count; i < pat.expDigits; ++i)
        *out++ = '0';
    return copy({digits, static_cast<std::size_t>(count)}, out);
}

// Writes the pattern's tokens with the placed digits. The integer digits
// fill the integer placeholders from the right; those beyond them go with
// the first. The minus sign goes directly before the first digit (or the
// point when no integer digit is shown), after any leading literal. A
// pattern without integer placeholders shows its integer digits first of all.
char *place(const Pattern &pat, const Decimal &d, const Placement &pl, char *out)
{
    bool signPending = pl.negative;
    auto sign = [&] {
        if (signPending) {
            *out++ = '-';
            signPending = false;
        }
    };
    if (pat.intPlaceholders == 0)
        out = copyRun(d, pl.integer, 0, pl.integer.length, out);
    const int extra = pl.integer.length - pat.intPlaceholders;
    for (const PatternToken &t : pat.tokens) {
        switch (t.kind) {
        case Kind::Literal:
            out = copy(t.text, out);
            break;
        case Kind::IntDigits: {
            const int from = t.first == 0 ? 0 : std::max(0, extra + t.first), to = extra + t.first + t.count;
            if (from < to) {
                sign();
                out = copyRun(d, pl.integer, from, to, out);
            }
            break;
        }
        case Kind::Point:
            if (pl.fraction.length > 0) {
                sign();
                *out++ = '.';
            }
            break;
        case Kind::FracDigits:
            out = copyRun(d, pl.fraction, t.first, std::min(t.first + t.count, pl.fraction.length), out);
            break;
        case Kind::Exponent:
            out = writeExponent(pat, pl.exponent, copy(t.text, out));
            break;
        }
    }
    return out;
}

// The longest text a placement can give: the literals, every digit, the
// sign, the point, and the exponent's sign and digits.
std::size_t longest(const Pattern &pat, const Placement &pl)
{
    int exponentDigits = 1;
    for (int rest = std::abs(pl.exponent); rest >= 10; rest /= 10)
        ++exponentDigits;
    return static_cast<std::size_t>(pat.literalBytes + pl.integer.length + pl.fraction.length + 2 +
                                    (pat.scientific ? 1 + std::max(pat.expDigits, exponentDigits) : 0));
}

// Rounds the decimal for a fixed pattern and says what its placeholders
// show.
Placement fixedPlacement(const Pattern &pat, Decimal &d)
{
    roundForDisplay(d, d.exp10 + 1 + pat.fracPlaceholders);
    const int valueDigits = d.count == 0 || d.exp10 < 0 ? 0 : d.exp10 + 1;
    const int zeros = std::max(0, pat.intRequired - valueDigits);
    Placement pl;
    pl.integer = {valueDigits + zeros, -zeros};
    pl.fraction = {pat.fracPlaceholders, d.exp10 + 1};
    pl.fraction.length = trimmedLength(d, pl.fraction, pat.fracRequired);
    if (pl.integer.length == 0 && pl.fraction.length == 0)
        pl.integer = {1, -1};
    pl.negative = d.negative && d.count != 0;
    return pl;
}

// Rounds the decimal for a scientific pattern and says what its
// placeholders and exponent show.
Placement scientificPlacement(const Pattern &pat, Decimal &d)
{
    roundForDisplay(d, std::max(1, pat.intPlaceholders + pat.fracPlaceholders));
    Placement pl;
    if (d.count == 0) {
        const int zeros = std::max(1, pat.intRequired);
        pl.integer = {zeros, -zeros};
        pl.fraction = {pat.fracRequired, -pat.fracRequired};
    } else {
        pl.integer = {pat.intPlaceholders, 0};
        pl.fraction = {pat.fracPlaceholders, pat.intPlaceholders};
        pl.fraction.length = trimmedLength(d, pl.fraction, pat.fracRequired);
        pl.exponent = d.exp10 - (pat.intPlaceholders - 1);
    }
    pl.negative = d.negative && d.count != 0;
    return pl;
}

// The text of a finite value below 1e18 (any value for a scientific
// pattern). It is written where the string keeps it (within the string
// itself when short), and returned as that very string, so it is neither
// copied nor read back before it is done.
std::string written(const Pattern &pat, double value)
{
    Decimal d = toDecimal(value);
    const Placement pl = pat.scientific ? scientificPlacement(pat, d) : fixedPlacement(pat, d);
    std::string out(longest(pat, pl), '\0');
    out.resize(static_cast<std::size_t>(place(pat, d, pl, out.data()) - out.data()));
    return out;
}

// A finite value shown by a parsed pattern.
std::string shown(const Pattern &pat, double value)
{
    if (!pat.scientific && std::fabs(value) >= 1e18)
        return FloatToStr(value);
    return written(pat, value);
}

// A pattern other than the six: parsed for this call only.
[[gnu::cold]] std::string shownByOtherPattern(std::string_view pattern, double value)
{
    return shown(parsePattern(pattern), value);
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormatFloat(std::string_view pattern, double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (const Pattern *known = knownPattern(pattern))
        return shown(*known, value);
    return shownByOtherPattern(pattern, value);
}

std::string FloatToStr(double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Decimal d = toDecimal(value);
    roundForDisplay(d, 15);
    if (d.count == 0)
        return "0";
    const std::string_view digits(d.digits(), static_cast<std::size_t>(d.count));
    std::string out = d.negative ? "-" : "";
    if (d.exp10 >= -4 && d.exp10 < 15) {
        if (d.exp10 < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.exp10 - 1), '0');
            out += digits;
        } else {
            for (int i = 0; i <= d.exp10; ++i)
                out += d.at(i);
            if (d.count > d.exp10 + 1) {
                out += '.';
                out += digits.substr(static_cast<std::size_t>(d.exp10) + 1);
            }
        }
        return out;
    }
    out += digits[0];
    if (d.count > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(d.exp10);
    return out;
}

} // namespace tavrel
