// Fuzz target for showing a number: for any double and each pattern of the
// calculator, formatting never crashes, keeps the pattern's leading blank
// and unit (or gives the general form from 1e18 on in the fixed patterns),
// never shows a minus before a zero, and a finite value reads back to
// within half a unit of the last shown digit.
#include "core/num/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tavrel;

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
    // Each pattern, and the unit of its last digit (0: the scientific form's).
    const std::pair<const char *, double> patterns[] = {
        {kPatternThreeDecimals, 1e-3}, {kPatternOneDecimal, 0.1}, {kPatternDays, 1},
        {kPatternScientific, 0},       {kPatternWhole, 1},        {kPatternTwoDecimals, 0.01}};
    for (const auto &[pattern, unit] : patterns) {
        std::string text = FormatFloat(pattern, value);
        const bool general = unit != 0 && std::fabs(value) >= 1e18;
        const char *fault = nullptr;
        if (!std::isfinite(value)) {
            if (text != (std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"))
                fault = "non-finite value shown wrongly";
        } else if (general ? text.find('E') == std::string::npos || text[0] == ' '
                           : text[0] != ' ' || text.ends_with(" 日") != (pattern == kPatternDays)) {
            fault = "text does not have the pattern's shape";
        } else {
            if (text.ends_with(" 日"))
                text.resize(text.size() - std::strlen(" 日"));
            const double magnitude = std::fabs(value), back = StrToFloat(text);
            const double last =
                unit ? unit : std::pow(10.0, std::atoi(text.c_str() + text.find('e') + 1) - 2);
            // Next to the largest double the last digit is cut rather than
            // rounded up, so the text still reads back: a whole unit there.
            double tolerance = general ? magnitude * 5.1e-15 : 0.5 * last + magnitude * 3e-16 + 5e-324;
            tolerance *= magnitude >= 1.79e308 ? 2 : 1;
            if (!(std::fabs(back - value) <= tolerance))
                fault = "text does not read back close to the value";
            if (text.find('-') != std::string::npos && back == 0)
                fault = "zero shown with a minus sign";
        }
        if (fault) {
            std::fprintf(stderr, "%s: pattern \"%s\" value %.17g text \"%s\"\n", fault, pattern, value,
                         text.c_str());
            std::abort();
        }
    }
    return 0;
}
