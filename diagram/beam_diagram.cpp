#include "app/numtext.h"
#include "beam/beam_curves.h"
#include "beam/beam_tab.h"
#include "diagram/beam_sketch.h"
#include "diagram/diagrams.h"

namespace tavrel
{

namespace
{

const QColor kShearColour(0, 70, 170);
const QColor kMomentColour(128, 0, 0);
const QColor kDeflectionColour(0, 110, 0);

// A length along the beam, in mm with three decimals.
QString place(double x)
{
    return shown(kPatternThreeDecimals, x);
}

// Where x counts from, as the tab's picture measures it.
QString origin(LoadCase loadCase)
{
    switch (loadCase) {
    case LoadCase::CantileverEndLoad:
    case LoadCase::CantileverUniform:
        return QStringLiteral("自由端");
    case LoadCase::SupportedPointLoad:
    case LoadCase::SupportedUniform:
        return QStringLiteral("右の支点");
    case LoadCase::FixedUniform:
        break;
    }
    return QStringLiteral("右端");
}

Plot alongBeam(const BeamSpan &span, BeamQuantity quantity, const QString &title, const QColor &colour)
{
    Plot plot;
    plot.title = title;
    plot.x = {QStringLiteral("x [mm]"), false, true};
    plot.series.push_back({QString(), colour, Qt::SolidLine, beamCurve(span, quantity)});
    return plot;
}

} // namespace

DiagramContent beamDiagram(const BeamPress &press)
{
    const BeamSpan span = spanOf(press.loadCase, press.in, press.r);
    const BeamExtreme moment = largestMoment(span), deflection = largestDeflection(span);
    const bool atX = press.r.deflection == Deflection::AtX;
    DiagramContent c;

    c.figure.plots.push_back(
        alongBeam(span, BeamQuantity::Shear, QStringLiteral("せん断力 V [kgf]"), kShearColour));
    Plot m = alongBeam(span, BeamQuantity::Moment,
                       QStringLiteral("曲げモーメント M [kgf·mm]（下側引張が正）"), kMomentColour);
    // The largest moment carries the Mmax field's text.
    const QString mmax = QStringLiteral("Mmax = %1").arg(shown(kPatternWhole, press.r.Mmax));
    m.marks.push_back({moment.x, moment.value, mmax});
    if (moment.twin)
        m.marks.push_back({*moment.twin, moment.value, mmax});
    c.figure.plots.push_back(m);
    Plot d = alongBeam(span, BeamQuantity::Deflection, QStringLiteral("たわみ δ [mm]（下向きが正）"),
                       kDeflectionColour);
    d.y.reversed = true;
    // With the caption δmax the field holds the largest deflection.
    const QString dmax = shown(kPatternScientific, atX ? deflection.value : press.r.delta);
    d.marks.push_back({deflection.x, deflection.value, QStringLiteral("δmax = %1").arg(dmax)});
    const QString dx = shown(kPatternScientific, press.r.delta);
    // Where the deflection depends on x, x lies on the beam: the tab refuses
    // any other.
    if (atX)
        d.marks.push_back({press.in.x, deflectionAt(span, press.in.x), QStringLiteral("δx = %1").arg(dx)});
    c.figure.plots.push_back(d);

    const std::optional<double> sketchX = atX ? std::optional(press.in.x) : std::nullopt;
    c.figure.header = {[span, sketchX](QPainter &painter, const QRectF &area, const XPlacement &at) {
                           drawBeamSketch(painter, area, at, span, sketchX);
                       },
                       3.6};

    c.values << QStringLiteral("x は%1から測ります（L = %2 mm）").arg(origin(press.loadCase), place(span.L));
    c.values << (moment.twin ? QStringLiteral("%1 kgf·mm（x = %2 mm と %3 mm）")
                                   .arg(mmax, place(moment.x), place(*moment.twin))
                             : QStringLiteral("%1 kgf·mm（x = %2 mm）").arg(mmax, place(moment.x)));
    c.values << QStringLiteral("δmax = %1 mm（x = %2 mm）").arg(dmax, place(deflection.x));
    if (atX)
        c.values << QStringLiteral("δx = %1 mm（x = %2 mm）").arg(dx, place(press.in.x));
    noteUndrawable(c);
    return c;
}

} // namespace tavrel
