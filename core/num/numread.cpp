// Reading a number from the text of an edit box: the grammar, and the
// value that std::from_chars gives for a text in it.
#include "core/num/numtext.h"

#include <charconv>
#include <cmath>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <system_error>

namespace tavrel
{

namespace
{

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

} // namespace

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

} // namespace tavrel
