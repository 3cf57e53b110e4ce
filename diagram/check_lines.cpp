// The checks an engineer makes next, as lines under each diagram's values
// (and so on the calculation sheet, which lists them).
#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "core/beam/beam_checks.h"
#include "core/bearing/bearing_checks.h"
#include "core/hertz/hertz_checks.h"
#include "core/num/numtext.h"
#include "diagram/diagrams.h"
#include "hertz/hertz_tab.h"

#include <cmath>

namespace tavrel
{

namespace
{

QString plain(double value)
{
    return QString::fromStdString(FloatToStr(value));
}

QString place(double x)
{
    return shown(kPatternThreeDecimals, x);
}

// L/δ with one decimal where that shows it to three digits or more, else
// in the scientific pattern (a deflection far beyond the span in extreme
// inputs gives a ratio that one decimal would show as 0.0).
QString spanRatio(double ratio)
{
    return ratio >= 100 && ratio < 1e12 ? shown(kPatternOneDecimal, ratio) : shown(kPatternScientific, ratio);
}

QString supportName(EndSupport support)
{
    switch (support) {
    case EndSupport::Free:
        return QStringLiteral("自由端");
    case EndSupport::Pinned:
        return QStringLiteral("単純支点");
    case EndSupport::Fixed:
        break;
    }
    return QStringLiteral("固定端");
}

// One end: what its support takes, and how far the beam turns there.
QString endLine(const BeamEnd &end)
{
    QString line = QStringLiteral("x = %1 mm（%2）：").arg(place(end.x), supportName(end.support));
    QStringList parts;
    if (end.support != EndSupport::Free)
        parts << QStringLiteral("反力 R = %1 kgf").arg(shown(kPatternTwoDecimals, end.reaction));
    if (end.support == EndSupport::Fixed)
        parts << QStringLiteral("固定端モーメント = %1 kgf·mm").arg(shown(kPatternWhole, end.moment));
    if (end.support != EndSupport::Fixed)
        parts << QStringLiteral("たわみ角 θ = %1 rad").arg(shown(kPatternScientific, end.slope));
    return line + parts.join(QStringLiteral("、"));
}

QString smallnessLine(const QString &size, const ContactSmallness &c)
{
    QString ratios = QStringLiteral("%1/R1 = %2").arg(size, shown(kPatternThreeDecimals, c.overR1));
    if (c.overR2)
        ratios += QStringLiteral("、%1/|R2| = %2").arg(size, shown(kPatternThreeDecimals, *c.overR2));
    return c.small ? QStringLiteral(
                         "%1（%2 以下：接触域は曲率半径に比べて小さく、ヘルツの理論の前提を満たします）")
                         .arg(ratios, plain(kSmallContact))
                   : QStringLiteral("注意：%1 が %2 を超えています。ヘルツの理論は接触域が曲率半径に比べて"
                                    "小さいことを前提とするため、結果の精度は保証されません")
                         .arg(ratios, plain(kSmallContact));
}

QString vonMisesLine(const HertzPress &press, int body, double nu)
{
    const bool sphere = press.kind == ContactKind::SphereOnSphere;
    const ShearPeak peak = largestVonMises(press.kind, nu, kAxisDepth);
    return QStringLiteral("最大ミーゼス応力（物体%1の中心軸上、ν%1 = %2）：σv = %3 p_max = %4 kgf/mm²、"
                          "深さ z = %5 %6 = %7 mm")
        .arg(body)
        .arg(plain(nu), shown(kPatternThreeDecimals, peak.tau),
             shown(kPatternThreeDecimals, peak.tau * press.r.pMax), shown(" ###0.00", peak.z),
             sphere ? QStringLiteral("a") : QStringLiteral("b"),
             shown(kPatternThreeDecimals, peak.z * press.r.contactSize));
}

} // namespace

QStringList beamCheckLines(const BeamPress &press)
{
    const BeamSpan span = spanOf(press.loadCase, press.in, press.r);
    const BeamChecks c = beamChecks(span);
    QStringList lines{endLine(c.right), endLine(c.left)};
    const BeamExtreme &v = c.largestShear;
    const QString at = v.twin ? QStringLiteral("x = %1 mm と %2 mm").arg(place(v.x), place(*v.twin))
                              : QStringLiteral("x = %1 mm").arg(place(v.x));
    lines << QStringLiteral("最大せん断力 Vmax = %1 kgf（%2、絶対値）")
                 .arg(shown(kPatternTwoDecimals, std::abs(v.value)), at);
    lines
        << (std::isinf(c.spanOverDeflection)
                ? QStringLiteral("L/δmax：はりがたわまないため求めません")
                : QStringLiteral("L/δmax = %1（δmax はスパンの 1/%1）").arg(spanRatio(c.spanOverDeflection)));
    return lines;
}

QStringList hertzCheckLines(const HertzPress &press)
{
    const bool sphere = press.kind == ContactKind::SphereOnSphere;
    QStringList lines{smallnessLine(sphere ? QStringLiteral("a") : QStringLiteral("b"),
                                    contactSmallness(press.kind, press.in, press.r.contactSize))};
    lines << vonMisesLine(press, 1, press.in.nu1);
    if (press.in.nu2 != press.in.nu1)
        lines << vonMisesLine(press, 2, press.in.nu2);
    return lines;
}

QStringList bearingCheckLines(const BearingPress &press)
{
    const BearingInput &in = press.in;
    const BearingStatic s = staticCheck(in);
    const BearingReference ref = catalogueReference(in, press.r);
    const BearingWarnings w = bearingWarnings(in);
    QStringList lines;
    lines << QStringLiteral(
                 "静等価荷重 P0 = max(0.6·Fr + 0.5·Fa, Fr) = %1 kgf、静的安全係数 s0 = Cor/P0 = %2")
                 .arg(shown(kPatternOneDecimal, s.P0), shown(" ###0.00", s.s0));
    lines << QStringLiteral("参考値（ISO 281 の表で e と Y を Fa/Cor について補間）：e = %1、X = %2、Y = %3、"
                            "P = %4 kgf、Lh = %5 h、表による P との差 %6 %")
                 .arg(shown(kPatternThreeDecimals, ref.e), plain(ref.X), shown(kPatternThreeDecimals, ref.Y),
                      shown(kPatternOneDecimal, ref.P), shown(kPatternOneDecimal, ref.Lh),
                      (ref.loadDifference >= 0 ? QStringLiteral("+") : QString()) +
                          shown(kPatternOneDecimal, 100 * ref.loadDifference));
    lines << QStringLiteral("日数 = Lh/24（1 日 24 h の運転として）");
    if (w.axialBeyondHalfStatic)
        lines << QStringLiteral("注意：Fa/Cor = %1 > 0.5（深溝玉軸受のアキシアル荷重の目安を超えています）")
                     .arg(shown(kPatternThreeDecimals, in.Fa / in.Cor));
    if (w.ratioBelowFirstKey)
        lines << QStringLiteral("注意：Cor/Fa = %1 < %2（表の最初の行より小さく、表の範囲外です）")
                     .arg(shown(kPatternThreeDecimals, in.Cor / in.Fa), plain(kFirstKey));
    return lines;
}

} // namespace tavrel
