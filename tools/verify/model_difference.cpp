#include "tools/verify/model_proof.h"

#include "bearing/bearing_calc.h"

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

} // namespace

std::optional<double> recompute(const Difference &difference, const Factors &factors)
{
    return difference.model == Model::Bearing ? bearing(difference, factors) : std::nullopt;
}

Proof proveModelDifference(const Difference &d, const Factors &sourceFactors)
{
    Proof proof;
    const auto bySource = recompute(d, sourceFactors);
    if (!bySource) {
        proof.reason = QStringLiteral("no source factor for %1").arg(d.check);
        return proof;
    }
    proof.recomputed = *bySource;
    proof.programRecomputed = *recompute(d, programFactors(d));
    const double byProgram = proof.programRecomputed;
    // A relative allowance of 1e-9 for the rounding of the two formulas.
    const double slack = 1e-9 * std::fabs(d.shown);
    if (!(std::fabs(byProgram - d.shown) <= d.displayHalfUnit + slack))
        proof.reason = QStringLiteral("the program's own factors do not give the shown value");
    else if (std::fabs(*bySource - d.published) > d.tolerance)
        proof.reason = QStringLiteral("the source's factors do not give the published value");
    proof.proven = proof.reason.isEmpty();
    return proof;
}

} // namespace verify
