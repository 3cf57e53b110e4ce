// Quoting a refused text safely: the message for a box whose text did not
// read, with the text made visible character by character.
#include "core/num/numtext.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

namespace tavrel
{

namespace
{

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

} // namespace tavrel
