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
#include <regex>
#include <string>

namespace
{

using namespace tavrel;

struct Shape {
    const char *pattern;
    const char *text; // the shown text, as a regular expression
    double unit;      // the last digit's unit; 0: scientific, from the exponent
};

const Shape kShapes[] = {
    {kPatternThreeDecimals, R"( -?(0|[1-9][0-9]*)\.[0-9]{3})", 1e-3},
    {kPatternOneDecimal, R"( -?(0|[1-9][0-9]*)\.[0-9])", 0.1},
    {kPatternDays, R"( -?(0|[1-9][0-9]*) 日)", 1},
    {kPatternScientific, R"( -?[0-9](\.[0-9]?[1-9])?e(0|-?[1-9][0-9]*))", 0},
    {kPatternWhole, R"( -?(0|[1-9][0-9]*))", 1},
    {kPatternTwoDecimals, R"( -?(0|[1-9][0-9]*)(\.[0-9]?[1-9])?)", 0.01},
};

[[noreturn]] void fail(const char *what, const char *pattern, double value, const std::string &text)
{
    std::fprintf(stderr, "%s: pattern \"%s\" value %.17g text \"%s\"\n", what, pattern, value, text.c_str());
    std::abort();
}

void check(const Shape &shape, double value)
{
    const std::string text = FormatFloat(shape.pattern, value);
    if (!std::isfinite(value)) {
        if (text != (std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"))
            fail("non-finite value shown wrongly", shape.pattern, value, text);
        return;
    }
    // Magnitudes of 1e18 and more show in the general form in fixed patterns.
    static const std::regex general(R"(-?[1-9](\.[0-9]*[1-9])?E[0-9]+)");
    const bool isGeneral = shape.unit != 0 && std::fabs(value) >= 1e18;
    if (!std::regex_match(text, isGeneral ? general : std::regex(shape.text)))
        fail("text does not have the pattern's shape", shape.pattern, value, text);
    std::string number = text;
    if (number.ends_with(" 日"))
        number.resize(number.size() - std::strlen(" 日"));
    double unit = shape.unit;
    if (unit == 0)
        unit = std::pow(10.0, std::atoi(text.c_str() + text.find('e') + 1) - 2);
    double tolerance =
        isGeneral ? std::fabs(value) * 5.1e-15
                  : 0.5 * unit + std::fabs(value) * 3e-16 + std::numeric_limits<double>::denorm_min();
    // Next to the largest double the last digit is cut rather than rounded
    // up, so the text still reads back: allow a whole unit there.
    if (std::fabs(value) >= 1.79e308)
        tolerance *= 2;
    const double back = StrToFloat(number);
    if (!(std::fabs(back - value) <= tolerance))
        fail("text does not read back close to the value", shape.pattern, value, text);
    if (text.find('-') != std::string::npos && back == 0)
        fail("zero shown with a minus sign", shape.pattern, value, text);
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
            value = StrToFloat(std::string_view(reinterpret_cast<const char *>(data), size));
        } catch (const EConvertError &) {
            return 0;
        }
    }
    for (const Shape &shape : kShapes)
        check(shape, value);
    return 0;
}
