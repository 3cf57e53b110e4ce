#include "tools/verify/load_factors_report.h"

#include "tools/verify/manual.h"

#include "bearing/bearing_calc.h"

#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace verify
{

namespace
{

constexpr Axis kFaOverFr{0, 2, 0.01};

QString fixed(double value, int decimals = 2)
{
    return QLocale::c().toString(value, 'f', decimals);
}

double lifeRatio(double loadRatio)
{
    return 1 / (loadRatio * loadRatio * loadRatio);
}

QString at(const LoadPoint &p)
{
    return QStringLiteral("Cor/Fa = %1, Fa/Fr = %2").arg(fixed(p.corOverFa), fixed(p.faOverFr));
}

QString pointText(const LoadPoint &p)
{
    return QStringLiteral("P %1, Lh %2 at %3")
        .arg(signedPercent(p.ratio - 1), signedPercent(lifeRatio(p.ratio) - 1), at(p));
}

// The program's row at each key beside the catalogue's e and Y at the same
// Fa/C0 = 1/key.
void rowTable(QTextStream &md)
{
    md << "| Key (Cor/Fa) | Program e | Program Y | Catalogue e at Fa/C0 = 1/key | Catalogue Y |\n"
       << "|---|---|---|---|---|\n";
    for (int key : {5, 10, 15, 20, 25, 30, 50, 70}) {
        const auto row = tavrel::computeBearingLife({1.0, static_cast<double>(key), 1.0, 1.0, 1.0});
        const LoadFactors cat = catalogueFactors(1.0 / key);
        md << "| " << key << " | " << fixed(row.e) << " | " << fixed(row.Y) << " | " << fixed(cat.e, 3)
           << " | " << fixed(cat.Y, 3) << " |\n";
    }
}

void unsafeTable(QTextStream &md, const Comparison &full)
{
    md << "| Cor/Fa | Fa/Fr | Program's P at most | Life at most | Where |\n|---|---|---|---|---|\n";
    for (const UnsafeRange &r : full.unsafe)
        md << "| " << fixed(r.fromCorOverFa) << " to " << fixed(r.toCorOverFa) << " | "
           << fixed(r.fromFaOverFr) << " to " << fixed(r.toFaOverFr) << " | "
           << signedPercent(r.worst.ratio - 1) << " | " << signedPercent(lifeRatio(r.worst.ratio) - 1)
           << " | " << at(r.worst) << " |\n";
}

} // namespace

Comparison fullComparison()
{
    return compareLoadFactors({0.5, 200, 0.01}, kFaOverFr);
}

Comparison withinTableComparison()
{
    return compareLoadFactors({1.79, 71.42, 0.01}, kFaOverFr);
}

QString loadFactorSection(const Comparison &full, const Comparison &withinTable, const QString &plot)
{
    QString text;
    QTextStream md(&text);
    md << "\n## Load factors against the catalogue method / 荷重係数の比較\n\n";
    md << "The catalogue method takes e and Y from the deep-groove ball bearing table keyed by Fa/C0 "
       << "(Fa/C0 from 0.014 to 0.56, e from 0.19 to 0.44, Y from 2.30 to 1.00), in the form Budynas and "
       << "Nisbett print it as Table 11-1 of Shigley's Mechanical Engineering Design, the table that the "
       << "sources of R5 to R7 interpolate: linear between its rows, held at its first and last row "
       << "outside them, X = 0.56 once Fa/Fr exceeds e. The program's rows and the catalogue method at "
       << "the program's keys:\n\n";
    rowTable(md);
    md << "\nOver Cor/Fa from 0.5 to 200 and Fa/Fr from 0 to 2, on a grid of step 0.01 in both "
       << "(the ratio is the program's P over the catalogue's; the life goes as the inverse cube):\n\n"
       << "- Largest P, the shortest life against the catalogue: " << pointText(full.largest) << ".\n"
       << "- Smallest P, the longest life against the catalogue: " << pointText(full.smallest) << ".\n"
       << "- Inside the catalogue table (Cor/Fa from 1.79 to 71.42): largest "
       << pointText(withinTable.largest) << "; smallest " << pointText(withinTable.smallest) << ".\n";
    for (const auto &[c, f] : {std::pair{5.01, 1.0}, std::pair{6.0, 1.0}}) {
        const double ratio = programLoad(c, f) / catalogueLoad(c, f);
        md << "- With Fa = Fr: " << pointText({c, f, ratio}) << ".\n";
    }
    md << "\nWhere the program gives the longer (unsafe) life, each run of Cor/Fa with the Fa/Fr over "
       << "which it happens and its largest excess:\n\n";
    unsafeTable(md, full);
    md << "\n![P of the program over P of the catalogue method against Cor/Fa](" << plot << ")\n";
    return text;
}

} // namespace verify
