// Showing a number: a value placed by a format pattern, or in the shortest
// general form.
#include "app/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace tavrel
{

namespace
{

// A finite value's decimal digits:
// d0.d1d2... x 10^exp10, with `digits` holding d0 d1 d2 ... (no sign).
struct Decimal {
    bool negative = false;
    std::string digits; // empty means zero
    int exp10 = 0;
};

// The value's decimal form at 18 significant digits.
Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    }
    d.exp10 = std::atoi(std::string(text.substr(e + 1)).c_str());
    return d;
}

// Rounds half away from zero so that `keep` significant digits remain
// (keep may be zero or negative: the rounding position lies before the
// first digit). Trailing zeros are removed; an empty result means zero.
void roundToSignificant(Decimal &d, int keep)
{
    if (d.digits.empty())
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) < d.digits.size()) {
        const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
        d.digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
                d.digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++d.digits[static_cast<std::size_t>(i)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                d.digits.pop_back();
                ++d.exp10;
                if (d.digits.empty()) // keep == 0: 0.5 units became 1 unit
                    d.digits = "1";
            }
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// True when the decimal value lies beyond the largest double.
bool exceedsLargestDouble(const Decimal &d)
{
    static const Decimal largest = toDecimal(std::numeric_limits<double>::max());
    if (d.digits.empty() || d.exp10 != largest.exp10)
        return !d.digits.empty() && d.exp10 > largest.exp10;
    std::string a = d.digits, b = largest.digits;
    const std::size_t n = std::max(a.size(), b.size());
    a.resize(n, '0');
    b.resize(n, '0');
    return a > b;
}

// Rounds for display. Near the largest double, rounding up would show a
// number that no longer reads back (the next press would refuse the box
// that shows it), so there the digits are cut instead.
void roundForDisplay(Decimal &d, int keep)
{
    // Below 1e308 no rounding can pass the largest double.
    if (d.exp10 < 308) {
        roundToSignificant(d, keep);
        return;
    }
    Decimal rounded = d;
    roundToSignificant(rounded, keep);
    if (exceedsLargestDouble(rounded)) {
        d.digits.resize(static_cast<std::size_t>(std::max(keep, 0)));
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
    } else {
        d = rounded;
    }
}

// Digit i of the significand (0 beyond the stored digits).
char digitAt(const Decimal &d, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < d.digits.size() ? d.digits[static_cast<std::size_t>(i)]
                                                                   : '0';
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// One token of a format pattern.
struct Token {
    enum Kind { Literal, IntDigit, Point, FracDigit, Exponent } kind;
    std::string text; // Literal: the text; Exponent: "e" or "E"
};

struct Pattern {
    std::vector<Token> tokens;
    int intPlaceholders{};
    int intRequired{}; // integer digits from the leftmost '0' to the point
    int fracPlaceholders{};
    int fracRequired{}; // decimals up to the rightmost '0'
    bool scientific{};
    int expDigits{};
    bool expAlwaysSigned{};
};

Pattern parsePattern(std::string_view p)
{
    Pattern pat;
    pat.tokens.reserve(p.size());
    bool seenPoint = false;
    auto literal = [&pat](std::string_view text) {
        if (!pat.tokens.empty() && pat.tokens.back().kind == Token::Literal)
            pat.tokens.back().text += text;
        else
            pat.tokens.push_back({Token::Literal, std::string(text)});
    };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = p.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? p.size() : close;
            literal(p.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !pat.scientific) {
            if (!seenPoint) {
                if (c == '0' && pat.intRequired == 0)
                    pat.intRequired = 1; // counted up as later placeholders follow
                else if (pat.intRequired > 0)
                    ++pat.intRequired;
                ++pat.intPlaceholders;
                pat.tokens.push_back({Token::IntDigit, {}});
            } else {
                ++pat.fracPlaceholders;
                if (c == '0')
                    pat.fracRequired = pat.fracPlaceholders;
                pat.tokens.push_back({Token::FracDigit, {}});
            }
        } else if (c == '.' && !seenPoint && !pat.scientific) {
            seenPoint = true;
            pat.tokens.push_back({Token::Point, {}});
        } else if ((c == 'e' || c == 'E') && !pat.scientific && i + 2 < p.size() &&
                   (p[i + 1] == '+' || p[i + 1] == '-') && p[i + 2] == '0') {
            std::size_t j = i + 3; // p[i + 2] is a '0' already
            while (j < p.size() && p[j] == '0')
                ++j;
            pat.scientific = true;
            pat.expDigits = static_cast<int>(j - (i + 2));
            pat.expAlwaysSigned = p[i + 1] == '+';
            pat.tokens.push_back({Token::Exponent, std::string(p.substr(i, 1))});
            i = j - 1;
        } else {
            literal(p.substr(i, 1));
        }
    }
    return pat;
}

// Writes the pattern's tokens with the given integer digits, decimals and
// exponent text. The minus sign goes directly before the first digit (or
// the point when no integer digit is shown), after any leading literal.
std::string assemble(const Pattern &pat, const std::string &intDigits, const std::string &fraction,
                     const std::string &exponent, bool negative)
{
    std::string out;
    bool signPending = negative;
    auto sign = [&] {
        if (signPending) {
            out += '-';
            signPending = false;
        }
    };
    int intIndex = 0, fracIndex = 0;
    const int extra = static_cast<int>(intDigits.size()) - pat.intPlaceholders;
    for (const Token &t : pat.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::IntDigit: {
            const int pos = extra + intIndex; // index into intDigits
            if (intIndex == 0 && extra > 0) {
                sign();
                out.append(intDigits, 0, static_cast<std::size_t>(extra));
            }
            if (pos >= 0) {
                sign();
                out += intDigits[static_cast<std::size_t>(pos)];
            }
            ++intIndex;
            break;
        }
        case Token::Point:
            if (!fraction.empty()) {
                sign();
                out += '.';
            }
            break;
        case Token::FracDigit:
            if (fracIndex < static_cast<int>(fraction.size()))
                out += fraction[static_cast<std::size_t>(fracIndex)];
            ++fracIndex;
            break;
        case Token::Exponent:
            out += t.text;
            out += exponent;
            break;
        }
    }
    // A pattern without integer placeholders still shows its integer digits.
    if (pat.intPlaceholders == 0 && !intDigits.empty())
        out.insert(0, intDigits);
    return out;
}

