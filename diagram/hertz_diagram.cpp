#include "core/hertz/hertz_subsurface.h"
#include "core/num/numtext.h"
#include "diagram/diagrams.h"
#include "hertz/hertz_tab.h"

#include <cmath>

namespace tavrel
{

namespace
{

const QColor kPressureColour(128, 0, 0);
const QColor kSigmaZColour(0, 70, 170);
const QColor kSigmaRColour(0, 110, 0);
const QColor kTauColour(128, 0, 0);

// How far the drawings reach, in contact sizes: across the contact, and
// below it.
constexpr double kAcross = 1.5;
constexpr double kDepth = kAxisDepth;
// The τ_max field's fixed factor is named beside the curve's largest τ when
// the two differ by more than this share.
constexpr double kFactorTolerance = 0.005;

QString stress(double value)
{
    return shown(kPatternThreeDecimals, value);
}

// The curve scaled from contact sizes and p_max to mm and kgf/mm².
Curve scaled(Curve curve, double size, double pMax)
{
    for (CurvePoint &p : curve)
        p = {p.x * size, p.y * pMax};
    return curve;
}

// What the τ_max field shows against the curve's largest τ.
void compareShearField(QStringList &values, const HertzPress &press, const ShearPeak &peak)
{
    const double curve = peak.tau * press.r.pMax;
    if (!press.r.tauMax) {
        values << QStringLiteral("τ_max = %1 kgf/mm²（曲線の最大値）").arg(stress(curve));
        return;
    }
    const double factor = *press.r.tauMax / press.r.pMax;
    const double difference = (factor - peak.tau) / peak.tau;
    if (std::abs(difference) <= kFactorTolerance) {
        values << QStringLiteral("τ_max = %1 kgf/mm²").arg(stress(*press.r.tauMax));
        return;
    }
    values << QStringLiteral("曲線の最大値 τ_max = %1 kgf/mm²（%2 p_max）")
                  .arg(stress(curve), shown(kPatternThreeDecimals, peak.tau));
    values << QStringLiteral("欄の τ_max = %1 kgf/mm² は固定の係数 %2 p_max によるもので、曲線の最大値より "
                             "%3 % %4（この係数は ν1 = 0.3 の値です）")
                  .arg(stress(*press.r.tauMax), QString::fromStdString(FloatToStr(factor)),
                       shown(" ###0.0", std::abs(difference) * 100),
                       difference > 0 ? QStringLiteral("大きい値です") : QStringLiteral("小さい値です"));
}

} // namespace

DiagramContent hertzDiagram(const HertzPress &press)
{
    const bool sphere = press.kind == ContactKind::SphereOnSphere;
    const double size = press.r.contactSize, pMax = press.r.pMax, nu1 = press.in.nu1;
    const QString sizeName = sphere ? QStringLiteral("a") : QStringLiteral("b");
    const QString across = sphere ? QStringLiteral("r") : QStringLiteral("x");
    DiagramContent c;

    Plot pressure;
    pressure.title = QStringLiteral("接触圧力 p [kgf/mm²]");
    pressure.x.title = QStringLiteral("%1 [mm]").arg(across);
    pressure.series.push_back(
        {QString(), kPressureColour, Qt::SolidLine, scaled(pressureCurve(kAcross), size, pMax)});
    const QString pText = QStringLiteral("p_max = %1").arg(stress(pMax));
    pressure.marks.push_back({0, pMax, pText});
    c.figure.plots.push_back(pressure);

    Plot below;
    below.title = QStringLiteral("物体1の中心軸上の応力 [kgf/mm²]（引張が正）");
    below.x.title = QStringLiteral("深さ z [mm]");
    const auto curve = [&](AxisStress which) {
        return scaled(axisStressCurve(press.kind, nu1, which, kDepth), size, pMax);
    };
    below.series.push_back({QStringLiteral("σz"), kSigmaZColour, Qt::SolidLine, curve(AxisStress::SigmaZ)});
    below.series.push_back({sphere ? QStringLiteral("σr") : QStringLiteral("σx"), kSigmaRColour, Qt::DashLine,
                            curve(AxisStress::SigmaR)});
    below.series.push_back({QStringLiteral("τ"), kTauColour, Qt::SolidLine, curve(AxisStress::Tau)});
    const ShearPeak peak = largestShear(press.kind, nu1, kDepth);
    const QString ratio = shown(kPatternThreeDecimals, peak.tau);
    below.marks.push_back({peak.z * size, peak.tau * pMax, QStringLiteral("τ_max = %1 p_max").arg(ratio)});
    c.figure.plots.push_back(below);

    c.values << QStringLiteral("%1 kgf/mm²（%2 = 0.000 mm、接触の中心）").arg(pText, across);
    c.values << QStringLiteral("%1 = %2 mm").arg(sizeName, shown(kPatternThreeDecimals, size));
    c.values << QStringLiteral("τ_max = %1 p_max、深さ z = %2 %3 = %4 mm")
                    .arg(ratio, shown(" ###0.00", peak.z), sizeName,
                         shown(kPatternThreeDecimals, peak.z * size));
    compareShearField(c.values, press, peak);
    if (!sphere) {
        if (const std::optional<ShearPeak> outOfPlane = largerOutOfPlaneShear(nu1, kDepth))
            c.values << QStringLiteral(
                            "ν1 = %1 では、ローラの軸方向の応力 σy = ν1·(σx + σz) との間のせん断応力の方が"
                            "大きく、最大 %2 p_max = %3 kgf/mm²（深さ z = %4 mm）です")
                            .arg(QString::fromStdString(FloatToStr(nu1)),
                                 shown(kPatternThreeDecimals, outOfPlane->tau),
                                 stress(outOfPlane->tau * pMax),
                                 shown(kPatternThreeDecimals, outOfPlane->z * size));
    }
    c.values << hertzCheckLines(press);
    noteUndrawable(c);
    return c;
}

} // namespace tavrel
