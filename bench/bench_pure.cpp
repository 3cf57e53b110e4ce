// The calculations and the number rules on their own, without any window:
// each calculation with the default inputs of its tab, reading the texts the
// boxes hold, and showing results with each of the six patterns against
// std::to_chars of the same values.
#include "core/beam/beam_calc.h"
#include "core/bearing/bearing_calc.h"
#include "core/hertz/hertz_calc.h"
#include "core/num/numtext.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

using namespace tavrel;

namespace
{

constexpr auto kEndLoad = LoadCase::CantileverEndLoad;
constexpr auto kRectangle = SectionKind::SolidRectangle;

// Shown beside every figure; a figure above it is a finding, not a failure.
constexpr const char *kGoal = "goal < 300 ns";

// The defaults of the Hertz tab; the roller reads R2's box as its width.
constexpr HertzInput kHertzDefaults{
    .R1 = 40, .P = 100, .E1 = 21000, .E2 = 21000, .nu1 = 0.3, .nu2 = 0.3, .size2 = 400};

// The defaults of the beam tab: cantilever with end load, solid rectangle.
constexpr BeamInput kBeamDefaults{.E = 21000,
                                  .L = 100,
                                  .L1 = 40,
                                  .x = 20,
                                  .P = 20,
                                  .b1 = 20,
                                  .h1 = 20,
                                  .b2 = 10,
                                  .h2 = 10,
                                  .typedI = 0,
                                  .typedZ = 0};

constexpr BearingInput kBearingDefaults{.n = 100, .Cor = 6000, .Cr = 6000, .Fr = 1500, .Fa = 200};

void Hertz(benchmark::State &state, ContactKind kind)
{
    HertzInput in = kHertzDefaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        HertzResult r = computeHertz(kind, in);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(kGoal);
}
BENCHMARK_CAPTURE(Hertz, sphere, ContactKind::SphereOnSphere);
BENCHMARK_CAPTURE(Hertz, roller, ContactKind::CylinderOnPlane);

BeamResult beamDefaults()
{
    return computeBeam(kEndLoad, kRectangle, kBeamDefaults);
}

void Beam(benchmark::State &state)
{
    BeamInput in = kBeamDefaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        BeamResult r = computeBeam(kEndLoad, kRectangle, in);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(kGoal);
}
BENCHMARK(Beam);

void BearingLife(benchmark::State &state)
{
    BearingInput in = kBearingDefaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        BearingResult r = computeBearingLife(in);
        benchmark::DoNotOptimize(r);
    }
    state.SetLabel(kGoal);
}
BENCHMARK(BearingLife);

void Read(benchmark::State &state, const char *text)
{
    const std::string box = text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(box.data());
        double value = StrToFloat(box);
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(kGoal);
}
// A default modulus, the text a beam press writes back into the I box, and
// a Poisson's ratio.
BENCHMARK_CAPTURE(Read, plain, "21000");
BENCHMARK_CAPTURE(Read, exponent, " 1.33e4");
BENCHMARK_CAPTURE(Read, fraction, "0.3");

// Each pattern with a value of the kind it shows after a press with the
// default inputs.
struct FormatCase {
    const char *name;
    const char *pattern;
    double (*result)();
};
const FormatCase kFormatCases[] = {
    {"three_decimals", kPatternThreeDecimals,
     [] { return computeHertz(ContactKind::SphereOnSphere, kHertzDefaults).pMax; }},
    {"one_decimal", kPatternOneDecimal, [] { return computeBearingLife(kBearingDefaults).Lh; }},
    {"days", kPatternDays, [] { return computeBearingLife(kBearingDefaults).days; }},
    {"scientific", kPatternScientific, [] { return beamDefaults().I; }},
    {"whole", kPatternWhole, [] { return beamDefaults().Mmax; }},
    {"two_decimals", kPatternTwoDecimals, [] { return beamDefaults().sigmaMax; }},
};

void Format(benchmark::State &state, const char *pattern, double value)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string shown = FormatFloat(pattern, value);
        benchmark::DoNotOptimize(shown.data());
    }
    state.SetLabel(kGoal);
}

// The baseline of each Format benchmark: the one std::to_chars call that
// gives FormatFloat its 18 significant digits, for the same value.
void ToChars(benchmark::State &state, double value)
{
    char buf[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
        benchmark::DoNotOptimize(result.ptr);
        benchmark::ClobberMemory();
    }
}

} // namespace

// Each Format benchmark is followed by its baseline, so that the two run
// close together in time and see the machine alike.
int main(int argc, char **argv)
{
    for (const FormatCase &c : kFormatCases) {
        const double value = c.result();
        benchmark::RegisterBenchmark((std::string("Format/") + c.name).c_str(), Format, c.pattern, value);
        benchmark::RegisterBenchmark((std::string("ToChars/") + c.name).c_str(), ToChars, value);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
