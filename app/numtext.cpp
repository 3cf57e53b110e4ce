#include "app/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <system_error>
#include <vector>

namespace tavrel
{

namespace
{

// --- reading ---------------------------------------------------------------

// Characters a quoted text shows before it is cut with "…".
constexpr std::size_t kQuotedCharacters = 40;

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances
// `pos`, or returns -1 (and advances one byte) for a byte that does not
// begin a well-formed sequence.
long nextCodePoint(std::string_view s, std::size_t &pos)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    long cp = 0, minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || pos + static_cast<std::size_t>(length) > s.size()) {
        ++pos;
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

bool inRange(long cp, long first, long last)
{
    return cp >= first && cp <= last;
}

// Characters that draw nothing visible, or that reorder or join the text
// around them: controls, format characters (bidirectional controls,
// zero-width spaces and joiners, the byte-order mark, tags), every space
// but the ASCII blank, line and paragraph separators, invisible fillers and
// variation selectors.
bool drawsNothing(long cp)
{
    static constexpr std::pair<long, long> kRanges[] = {
        {0x0000, 0x001F}, {0x007F, 0x00A0},   {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},
        {0x061C, 0x061C}, {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x115F, 0x1160},   {0x1680, 0x1680},
        {0x17B4, 0x17B5}, {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F},   {0x205F, 0x206F},
        {0x3000, 0x3000}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFFB}, {0x110BD, 0x110BD}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [cp](const auto &range) { return inRange(cp, range.first, range.second); });
}

// Combining marks, which would join the character before them: the opening
// quote when they stand first.
bool combines(long cp)
{
    return inRange(cp, 0x0300, 0x036F) || inRange(cp, 0x1AB0, 0x1AFF) || inRange(cp, 0x1DC0, 0x1DFF) ||
           inRange(cp, 0x20D0, 0x20FF) || inRange(cp, 0x3099, 0x309A) || inRange(cp, 0xFE20, 0xFE2F);
}

std::string mark(const char *format, unsigned long value)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a number text, found by matching the grammar.
struct NumberParts {
    bool negative = false;
    std::string_view body; // unsigned number, as std::from_chars reads it
};

std::optional<NumberParts> parseNumber(std::string_view s)
{
    // Blanks before and after the number are ignored.
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    NumberParts parts;
    if (s.starts_with('+') || s.starts_with('-')) {
        parts.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::size_t i = 0;
    const std::size_t n = s.size();
    bool seenPoint = false, anyDigit = false;
    for (; i < n; ++i) {
        if (s[i] == '.' && !seenPoint)
            seenPoint = true;
        else if (isDigit(s[i]))
            anyDigit = true;
        else
            break;
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < n && isDigit(s[i]))
            ++i;
        if (i == expStart)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    parts.body = s;
    return parts;
}

// Whether a number out of a double's range is too large (rather than too
// small). strtod rounds it to infinity or to zero; it is read in the C
// locale, whatever decimal separator the user's locale has.
bool overflows(std::string_view body)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return std::isinf(strtod_l(std::string(body).c_str(), nullptr, cLocale));
}

// --- showing ---------------------------------------------------------------

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

namespace
{

// 「名前」の「text」は正しい数値ではありません。 and its kin; without a name
// the message starts at the quoted text.
std::string messageFor(std::string_view text, ConvertFault fault, std::string_view boxName)
{
    const std::string name = boxName.empty() ? std::string() : "「" + std::string(boxName) + "」";
    const std::string of = name.empty() ? std::string() : name + "の";
    switch (fault) {
    case ConvertFault::Empty:
        return (name.empty() ? std::string("欄") : name) + "が空欄です。数値を入力してください。";
    case ConvertFault::TooLarge:
        return of + "「" + visibleText(text) + "」は大きすぎて扱えません。";
    case ConvertFault::Malformed:
        break;
    }
    return of + "「" + visibleText(text) + "」は正しい数値ではありません。";
}

} // namespace

EConvertError::EConvertError(std::string text, ConvertFault fault)
    : std::runtime_error(messageFor(text, fault, {})), text_(std::move(text)), fault_(fault)
{
}

std::string conversionMessage(const EConvertError &error, std::string_view boxName,
                              std::string_view enableHint)
{
    std::string message = messageFor(error.text(), error.fault(), boxName);
    if (!enableHint.empty())
        message += "この欄は" + std::string(enableHint) + "を選ぶと入力できます。";
    return message;
}

std::string visibleText(std::string_view text)
{
    std::string out;
    std::size_t pos = 0, shown = 0;
    while (pos < text.size()) {
        if (shown == kQuotedCharacters)
            return out + "…";
        const std::size_t start = pos;
        const long cp = nextCodePoint(text, pos);
        if (cp < 0)
            out += mark("⟨0x%02lX⟩", static_cast<unsigned char>(text[start]));
        else if (drawsNothing(cp) || (shown == 0 && combines(cp)))
            out += mark("⟨U+%04lX⟩", static_cast<unsigned long>(cp));
        else
            out.append(text, start, pos - start);
        ++shown;
    }
    return out;
}

bool matchesNumberGrammar(std::string_view text)
{
    return parseNumber(text).has_value();
}

double StrToFloat(std::string_view text)
{
    const auto parts = parseNumber(text);
    if (!parts) {
        const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
        throw EConvertError(std::string(text), blank ? ConvertFault::Empty : ConvertFault::Malformed);
    }
    double value = 0;
    // The grammar is one from_chars accepts whole, so the only failure left
    // is a value out of range: too small reads as zero, too large is an error.
    if (std::from_chars(parts->body.data(), parts->body.data() + parts->body.size(), value).ec ==
        std::errc::result_out_of_range) {
        if (overflows(parts->body))
            throw EConvertError(std::string(text), ConvertFault::TooLarge);
        value = 0;
    }
    return parts->negative ? -value : value;
}

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
