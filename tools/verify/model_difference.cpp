#include "tools/verify/model_difference.h"

#include "tools/verify/examples.h"

#include "core/bearing/bearing_calc.h"

#include <QRegularExpression>

#include <cmath>

namespace verify
{

namespace
{

double input(const Difference &d, const char *column)
{
    const auto it = d.inputs.find(QString::fromLatin1(column));
    return it == d.inputs.end() ? NAN : it->second;
}

std::optional<double> factor(const Factors &factors, const char *name)
{
    const auto it = factors.find(QString::fromLatin1(name));
    return it == factors.end() ? std::nullopt : std::optional<double>(it->second);
}

// The bearing tab's formula: P = X·Fr + Y·Fa once Fa/Fr exceeds e, else Fr;
// Lh = (Cr/P)³ · 10⁶ / (60 n); days = Lh / 24. X is 0.56 unless the row
// names another; a source that states no e applied X and Y, as its own sum
// X·Fr + Y·Fa shows.
std::optional<double> bearing(const Difference &d, const Factors &factors)
{
    const auto Y = factor(factors, "Y");
    if (!Y)
        return std::nullopt;
    const double X = factor(factors, "X").value_or(0.56);
    const double e = factor(factors, "e").value_or(-INFINITY);
    const double Fr = input(d, "Fr"), Fa = input(d, "Fa");
    const double P = Fa / Fr > e ? X * Fr + *Y * Fa : Fr;
    const double Lh = std::pow(input(d, "Cr") / P, 3.0) * 1e6 / 60 / input(d, "n");
    if (d.check == QLatin1String("P"))
        return P;
    if (d.check == QLatin1String("Lh"))
        return Lh;
    if (d.check == QLatin1String("days"))
        return Lh / 24;
    return std::nullopt;
}

// The factors the program itself applies to the example.
Factors programFactors(const Difference &d)
{
    const auto r = tavrel::computeBearingLife(
        {input(d, "n"), input(d, "Cor"), input(d, "Cr"), input(d, "Fr"), input(d, "Fa")});
    return {{QStringLiteral("X"), r.X}, {QStringLiteral("Y"), r.Y}, {QStringLiteral("e"), r.e}};
}

// Why a factor's quote does not vouch for it, or nothing.
QString unquoted(const SourceFactor &f, const QString &publishedText)
{
    const QString named = QStringLiteral("%1=%2").arg(f.name, f.written);
    if (f.quote.isEmpty())
        return QStringLiteral("%1 quotes no words of the source").arg(named);
    if (!publishedText.contains(f.quote))
        return QStringLiteral("%1: “%2” is not in the row's account of the source").arg(named, f.quote);
    // The value must stand as a number of its own in the quote, not as
    // part of a longer one (1.2 is not printed by "1.26").
    const QRegularExpression number(
        QStringLiteral("(?<![0-9.])%1(?![0-9])").arg(QRegularExpression::escape(f.written)));
    if (!number.match(f.quote).hasMatch())
        return QStringLiteral("%1: “%2” does not print %3").arg(named, f.quote, f.written);
    return QString();
}

// Why the recomputations do not explain the difference, or nothing.
QString unexplained(const Difference &d, const Explanation &e)
{
    // A relative allowance of 1e-9 for the rounding of the two formulas.
    const double slack = 1e-9 * std::fabs(d.shown);
    if (!(std::fabs(e.programRecomputed - d.shown) <= d.displayHalfUnit + slack))
        return QStringLiteral("the program's own factors do not give the shown value");
    if (std::fabs(e.recomputed - d.published) > d.tolerance)
        return QStringLiteral("the source's factors do not give the published value");
    if (std::fabs(e.gap) > kExplainedGapBound)
        return QStringLiteral("the gap, %1 % in the equivalent load, exceeds the bound of %2 %")
            .arg(e.gap * 100, 0, 'f', 2)
            .arg(kExplainedGapBound * 100, 0, 'f', 0);
    return QString();
}

} // namespace

std::optional<std::vector<SourceFactor>> parseSourceFactors(const QString &text, QString &error)
{
    std::vector<SourceFactor> factors;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        const QString nameValue = item.section(u'@', 0, 0).trimmed();
        SourceFactor f;
        f.name = nameValue.section(u'=', 0, 0).trimmed();
        f.written = nameValue.section(u'=', 1).trimmed();
        f.quote = item.contains(u'@') ? item.section(u'@', 1).trimmed() : QString();
        const auto value = evaluate(f.written);
        if (f.name.isEmpty() || !nameValue.contains(u'=') || !value) {
            error = QStringLiteral("unreadable factor \"%1\"").arg(item.trimmed());
            return std::nullopt;
        }
        f.value = *value;
        factors.push_back(f);
    }
    return factors;
}

std::optional<double> recompute(const Difference &difference, const Factors &factors)
{
    return difference.model == Model::Bearing ? bearing(difference, factors) : std::nullopt;
}

double equivalentLoadGap(const QString &check, double shown, double published)
{
    if (check == QLatin1String("Lh") || check == QLatin1String("days"))
        return std::cbrt(published / shown) - 1;
    return shown / published - 1;
}

Explanation explainModelDifference(const Difference &d, const std::vector<SourceFactor> &sourceFactors,
                                   const QString &publishedText)
{
    Explanation e;
    Factors factors;
    for (const SourceFactor &f : sourceFactors) {
        factors[f.name] = f.value;
        if (e.reason.isEmpty())
            e.reason = unquoted(f, publishedText);
    }
    const auto bySource = recompute(d, factors);
    if (!bySource) {
        e.reason = QStringLiteral("no source factor for %1").arg(d.check);
        return e;
    }
    e.recomputed = *bySource;
    e.programRecomputed = *recompute(d, programFactors(d));
    e.gap = equivalentLoadGap(d.check, d.shown, d.published);
    // A factor the source does not print explains nothing.
    if (e.reason.isEmpty())
        e.reason = unexplained(d, e);
    e.explained = e.reason.isEmpty();
    return e;
}

} // namespace verify
