#include "bearing/bearing_tab.h"
#include "core/bearing/bearing_curve.h"
#include "core/num/numtext.h"
#include "diagram/diagrams.h"

#include <cmath>

namespace tavrel
{

namespace
{

const QColor kLifeColour(128, 0, 0);

// A number as typed, in its shortest form.
QString plain(double value)
{
    return std::isinf(value) ? QStringLiteral("∞") : QString::fromStdString(FloatToStr(value));
}

// A ratio compared with the table's values.
QString ratio(double value)
{
    return std::isfinite(value) ? shown(kPatternThreeDecimals, value) : plain(value);
}

} // namespace

QStringList bearingCourse(const BearingPress &press)
{
    const BearingInput &in = press.in;
    const BearingResult &r = press.r;
    const BearingCourse course = courseOf(in, r);
    QStringList lines;
    lines << QStringLiteral("Cor/Fa = %1 / %2 = %3 → 表の行 %4：e = %5（Fa/Fr > e のとき X = %6、Y = %7）")
                 .arg(plain(in.Cor), plain(in.Fa), ratio(course.corOverFa))
                 .arg(r.key)
                 .arg(plain(r.e), plain(course.rowX), plain(course.rowY));
    lines << QStringLiteral("Fa/Fr = %1 / %2 = %3 %4 e = %5 → X = %6、Y = %7")
                 .arg(plain(in.Fa), plain(in.Fr), ratio(course.faOverFr),
                      course.axialCounts ? QStringLiteral(">") : QStringLiteral("≦"), plain(r.e), plain(r.X),
                      plain(r.Y));
    lines << QStringLiteral("P = X·Fr + Y·Fa = %1 × %2 + %3 × %4 = %5 kgf")
                 .arg(plain(r.X), plain(in.Fr), plain(r.Y), plain(in.Fa), shown(kPatternOneDecimal, r.P));
    lines << QStringLiteral("Lh = (Cr/P)³ × 10⁶/(60·n) = (%1 / %2)³ × 10⁶/(60 × %3) = %4 h（%5）")
                 .arg(plain(in.Cr), shown(kPatternOneDecimal, r.P), plain(in.n),
                      shown(kPatternOneDecimal, r.Lh), shown(kPatternDays, r.days));
    return lines;
}

DiagramContent bearingLifeDiagram(const BearingPress &press)
{
    DiagramContent c;
    const QString point =
        QStringLiteral("P = %1 kgf、Lh = %2 h")
            .arg(shown(kPatternOneDecimal, press.r.P), shown(kPatternOneDecimal, press.r.Lh));
    // The tab refuses what would make P or Lh negative; a life too short for
    // a double is 0, which no logarithmic axis holds.
    if (press.r.Lh > 0) {
        Plot life;
        life.title = QStringLiteral("定格疲れ寿命 Lh [h]");
        life.x = {QStringLiteral("P [kgf]"), true, false};
        life.y.logarithmic = true;
        life.series.push_back({QString(), kLifeColour, Qt::SolidLine, lifeCurve(press.r)});
        life.marks.push_back({press.r.P, press.r.Lh, point});
        c.figure.plots.push_back(life);
    }
    c.values << QStringLiteral("計算した点：%1").arg(point);
    if (c.figure.plots.empty())
        c.values << QStringLiteral("Lh が 0 になるため、対数の図は描けません");
    c.values << bearingCheckLines(press);
    noteUndrawable(c);
    return c;
}

DiagramContent bearingDiagram(const BearingPress &press)
{
    DiagramContent c = bearingLifeDiagram(press);
    c.values = bearingCourse(press) + c.values;
    return c;
}

} // namespace tavrel
