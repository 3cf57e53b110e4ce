// Fuzz target for the whole path of a press without the window: the input
// is a selector byte and the texts of a tab's boxes (separated by newlines).
// Each text is read; a refused one must give a message with no raw control
// or bidirectional character. When all read, the selected calculation runs;
// what it does not refuse is shown with the tab's patterns, and every shown
// text must be finite and read back. The beam's I is read back from its
// shown text and used again with I and Z typed in, as the next press does.
#include "app/calc_error.h"
#include "app/numtext.h"
#include "beam/beam_calc.h"
#include "bearing/bearing_calc.h"
#include "hertz/hertz_calc.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace tavrel;

namespace
{

[[noreturn]] void fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

// No character of the message may be a control, a format character that
// reorders or hides text, or a space other than the ASCII blank.
void checkMessage(const std::string &message)
{
    for (std::size_t i = 0; i < message.size();) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xC2 ? 0 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        if (length == 0 || i + length > message.size())
            fail("message is not UTF-8", message);
        long cp = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(message[i + k]) & 0x3F);
        i += length;
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0xA0) || (cp >= 0x2000 && cp <= 0x200F) ||
            (cp >= 0x2028 && cp <= 0x202F) || (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF ||
            cp == 0x061C || cp == 0x3000)
            fail("message shows a raw control or invisible character", message);
    }
}

// Shows a result as the tab does; the text must be finite and read back.
void show(const char *pattern, double value)
{
    std::string text = FormatFloat(pattern, value);
    if (text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos)
        fail("shown as not a number", text);
    if (text.ends_with(" 日"))
        text.resize(text.size() - std::string(" 日").size());
    try {
        StrToFloat(text);
    } catch (const EConvertError &) {
        fail("shown text does not read back", text);
    }
}

void hertz(ContactKind kind, const std::vector<double> &v)
{
    const HertzResult r = computeHertz(kind, {v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
    for (const auto &value : {std::optional(r.contactSize), r.approach, std::optional(r.pMax),
                              std::optional(r.sigmaZMax), r.sigmaRMax, r.tauMax})
        if (value)
            show(kPatternThreeDecimals, *value);
}

void beam(std::uint8_t selector, std::vector<double> v)
{
    const auto loadCase = static_cast<LoadCase>(selector % 5);
    BeamInput in{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[8]};
    const BeamResult r = computeBeam(loadCase, static_cast<SectionKind>(selector / 5 % 5), in);
    show(kPatternScientific, r.I);
    show(kPatternWhole, r.Mmax);
    show(kPatternTwoDecimals, r.sigmaMax);
    show(kPatternScientific, r.delta);
    in.typedI = StrToFloat(FormatFloat(kPatternScientific, r.I));
    const BeamResult again = computeBeam(loadCase, SectionKind::Typed, in);
    show(kPatternTwoDecimals, again.sigmaMax);
    show(kPatternScientific, again.delta);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t selector = data[0];
    const std::string_view texts(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<double> values;
    for (std::size_t start = 0; start <= texts.size() && values.size() < 10;) {
        const std::size_t end = std::min(texts.find('\n', start), texts.size());
        try {
            values.push_back(StrToFloat(texts.substr(start, end - start)));
        } catch (const EConvertError &e) {
            checkMessage(conversionMessage(e, "縦弾性係数 E1", "断面で「中空円形」"));
            return 0;
        }
        start = end + 1;
    }
    values.resize(10, 1.0);
    try {
        switch (selector % 4) {
        case 0:
            hertz(ContactKind::SphereOnSphere, values);
            break;
        case 1:
            hertz(ContactKind::CylinderOnPlane, values);
            break;
        case 2:
            beam(selector / 4, values);
            break;
        default: {
            const BearingResult r =
                computeBearingLife({values[0], values[1], values[2], values[3], values[4]});
            show(kPatternOneDecimal, r.P);
            show(kPatternOneDecimal, r.Lh);
            show(kPatternDays, r.days);
        }
        }
    } catch (const CalcError &) {
        // A refused press shows its message and changes nothing.
    }
    return 0;
}
