// Fuzz target for the whole path of a press without the window: the input
// is a selector byte and the texts of a tab's boxes, one per line. Each text
// is read; a refused one must give a message with no raw control, invisible
// or bidirectional character. When all read, the selected calculation runs;
// what it does not refuse is shown with the tab's patterns, and every shown
// text must be finite and read back. The beam's I is read back from its
// shown text and used again with I and Z typed in, as the next press does.
#include "core/beam/beam_calc.h"
#include "core/bearing/bearing_calc.h"
#include "core/calc_error.h"
#include "core/hertz/hertz_calc.h"
#include "core/num/numtext.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tavrel;

namespace
{

[[noreturn]] void fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

// Shows a result as its tab does: the text must be finite and read back.
double show(const char *pattern, std::optional<double> value)
{
    const std::string text = value ? FormatFloat(pattern, *value) : "0";
    try {
        if (text.find_first_of("IN") == std::string::npos)
            return StrToFloat(text.ends_with(" 日") ? text.substr(0, text.size() - 4) : text);
    } catch (const EConvertError &) {
    }
    fail("shown text is not a number that reads back", text);
}

void press(std::uint8_t selector, const std::vector<double> &v)
{
    if (selector % 4 < 2) {
        const auto kind = selector % 4 ? ContactKind::CylinderOnPlane : ContactKind::SphereOnSphere;
        const HertzResult r = computeHertz(kind, {v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
        for (const auto &value : {std::optional(r.contactSize), r.approach, std::optional(r.pMax),
                                  std::optional(r.sigmaZMax), r.sigmaRMax, r.tauMax})
            show(kPatternThreeDecimals, value);
    } else if (selector % 4 == 2) {
        const auto loadCase = LoadCase(selector / 4 % 5);
        BeamInput in{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[8]};
        // The tab refuses inputs that describe no beam before computing.
        const auto section = SectionKind(selector / 20 % 5);
        if (findBeamFault(loadCase, section, in))
            return;
        const BeamResult r = computeBeam(loadCase, section, in);
        in.typedI = show(kPatternScientific, r.I);
        show(kPatternWhole, r.Mmax);
        show(kPatternTwoDecimals, r.sigmaMax);
        show(kPatternScientific, r.delta);
        if (findBeamFault(loadCase, SectionKind::Typed, in))
            return;
        const BeamResult again = computeBeam(loadCase, SectionKind::Typed, in);
        show(kPatternTwoDecimals, again.sigmaMax);
        show(kPatternScientific, again.delta);
    } else {
        const BearingInput in{v[0], v[1], v[2], v[3], v[4]};
        if (findBearingFault(in))
            return;
        const BearingResult r = computeBearingLife(in);
        show(kPatternOneDecimal, r.P);
        show(kPatternOneDecimal, r.Lh);
        show(kPatternDays, r.days);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view texts(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<double> values;
    for (std::size_t start = 0; start <= texts.size() && values.size() < 10;) {
        const std::size_t end = std::min(texts.find('\n', start), texts.size());
        try {
            values.push_back(StrToFloat(texts.substr(start, end - start)));
        } catch (const EConvertError &e) {
            // Controls, DEL to no-break space, the zero-width and bidi controls,
            // line separators, the ideographic space and the byte-order mark.
            const std::string message = conversionMessage(e, "縦弾性係数 E1", "断面で「中空円形」");
            const char *hidden[] = {"\u0080", "\u009f", "\u00a0", "\u061c", "\u200b", "\u200c",
                                    "\u200d", "\u200e", "\u200f", "\u2028", "\u2029", "\u202a",
                                    "\u202e", "\u2066", "\u2069", "\u3000", "\ufeff"};
            if (std::any_of(message.begin(), message.end(),
                            [](unsigned char c) { return c < 0x20 || c == 0x7f; }) ||
                std::any_of(std::begin(hidden), std::end(hidden),
                            [&](const char *h) { return message.find(h) != std::string::npos; }))
                fail("message shows a raw control or invisible character", message);
            return 0;
        }
        start = end + 1;
    }
    values.resize(10, 1.0);
    try {
        press(data[0], values);
    } catch (const CalcError &) {
        // A refused press shows its message and changes nothing.
    }
    return 0;
}
