#include "core/num/numtext.h"
#include "diagram/diagrams.h"

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

// What the fields say of a value beyond a double: that it cannot be
// computed, never INF or NAN.
const char *const kBeyondRange = "計算できません（数値の範囲外）";

} // namespace

QString shown(const char *pattern, double value)
{
    if (!std::isfinite(value))
        return QString::fromUtf8(kBeyondRange);
    return QString::fromStdString(FormatFloat(pattern, value)).trimmed();
}

void noteUndrawable(DiagramContent &content)
{
    const auto beyond = [](const CurvePoint &p) { return !std::isfinite(p.x) || !std::isfinite(p.y); };
    for (const Plot &plot : content.figure.plots) {
        if (std::ranges::any_of(plot.series,
                                [&](const Series &s) { return std::ranges::any_of(s.points, beyond); }))
            content.values << QStringLiteral("「%1」の曲線の一部は値が数値の範囲を超えるため描いていません")
                                  .arg(plot.title);
    }
}

} // namespace tavrel
