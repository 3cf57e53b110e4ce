// Fuzz target for showing a number: for any double and each pattern of the
// calculator, formatting never crashes, has the pattern's shape, and a
// finite value reads back to within half a unit of the last shown digit.
#include "app/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace
{

struct PatternShape {
    const char *pattern;
    bool scientific;
    int decimals;          // most decimals shown (fixed), or mantissa decimals
    bool decimalsOptional; // '#' decimals: trailing zeros may be dropped
    const char *suffix;
};

constexpr PatternShape kPatterns[] = {
    {" ###0.000", false, 3, false, ""},    {" ####0.0", false, 1, false, ""},
    {" ####0 日", false, 0, false, " 日"}, {" #.##e-0", true, 2, true, ""},
    {" ###0.", false, 0, false, ""},       {" ###0.##", false, 2, true, ""},
};

[[noreturn]] void fail(const char *what, const PatternShape &p, double value, const std::string &text)
{
    std::fprintf(stderr, "%s: pattern \"%s\" value %.17g text \"%s\"\n", what, p.pattern, value,
                 text.c_str());
    std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view s, std::size_t &i)
{
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i - start;
}

// The number part of a shown text has the pattern's shape; returns the
// exponent shown (scientific form) through `exponent`.
bool hasShape(std::string_view s, const PatternShape &p, int &exponent)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    const std::size_t integer = digitsFrom(s, i);
    if (integer == 0 || (p.scientific && integer != 1))
        return false;
    if (integer > 1 && s[i - integer] == '0')
        return false; // no leading zeros
    std::size_t decimals = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        decimals = digitsFrom(s, i);
        if (decimals == 0 || s[i - 1] == '0' && p.decimalsOptional)
            return false;
    }
    if (p.decimalsOptional ? decimals > static_cast<std::size_t>(p.decimals)
                           : decimals != static_cast<std::size_t>(p.decimals))
        return false;
    if (p.scientific) {
        if (i >= s.size() || s[i] != 'e')
            return false;
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (negative)
            ++i;
        const std::size_t start = i;
        if (digitsFrom(s, i) == 0 || (i - start > 1 && s[start] == '0'))
            return false;
        exponent = std::atoi(std::string(s.substr(start, i - start)).c_str()) * (negative ? -1 : 1);
    }
    return i == s.size();
}

// The general form used for magnitudes of 1e18 and more in fixed patterns.
bool isGeneralForm(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    if (digitsFrom(s, i) != 1)
        return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (digitsFrom(s, i) == 0)
            return false;
    }
    if (i >= s.size() || s[i] != 'E')
        return false;
    ++i;
    return digitsFrom(s, i) > 0 && i == s.size();
}

void check(const PatternShape &p, double value)
{
    const std::string text = tavrel::FormatFloat(p.pattern, value);
    if (!std::isfinite(value)) {
        const char *expected = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
        if (text != expected)
            fail("non-finite value shown wrongly", p, value, text);
        return;
    }
    double tolerance;
    std::string_view number(text);
    if (!p.scientific && std::fabs(value) >= 1e18) {
        if (!isGeneralForm(number))
            fail("general form has the wrong shape", p, value, text);
        tolerance = std::fabs(value) * 5.1e-15;
    } else {
        const std::string_view suffix(p.suffix);
        if (number.size() < 1 + suffix.size() || number[0] != ' ' || !number.ends_with(suffix))
            fail("leading blank or unit missing", p, value, text);
        number = number.substr(1, number.size() - 1 - suffix.size());
        int exponent = 0;
        if (!hasShape(number, p, exponent))
            fail("text does not have the pattern's shape", p, value, text);
        const int lastDigit = p.scientific ? exponent - p.decimals : -p.decimals;
        tolerance = 0.5 * std::pow(10.0, lastDigit) + std::fabs(value) * 3e-16 +
                    std::numeric_limits<double>::denorm_min();
    }
    // Next to the largest double the last digit is cut rather than rounded
    // up, so the text still reads back: allow a whole unit there.
    if (std::fabs(value) >= 1.79e308)
        tolerance *= 2;
    const double back = tavrel::StrToFloat(number);
    if (!(std::fabs(back - value) <= tolerance))
        fail("text does not read back close to the value", p, value, text);
    if (number.starts_with('-') && back == 0)
        fail("zero shown with a minus sign", p, value, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
    } else {
        // Short inputs are read as text, which reaches round decimal values.
        try {
            value = tavrel::StrToFloat(std::string_view(reinterpret_cast<const char *>(data), size));
        } catch (const tavrel::EConvertError &) {
            return 0;
        }
    }
    for (const PatternShape &p : kPatterns)
        check(p, value);
    return 0;
}
