// Fuzz target for reading a number: any byte string either reads or raises
// the conversion error. A text that reads must be in the number grammar and
// give exactly what strtod gives; a text refused must be outside the grammar,
// or so large that strtod overflows.
#include "core/num/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The grammar written out independently of the reader (a text with a NUL
    // is outside it).
    static regex_t grammar;
    static const int compiled = regcomp(&grammar, "^ *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *$",
                                        REG_EXTENDED | REG_NOSUB);
    const std::string text(reinterpret_cast<const char *>(data), size);
    const bool inGrammar = compiled == 0 && text.find('\0') == std::string::npos &&
                           regexec(&grammar, text.c_str(), 0, nullptr, 0) == 0;
    // Grammatical texts hold no NUL, so strtod sees them whole.
    const double expected = inGrammar ? std::strtod(text.c_str(), nullptr) : 0;
    bool agrees = inGrammar == tavrel::matchesNumberGrammar(text);
    try {
        const double value = tavrel::StrToFloat(text);
        agrees = agrees && inGrammar && value == expected && std::signbit(value) == std::signbit(expected);
    } catch (const tavrel::EConvertError &) {
        agrees = agrees && (!inGrammar || std::isinf(expected));
    }
    if (!agrees) {
        std::fprintf(stderr, "read differently from the grammar and strtod: \"%s\"\n", text.c_str());
        std::abort();
    }
    return 0;
}
