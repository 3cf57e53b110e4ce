#include "app/paste_text.h"

#include <algorithm>
#include <cstdint>

namespace tavrel
{

namespace
{

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kAsciiBlanks = " \t\r\n";
constexpr std::string_view kCellBreaks = "\t\r\n";
// The ASCII characters of a number whose full-width forms a paste turns
// into them.
constexpr std::string_view kNumberCharacters = "0123456789.+-eE";
// A full-width form U+FF01 to U+FF5E lies this far above its ASCII character.
constexpr char32_t kFullWidthOffset = 0xFEE0;

// The code point of the three-byte UTF-8 sequence at `at`, or none (0)
// where no such sequence starts there.
char32_t threeByteCodePoint(std::string_view text, std::size_t at)
{
    if (at + 3 > text.size())
        return {};
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    if ((byte(0) & 0xF0) != 0xE0 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80)
        return {};
    return static_cast<char32_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
}

// The text without the blanks, tabs, line breaks and ideographic spaces
// around it.
std::string_view trimmed(std::string_view text)
{
    for (;;) {
        if (!text.empty() && kAsciiBlanks.find(text.front()) != std::string_view::npos)
            text.remove_prefix(1);
        else if (!text.empty() && kAsciiBlanks.find(text.back()) != std::string_view::npos)
            text.remove_suffix(1);
        else if (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        else if (text.ends_with(kIdeographicSpace))
            text.remove_suffix(kIdeographicSpace.size());
        else
            return text;
    }
}

} // namespace

std::optional<std::string> pastedNumberText(std::string_view text)
{
    const std::string_view cell = trimmed(text);
    if (cell.find_first_of(kCellBreaks) != std::string_view::npos)
        return std::nullopt;
    std::string out;
    out.reserve(cell.size());
    for (std::size_t at = 0; at < cell.size();) {
        const char32_t c = threeByteCodePoint(cell, at);
        const auto ascii = std::ranges::find_if(kNumberCharacters, [c](char ascii) {
            return c == static_cast<char32_t>(ascii) + kFullWidthOffset;
        });
        if (ascii != kNumberCharacters.end()) {
            out += *ascii;
            at += 3;
        } else {
            out += cell[at++];
        }
    }
    return out;
}

bool hasFullWidth(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t c = threeByteCodePoint(text, at);
        if (c == U'\u3000' || (c >= U'\uFF01' && c <= U'\uFF60') || (c >= U'\uFFE0' && c <= U'\uFFE6'))
            return true;
    }
    return false;
}

} // namespace tavrel
