// Fuzz target for reading a number: any byte string either reads or raises
// the conversion error. A text that reads must be in the number grammar and
// give exactly what strtod gives; a text refused must be outside the grammar,
// or so large that strtod overflows.
#include "app/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The grammar written out independently of the reader.
    static const std::regex grammar(R"( *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)? *)");
    const std::string text(reinterpret_cast<const char *>(data), size);
    const bool inGrammar = std::regex_match(text, grammar);
    // Grammatical texts hold no NUL, so strtod sees them whole.
    const double expected = inGrammar ? std::strtod(text.c_str(), nullptr) : 0;
    const char *fault = nullptr;
    if (inGrammar != tavrel::matchesNumberGrammar(text))
        fault = "grammar check disagrees";
    try {
        const double value = tavrel::StrToFloat(text);
        if (!inGrammar || value != expected || std::signbit(value) != std::signbit(expected))
            fault = "read differently from strtod";
    } catch (const tavrel::EConvertError &) {
        if (inGrammar && !std::isinf(expected))
            fault = "refused a readable text";
    }
    if (fault) {
        std::fprintf(stderr, "%s: \"%s\"\n", fault, text.c_str());
        std::abort();
    }
    return 0;
}
