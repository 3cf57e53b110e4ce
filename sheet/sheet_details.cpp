#include "sheet/sheet_details.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "core/beam/beam_curves.h"
#include "core/bearing/bearing_checks.h"
#include "core/judgement.h"
#include "core/num/numtext.h"
#include "diagram/diagrams.h"
#include "hertz/hertz_tab.h"

#include <QSettings>

#include <cmath>

namespace tavrel
{

namespace
{

constexpr const char *kParticularCaptions[kParticularCount] = {"件名", "図番", "部品名", "作成者"};
constexpr const char *kParticularKeys[kParticularCount] = {"subject", "drawing", "part", "author"};
constexpr const char *kAllowableKeys[kAllowableCount] = {"beam/sigmaA", "beam/deflectionDivisor",
                                                         "hertz/pressure", "bearing/life", "bearing/s0"};

constexpr AllowableInfo kAllowables[] = {
    {Allowable::BendingStress, "許容曲げ応力 σa", "kgf/mm²"},
    {Allowable::DeflectionDivisor, "たわみの限度 L/n の n", ""},
    {Allowable::ContactPressure, "許容接触圧力 pa", "kgf/mm²"},
    {Allowable::RequiredLife, "必要寿命", "h"},
    {Allowable::LeastSafety, "静的安全係数の下限 s0", ""},
};

QSettings settings()
{
    return QSettings(QStringLiteral("tavrel"), QStringLiteral("tavrel"));
}

QString number(double value)
{
    return QString::fromStdString(FloatToStr(value));
}

QString percent(double fraction)
{
    return std::isfinite(fraction) ? QString::fromStdString(FormatFloat(" ###0.", 100 * fraction)).trimmed()
                                   : QStringLiteral("∞");
}

// A result as its field shows it, with every digit where the field's
// rounding would make it read the same as the allowable it is judged by.
QString judged(const char *pattern, double value, double limit)
{
    const QString text = shown(pattern, value);
    return StrToFloat(text.toStdString()) == limit && value != limit ? number(value) : text;
}

// 「<value> ≤ <limit>　可（余裕 28 %）」 or 「… > …　否（25 % 超過）」.
QString notMoreThan(const QString &value, double v, const QString &limit, double l)
{
    const Verdict verdict = atMost(v, l);
    return verdict.acceptable
               ? QStringLiteral("%1 ≤ %2　可（余裕 %3 %）").arg(value, limit, percent(verdict.margin))
               : QStringLiteral("%1 > %2　否（%3 % 超過）").arg(value, limit, percent(v / l - 1));
}

QString notLessThan(const QString &value, double v, const QString &limit, double l)
{
    const Verdict verdict = atLeast(v, l);
    return verdict.acceptable
               ? QStringLiteral("%1 ≥ %2　可（余裕 %3 %）").arg(value, limit, percent(verdict.margin))
               : QStringLiteral("%1 < %2　否（%3 % 不足）").arg(value, limit, percent(1 - v / l));
}

} // namespace

QString particularCaption(Particular which)
{
    return QString::fromUtf8(kParticularCaptions[static_cast<int>(which)]);
}

QList<AllowableInfo> allowablesFor(const QString &fileTag)
{
    QList<AllowableInfo> list;
    for (const AllowableInfo &info : kAllowables) {
        const bool beam = info.id == Allowable::BendingStress || info.id == Allowable::DeflectionDivisor;
        const bool bearing = info.id == Allowable::RequiredLife || info.id == Allowable::LeastSafety;
        const QString tag = beam      ? QStringLiteral("beam")
                            : bearing ? QStringLiteral("bearing")
                                      : QStringLiteral("hertz");
        if (tag == fileTag)
            list << info;
    }
    return list;
}

SheetDetails rememberedSheetDetails()
{
    const QSettings s = settings();
    SheetDetails d;
    for (int i = 0; i < kParticularCount; ++i)
        d.particulars[i] = s.value(QStringLiteral("sheet/") + kParticularKeys[i]).toString();
    for (int i = 0; i < kAllowableCount; ++i) {
        bool ok = false;
        const double value = s.value(QStringLiteral("allowable/") + kAllowableKeys[i]).toDouble(&ok);
        if (ok && value > 0 && std::isfinite(value))
            d.allowables[i] = value;
    }
    return d;
}

void rememberSheetDetails(const SheetDetails &d)
{
    QSettings s = settings();
    for (int i = 0; i < kParticularCount; ++i)
        s.setValue(QStringLiteral("sheet/") + kParticularKeys[i], d.particulars[i]);
    for (int i = 0; i < kAllowableCount; ++i) {
        const QString key = QStringLiteral("allowable/") + kAllowableKeys[i];
        if (d.allowables[i])
            s.setValue(key, *d.allowables[i]);
        else
            s.remove(key);
    }
}

QStringList judgementLines(const BeamPress &press, const SheetDetails &d)
{
    QStringList lines;
    if (const auto sigmaA = d[Allowable::BendingStress])
        lines << notMoreThan(QStringLiteral("σmax = %1 kgf/mm²")
                                 .arg(judged(kPatternTwoDecimals, std::abs(press.r.sigmaMax), *sigmaA)),
                             std::abs(press.r.sigmaMax),
                             QStringLiteral("σa = %1 kgf/mm²").arg(number(*sigmaA)), *sigmaA);
    if (const auto n = d[Allowable::DeflectionDivisor]) {
        const BeamSpan span = spanOf(press.loadCase, press.in, press.r);
        const double delta = beamBends(span) ? std::abs(largestDeflection(span).value) : 0.0,
                     limit = press.in.L / *n;
        lines << notMoreThan(QStringLiteral("δmax = %1 mm").arg(shown(kPatternScientific, delta)), delta,
                             QStringLiteral("L/n = %1 / %2 = %3 mm")
                                 .arg(number(press.in.L), number(*n), shown(kPatternScientific, limit)),
                             limit);
    }
    return lines;
}

QStringList judgementLines(const HertzPress &press, const SheetDetails &d)
{
    QStringList lines;
    if (const auto pa = d[Allowable::ContactPressure])
        lines << notMoreThan(
            QStringLiteral("p_max = %1 kgf/mm²").arg(judged(kPatternThreeDecimals, press.r.pMax, *pa)),
            press.r.pMax, QStringLiteral("pa = %1 kgf/mm²").arg(number(*pa)), *pa);
    return lines;
}

QStringList judgementLines(const BearingPress &press, const SheetDetails &d)
{
    QStringList lines;
    if (const auto life = d[Allowable::RequiredLife])
        lines << notLessThan(QStringLiteral("Lh = %1 h").arg(judged(kPatternOneDecimal, press.r.Lh, *life)),
                             press.r.Lh, QStringLiteral("必要寿命 %1 h").arg(number(*life)), *life);
    if (const auto s0 = d[Allowable::LeastSafety]) {
        const double safety = staticCheck(press.in).s0;
        lines << notLessThan(QStringLiteral("s0 = %1").arg(judged(" ###0.00", safety, *s0)), safety,
                             QStringLiteral("下限 %1").arg(number(*s0)), *s0);
    }
    return lines;
}

} // namespace tavrel
