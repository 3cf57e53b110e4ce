#include "core/num/paste_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavrel
{

namespace
{

// The ASCII characters of a number whose full-width forms a paste turns
// into them.
constexpr std::string_view kNumberCharacters = "0123456789.+-eE";
// A full-width form U+FF01 to U+FF5E lies this far above its ASCII character.
constexpr char32_t kFullWidthOffset = 0xFEE0;
// What separates cells: a tab, and every break of a line or paragraph.
constexpr std::array<char32_t, 8> kCellBreaks = {U'\t', U'\n',     U'\v',     U'\f',
                                                 U'\r', U'\u0085', U'\u2028', U'\u2029'};
// What Japanese documents write for a minus before a number: the minus sign
// and the long-vowel mark an input method gives for the ー key.
constexpr std::array<char32_t, 2> kMinusForms = {U'\u2212', U'\u30FC'};

// One code point of UTF-8 text and the bytes it takes; a byte that starts
// no well-formed sequence stands for itself.
struct CodePoint {
    char32_t c;
    std::size_t length;
};

CodePoint codePointAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || at + length > text.size())
        return {lead, 1};
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {lead, 1};
        c = c << 6 | (byte(i) & 0x3F);
    }
    return {c, length};
}

// The length of the code point that ends at `end`.
std::size_t lengthBefore(std::string_view text, std::size_t end)
{
    std::size_t start = end - 1;
    while (start > 0 && end - start < 4 && (static_cast<std::uint8_t>(text[start]) & 0xC0) == 0x80)
        --start;
    const CodePoint last = codePointAt(text, start);
    return start + last.length == end ? last.length : 1;
}

bool isDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
}

// True where the text at `at` begins with a digit, or a point and a digit.
bool digitFollows(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return false;
    const CodePoint next = codePointAt(text, at);
    if (next.c == U'.' || next.c == U'．')
        return at + next.length < text.size() && isDigit(codePointAt(text, at + next.length).c);
    return isDigit(next.c);
}

// The ASCII character a paste puts for `c` at `at`, if any.
std::optional<char> asciiFor(char32_t c, std::string_view text, std::size_t after)
{
    if (std::ranges::find(kMinusForms, c) != kMinusForms.end())
        return digitFollows(text, after) ? std::optional('-') : std::nullopt;
    const auto ascii = std::ranges::find_if(
        kNumberCharacters, [c](char ascii) { return c == static_cast<char32_t>(ascii) + kFullWidthOffset; });
    return ascii != kNumberCharacters.end() ? std::optional(*ascii) : std::nullopt;
}

} // namespace

bool isBlank(char32_t c)
{
    // Unicode's White_Space, with the zero-width space and the byte-order
    // mark, which no reader sees either.
    return c == U' ' || (c >= U'\t' && c <= U'\r') || c == U'\u0085' || c == U'\u00A0' || c == U'\u1680' ||
           (c >= U'\u2000' && c <= U'\u200B') || c == U'\u2028' || c == U'\u2029' || c == U'\u202F' ||
           c == U'\u205F' || c == U'\u3000' || c == U'\uFEFF';
}

std::string_view trimmedCell(std::string_view text)
{
    while (!text.empty()) {
        const CodePoint first = codePointAt(text, 0);
        if (!isBlank(first.c))
            break;
        text.remove_prefix(first.length);
    }
    while (!text.empty()) {
        const std::size_t length = lengthBefore(text, text.size());
        if (!isBlank(codePointAt(text, text.size() - length).c))
            break;
        text.remove_suffix(length);
    }
    return text;
}

std::optional<std::string> pastedNumberText(std::string_view text)
{
    const std::string_view cell = trimmedCell(text);
    std::string out;
    out.reserve(cell.size());
    for (std::size_t at = 0; at < cell.size();) {
        const CodePoint c = codePointAt(cell, at);
        if (std::ranges::find(kCellBreaks, c.c) != kCellBreaks.end())
            return std::nullopt;
        if (const std::optional<char> ascii = asciiFor(c.c, cell, at + c.length))
            out += *ascii;
        else
            out.append(cell.substr(at, c.length));
        at += c.length;
    }
    return out;
}

bool hasFullWidth(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        if (c.c == U'\u3000' || (c.c >= U'\uFF01' && c.c <= U'\uFF60') ||
            (c.c >= U'\uFFE0' && c.c <= U'\uFFE6'))
            return true;
        at += c.length;
    }
    return false;
}

} // namespace tavrel
