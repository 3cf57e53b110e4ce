#include "core/num/numpattern.h"

#include "core/num/numtext.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace tavrel
{

namespace
{

using Kind = PatternToken::Kind;

constexpr std::size_t kKnownCount = std::size(kPatterns);

// The six result patterns as views, so that a lookup compares lengths
// before any character.
constexpr std::array<std::string_view, kKnownCount> kKnownTexts = [] {
    std::array<std::string_view, kKnownCount> texts{};
    for (std::size_t i = 0; i < kKnownCount; ++i)
        texts[i] = kPatterns[i];
    return texts;
}();

// Appends literal text, joining it to a literal that ends right before it.
void addLiteral(Pattern &pat, std::string_view text)
{
    pat.literalBytes += static_cast<int>(text.size());
    if (!pat.tokens.empty() && pat.tokens.back().kind == Kind::Literal &&
        pat.tokens.back().text.data() + pat.tokens.back().text.size() == text.data()) {
        pat.tokens.back().text = {pat.tokens.back().text.data(), pat.tokens.back().text.size() + text.size()};
        return;
    }
    pat.tokens.push_back({Kind::Literal, text, 0, 0});
}

// Counts placeholder `index` (of its kind) into the run of its kind that
// ends the tokens, or starts a run with it.
void addToRun(Pattern &pat, Kind kind, int index)
{
    if (pat.tokens.empty() || pat.tokens.back().kind != kind)
        pat.tokens.push_back({kind, {}, index, 0});
    ++pat.tokens.back().count;
}

// A '0' or '#' before the exponent: an integer digit before the first
// '.', a decimal after it.
void addPlaceholder(Pattern &pat, char c, bool seenPoint)
{
    if (!seenPoint) {
        if (c == '0' && pat.intRequired == 0)
            pat.intRequired = 1; // counted up as later placeholders follow
        else if (pat.intRequired > 0)
            ++pat.intRequired;
        addToRun(pat, Kind::IntDigits, pat.intPlaceholders++);
    } else {
        addToRun(pat, Kind::FracDigits, pat.fracPlaceholders++);
        if (c == '0')
            pat.fracRequired = pat.fracPlaceholders;
    }
}

// Whether an exponent (e-, e+, E- or E+ followed by a '0') starts at `i`.
bool exponentAt(std::string_view p, std::size_t i)
{
    return (p[i] == 'e' || p[i] == 'E') && i + 2 < p.size() && (p[i + 1] == '+' || p[i + 1] == '-') &&
           p[i + 2] == '0';
}

// Adds the exponent that starts at `i`; returns the index of its last zero.
std::size_t addExponent(Pattern &pat, std::string_view p, std::size_t i)
{
    std::size_t j = i + 3; // p[i + 2] is a '0' already
    while (j < p.size() && p[j] == '0')
        ++j;
    pat.scientific = true;
    pat.expDigits = static_cast<int>(j - (i + 2));
    pat.expAlwaysSigned = p[i + 1] == '+';
    const std::string_view letter = p.substr(i, 1);
    pat.literalBytes += static_cast<int>(letter.size());
    pat.tokens.push_back({Kind::Exponent, letter, 0, 0});
    return j - 1;
}

} // namespace

Pattern parsePattern(std::string_view p)
{
    Pattern pat;
    pat.tokens.reserve(p.size());
    bool seenPoint = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = p.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? p.size() : close;
            addLiteral(pat, p.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !pat.scientific) {
            addPlaceholder(pat, c, seenPoint);
        } else if (c == '.' && !seenPoint && !pat.scientific) {
            seenPoint = true;
            pat.tokens.push_back({Kind::Point, {}, 0, 0});
        } else if (!pat.scientific && exponentAt(p, i)) {
            i = addExponent(pat, p, i);
        } else {
            addLiteral(pat, p.substr(i, 1));
        }
    }
    return pat;
}

namespace
{

using KnownPatterns = std::array<Pattern, kKnownCount>;

KnownPatterns parseKnownPatterns()
{
    KnownPatterns patterns;
    for (std::size_t i = 0; i < kKnownCount; ++i)
        patterns[i] = parsePattern(kKnownTexts[i]);
    return patterns;
}

} // namespace

const Pattern *knownPattern(std::string_view text)
{
    static const KnownPatterns parsed = parseKnownPatterns();
    // The callers pass the constants themselves: their address finds them
    // without comparing a character.
    for (std::size_t i = 0; i < kKnownCount; ++i) {
        if (text.data() == kKnownTexts[i].data() && text.size() == kKnownTexts[i].size())
            return &parsed[i];
    }
    for (std::size_t i = 0; i < kKnownCount; ++i) {
        if (text == kKnownTexts[i])
            return &parsed[i];
    }
    return nullptr;
}

} // namespace tavrel
