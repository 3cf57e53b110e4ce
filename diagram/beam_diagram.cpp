#include "beam/beam_tab.h"
#include "core/beam/beam_cases.h"
#include "core/beam/beam_curves.h"
#include "core/num/numtext.h"
#include "diagram/beam_sketch.h"
#include "diagram/diagrams.h"

#include <cmath>

namespace tavrel
{

namespace
{

const QColor kShearColour(0, 70, 170);
const QColor kMomentColour(128, 0, 0);
const QColor kDeflectionColour(0, 110, 0);

// Why the Mmax field and the curve's largest moment differ in sign.
constexpr const char *kFieldSign =
    "Mmax 欄の %1 kgf·mm は下向きの荷重を正とした値で、図の M（下側引張が正）では %2 kgf·mm です";
// A load standing on a support, which the support takes whole.
constexpr const char *kOnSupport =
    "荷重は%1の上にあり、支点がそのまま受けます（せん断力はその支点で段状に変わり、V = %2 kgf）";

// A length along the beam, in mm with three decimals.
QString place(double x)
{
    return shown(kPatternThreeDecimals, x);
}

Plot alongBeam(const BeamSpan &span, BeamQuantity quantity, const QString &title, const QColor &colour)
{
    Plot plot;
    plot.title = title;
    plot.x = {QStringLiteral("x [mm]"), false, true};
    plot.series.push_back({QString(), colour, Qt::SolidLine, beamCurve(span, quantity)});
    return plot;
}

// The places of a largest value, in words: 「x = 0.000 mm と 100.000 mm」.
QString places(const BeamExtreme &extreme)
{
    return extreme.twin ? QStringLiteral("x = %1 mm と %2 mm").arg(place(extreme.x), place(*extreme.twin))
                        : QStringLiteral("x = %1 mm").arg(place(extreme.x));
}

// The largest |M|, marked with the curve's own value. The Mmax field gives
// the designed value, whose sign follows the load (positive for a
// downward load); where the curve, positive for tension below, has the
// other sign (at a fixed end), its mark is called M and one line says why
// the two differ.
void markMoment(Plot &plot, QStringList &values, const BeamPress &press, const BeamExtreme &moment)
{
    const QString value = shown(kPatternWhole, moment.value);
    const bool opposite = std::signbit(moment.value) != std::signbit(press.r.Mmax);
    const QString label =
        QStringLiteral("%1 = %2").arg(opposite ? QStringLiteral("M") : QStringLiteral("Mmax"), value);
    plot.marks.push_back({moment.x, moment.value, label});
    if (moment.twin)
        plot.marks.push_back({*moment.twin, moment.value, label});
    if (!opposite) {
        values << QStringLiteral("%1 kgf·mm（%2）").arg(label, places(moment));
        return;
    }
    values << QStringLiteral("%1 kgf·mm（%2、絶対値が最大）").arg(label, places(moment));
    values << QString::fromUtf8(kFieldSign).arg(shown(kPatternWhole, press.r.Mmax), value);
}

// The largest deflection and, where the field gives the one at x, that one.
void markDeflection(Plot &plot, QStringList &values, const BeamPress &press, const BeamSpan &span,
                    const BeamExtreme &deflection)
{
    const bool atX = press.r.deflection == Deflection::AtX;
    // With the caption δmax the field holds the largest deflection.
    const QString dmax = shown(kPatternScientific, atX ? deflection.value : press.r.delta);
    plot.marks.push_back({deflection.x, deflection.value, QStringLiteral("δmax = %1").arg(dmax)});
    values << QStringLiteral("δmax = %1 mm（x = %2 mm）").arg(dmax, place(deflection.x));
    if (!atX)
        return;
    // Where the deflection depends on x, x lies on the beam: the tab refuses
    // any other.
    const QString dx = shown(kPatternScientific, press.r.delta);
    plot.marks.push_back({press.in.x, deflectionAt(span, press.in.x), QStringLiteral("δx = %1").arg(dx)});
    values << QStringLiteral("δx = %1 mm（x = %2 mm）").arg(dx, place(press.in.x));
}

// A beam that does not bend: M and δ are 0 all along, and no place is
// marked on them. A load on a support steps the shear force there, by the
// support's reaction, which is marked.
void markNoBending(Plot &shear, QStringList &values, const BeamPress &press, const BeamSpan &span)
{
    values << QStringLiteral("M = %1 kgf·mm、δ = %2 mm（はりの全長で 0）")
                  .arg(shown(kPatternWhole, press.r.Mmax), shown(kPatternScientific, press.r.delta));
    if (span.P == 0)
        return;
    // The curve steps at its end on that support: its first point on the
    // right-hand support, its last on the left-hand one.
    const bool right = span.L1 == 0;
    const Curve &curve = shear.series.front().points;
    const double step = right ? curve.front().y : curve.back().y;
    const QString value = shown(" ###0.###", step);
    shear.marks.push_back({span.L1, step, QStringLiteral("V = %1").arg(value)});
    values << QString::fromUtf8(kOnSupport)
                  .arg(right ? QStringLiteral("右の支点") : QStringLiteral("左の支点"), value);
}

} // namespace

DiagramContent beamDiagram(const BeamPress &press)
{
    const BeamSpan span = spanOf(press.loadCase, press.in, press.r);
    DiagramContent c;
    Plot v = alongBeam(span, BeamQuantity::Shear,
                       QStringLiteral("せん断力 V [kgf]（要素を時計回りに回す向きが正）"), kShearColour);
    Plot m = alongBeam(span, BeamQuantity::Moment,
                       QStringLiteral("曲げモーメント M [kgf·mm]（下側引張が正）"), kMomentColour);
    Plot d = alongBeam(span, BeamQuantity::Deflection, QStringLiteral("たわみ δ [mm]（下向きが正）"),
                       kDeflectionColour);
    d.y.reversed = true;

    c.values << QStringLiteral("x は%1から測ります（L = %2 mm）")
                    .arg(QString::fromUtf8(traitsOf(press.loadCase).origin), place(span.L));
    if (beamBends(span)) {
        markMoment(m, c.values, press, largestMoment(span));
        markDeflection(d, c.values, press, span, largestDeflection(span));
    } else {
        markNoBending(v, c.values, press, span);
    }
    c.values << beamCheckLines(press);
    c.figure.plots = {v, m, d};

    const std::optional<double> sketchX =
        press.r.deflection == Deflection::AtX ? std::optional(press.in.x) : std::nullopt;
    c.figure.header = {[span, sketchX](QPainter &painter, const QRectF &area, const XPlacement &at) {
                           drawBeamSketch(painter, area, at, span, sketchX);
                       },
                       3.6};
    noteUndrawable(c);
    return c;
}

} // namespace tavrel