std::string trimmedFraction(std::string fraction, int required)
{
    while (static_cast<int>(fraction.size()) > required && fraction.back() == '0')
        fraction.pop_back();
    return fraction;
}

std::string formatFixed(const Pattern &pat, double value)
{
    Decimal d = toDecimal(value);
    roundForDisplay(d, d.exp10 + 1 + pat.fracPlaceholders);
    std::string intDigits;
    for (int i = 0; i <= d.exp10 && !d.digits.empty(); ++i)
        intDigits += digitAt(d, i);
    intDigits.insert(
        0, static_cast<std::size_t>(std::max(0, pat.intRequired - static_cast<int>(intDigits.size()))), '0');
    std::string fraction;
    for (int i = 0; i < pat.fracPlaceholders; ++i)
        fraction += d.digits.empty() ? '0' : digitAt(d, d.exp10 + 1 + i);
    fraction = trimmedFraction(fraction, pat.fracRequired);
    if (intDigits.empty() && fraction.empty())
        intDigits = "0";
    const bool negative = d.negative && !d.digits.empty();
    return assemble(pat, intDigits, fraction, {}, negative);
}

std::string formatScientific(const Pattern &pat, double value)
{
    Decimal d = toDecimal(value);
    const int significant = std::max(1, pat.intPlaceholders + pat.fracPlaceholders);
    roundForDisplay(d, significant);
    const int intCount = pat.intPlaceholders;
    std::string intDigits, fraction;
    int exponent = 0;
    if (d.digits.empty()) {
        intDigits.assign(static_cast<std::size_t>(std::max(1, pat.intRequired)), '0');
        fraction.assign(static_cast<std::size_t>(pat.fracRequired), '0');
    } else {
        for (int i = 0; i < intCount; ++i)
            intDigits += digitAt(d, i);
        for (int i = 0; i < pat.fracPlaceholders; ++i)
            fraction += digitAt(d, intCount + i);
        fraction = trimmedFraction(fraction, pat.fracRequired);
        exponent = d.exp10 - (intCount - 1);
    }
    std::string expText = std::to_string(std::abs(exponent));
    if (static_cast<int>(expText.size()) < pat.expDigits)
        expText.insert(0, static_cast<std::size_t>(pat.expDigits) - expText.size(), '0');
    if (exponent < 0)
        expText.insert(0, "-");
    else if (pat.expAlwaysSigned)
        expText.insert(0, "+");
    const bool negative = d.negative && !d.digits.empty();
    return assemble(pat, intDigits, fraction, expText, negative);
}

} // namespace

std::string FormatFloat(std::string_view pattern, double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Pattern pat = parsePattern(pattern);
    if (pat.scientific)
        return formatScientific(pat, value);
    if (std::fabs(value) >= 1e18)
        return FloatToStr(value);
    return formatFixed(pat, value);
}

std::string FloatToStr(double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Decimal d = toDecimal(value);
    roundForDisplay(d, 15);
    if (d.digits.empty())
        return "0";
    std::string out = d.negative ? "-" : "";
    if (d.exp10 >= -4 && d.exp10 < 15) {
        if (d.exp10 < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.exp10 - 1), '0');
            out += d.digits;
        } else {
            for (int i = 0; i <= d.exp10; ++i)
                out += digitAt(d, i);
            if (static_cast<int>(d.digits.size()) > d.exp10 + 1)
                out += "." + d.digits.substr(static_cast<std::size_t>(d.exp10) + 1);
        }
        return out;
    }
    out += d.digits[0];
    if (d.digits.size() > 1)
        out += "." + d.digits.substr(1);
    out += "E" + std::to_string(d.exp10);
    return out;
}

} // namespace tavrel
