// Fuzz target for reading a number: any byte string either reads or raises
// the conversion error. A text that reads must be in the number grammar and
// give exactly what strtod gives; a text refused must be outside the grammar,
// or so large that strtod overflows.
#include "app/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

// The grammar written out independently of the reader: blanks, an optional
// sign, digits with at most one point and at least one digit, an optional
// exponent with at least one digit, blanks.
bool grammatical(std::string_view s)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i == s.size();
}

[[noreturn]] void fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const bool inGrammar = grammatical(text);
    if (inGrammar != tavrel::matchesNumberGrammar(text))
        fail("grammar check disagrees", text);
    const std::string copy(text); // grammatical texts hold no NUL
    try {
        const double value = tavrel::StrToFloat(text);
        if (!inGrammar)
            fail("read a text outside the grammar", text);
        const double expected = std::strtod(copy.c_str(), nullptr);
        if (value != expected || std::signbit(value) != std::signbit(expected))
            fail("value differs from strtod", text);
    } catch (const tavrel::EConvertError &) {
        if (inGrammar && !std::isinf(std::strtod(copy.c_str(), nullptr)))
            fail("refused a readable text", text);
    }
    return 0;
}
