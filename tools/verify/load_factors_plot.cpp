#include "tools/verify/load_factors_plot.h"

#include "tools/verify/load_factors.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace verify
{

namespace
{

constexpr double kLeft = 70, kTop = 40, kWidth = 560, kHeight = 300;
constexpr double kCorFrom = 0.5, kCorTo = 200;
constexpr double kRatioFrom = 0.9, kRatioTo = 1.3;

// Points per line: about two a pixel, so that no step of the table is lost.
constexpr int kSamples = 1200;

// One line a share of axial load Fa/(Fr + Fa): Fa/Fr = 0.5, 1 and 2, and a
// purely axial load.
struct Line {
    double axialShare;
    const char *label;
    const char *colour;
};

constexpr std::array kLines = {Line{1.0 / 3, "Fa/Fr = 0.5", "#1b9e77"}, Line{0.5, "Fa/Fr = 1", "#d95f02"},
                               Line{2.0 / 3, "Fa/Fr = 2", "#7570b3"}, Line{1.0, "pure axial", "#e7298a"}};

double xOf(double corOverFa)
{
    return kLeft + kWidth * std::log(corOverFa / kCorFrom) / std::log(kCorTo / kCorFrom);
}

double yOf(double ratio)
{
    return kTop + kHeight * (kRatioTo - ratio) / (kRatioTo - kRatioFrom);
}

std::string format(const char *pattern, double a, double b = 0, double c = 0, double d = 0)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c, d);
    return buffer;
}

std::string axes()
{
    std::string svg = format("<rect x='%.1f' y='%.1f' width='%.1f' height='%.1f' fill='#fbe3e3'/>\n", kLeft,
                             yOf(1.0), kWidth, yOf(kRatioFrom) - yOf(1.0));
    for (double c : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0}) {
        svg += format("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' stroke='#ccc'/>\n", xOf(c), kTop, xOf(c),
                      kTop + kHeight);
        svg += format("<text x='%.1f' y='%.1f' text-anchor='middle'>%g</text>\n", xOf(c), kTop + kHeight + 18,
                      c);
    }
    for (int i = 0; i <= 8; ++i) {
        const double r = kRatioFrom + 0.05 * i;
        svg += format("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' stroke='#ccc'/>\n", kLeft, yOf(r),
                      kLeft + kWidth, yOf(r));
        svg += format("<text x='%.1f' y='%.1f' text-anchor='end'>%.2f</text>\n", kLeft - 6, yOf(r) + 4, r);
    }
    // Where ISO 281's rows end.
    for (double c : {1 / isoLastRow(), 1 / isoFirstRow()})
        svg +=
            format("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' stroke='#888' stroke-dasharray='4 3'/>\n",
                   xOf(c), kTop, xOf(c), kTop + kHeight);
    // Above the lines, clear of the note on the unsafe band at the foot.
    svg += format("<text x='%.1f' y='%.1f' fill='#555'>ISO 281 table</text>\n", xOf(1 / isoLastRow()) + 4,
                  kTop + 14);
    svg += format("<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' stroke='#000'/>\n", kLeft, yOf(1.0),
                  kLeft + kWidth, yOf(1.0));
    svg += format("<rect x='%.1f' y='%.1f' width='%.1f' height='%.1f' fill='none' stroke='#000'/>\n", kLeft,
                  kTop, kWidth, kHeight);
    return svg;
}

std::string line(const Line &l)
{
    std::string points;
    for (int i = 0; i <= kSamples; ++i) {
        const double c = kCorFrom * std::pow(kCorTo / kCorFrom, static_cast<double>(i) / kSamples);
        const double ratio = programLoad(c, l.axialShare) / isoLoad(c, l.axialShare);
        points += format("%.1f,%.1f ", xOf(c), yOf(ratio));
    }
    return "<polyline fill='none' stroke='" + std::string(l.colour) + "' stroke-width='1.5' points='" +
           points + "'/>\n";
}

std::string legend()
{
    std::string svg;
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        const double y = kTop + 16 + 18 * static_cast<double>(i);
        svg += "<line x1='" + format("%.1f", kLeft + kWidth - 110) + "' y1='" + format("%.1f", y) + "' x2='" +
               format("%.1f", kLeft + kWidth - 85) + "' y2='" + format("%.1f", y) + "' stroke='" +
               kLines[i].colour + "' stroke-width='2'/>\n";
        svg += format("<text x='%.1f' y='%.1f'>", kLeft + kWidth - 80, y + 4) + kLines[i].label + "</text>\n";
    }
    return svg;
}

} // namespace

std::string loadFactorPlotSvg()
{
    std::string svg =
        "<svg xmlns='http://www.w3.org/2000/svg' width='660' height='400' "
        "font-family='sans-serif' font-size='12'>\n<rect width='660' height='400' fill='#fff'/>\n";
    svg += format("<text x='%.1f' y='22' text-anchor='middle' font-size='14'>P (program) / P (ISO "
                  "281)</text>\n",
                  kLeft + kWidth / 2);
    svg += axes();
    for (const Line &l : kLines)
        svg += line(l);
    svg += legend();
    svg += format("<text x='%.1f' y='%.1f' text-anchor='middle'>Cor/Fa</text>\n", kLeft + kWidth / 2,
                  kTop + kHeight + 40);
    svg += format("<text x='%.1f' y='%.1f' fill='#a33'>below 1: longer, unsafe life</text>\n", kLeft + 8,
                  yOf(kRatioFrom) - 8);
    return svg + "</svg>\n";
}

} // namespace verify
