// A format pattern parsed into the pieces that place a number's digits.
// Private to the showing of numbers.
#pragma once

#include <string_view>
#include <vector>

namespace tavrel
{

// One piece of a pattern: literal text (a view into the pattern's own
// text), a run of adjacent integer or decimal placeholders, the decimal
// point, or the exponent.
struct PatternToken {
    enum class Kind : unsigned char { Literal, IntDigits, Point, FracDigits, Exponent };
    Kind kind;
    std::string_view text; // Literal: the text to copy; Exponent: "e" or "E"
    int first = 0;         // IntDigits, FracDigits: the index of the run's first placeholder of its kind
    int count = 0;         // IntDigits, FracDigits: how many placeholders
};

struct Pattern {
    std::vector<PatternToken> tokens;
    int intPlaceholders{};
    int intRequired{}; // integer digits from the leftmost '0' to the point
    int fracPlaceholders{};
    int fracRequired{}; // decimals up to the rightmost '0'
    bool scientific{};
    int expDigits{};
    bool expAlwaysSigned{};
    int literalBytes{}; // bytes the literal tokens copy, the exponent's letter included
};

// Parses a pattern; the result views into `text`, which must outlive it.
Pattern parsePattern(std::string_view text);

// One of the six result patterns, parsed once on first use; null for any
// other text.
const Pattern *knownPattern(std::string_view text);

} // namespace tavrel
