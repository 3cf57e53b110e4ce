#include "tools/verify/load_factors_report.h"

#include "tools/verify/manual.h"

#include "core/bearing/bearing_calc.h"

#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace verify
{

namespace
{

constexpr Axis kShare{0, 1, 0.001};

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
    return QStringLiteral("Cor/Fa = %1, %2").arg(fixed(p.corOverFa), shareText(p.axialShare));
}

QString pointText(const LoadPoint &p)
{
    return QStringLiteral("P %1, Lh %2 at %3")
        .arg(signedPercent(p.ratio - 1), signedPercent(lifeRatio(p.ratio) - 1), at(p));
}

// The program's row at each key beside ISO 281's e and Y at Fa/C0r = 1/key.
void rowTable(QTextStream &md)
{
    md << "| Key (Cor/Fa) | Program e | Program Y | ISO 281 e at Fa/C0r = 1/key | ISO 281 Y |\n"
       << "|---|---|---|---|---|\n";
    for (int key : {5, 10, 15, 20, 25, 30, 50, 70}) {
        const auto row = tavrel::computeBearingLife({1.0, static_cast<double>(key), 1.0, 1.0, 1.0});
        const LoadFactors iso = isoFactors(1.0 / key);
        md << "| " << key << " | " << fixed(row.e) << " | " << fixed(row.Y) << " | " << fixed(iso.e, 3)
           << " | " << fixed(iso.Y, 3) << " |\n";
    }
}

QString rangeText(const UnsafeRange &r)
{
    if (r.openAbove)
        return QStringLiteral("%1 and above").arg(fixed(r.fromCorOverFa));
    if (r.openBelow)
        return QStringLiteral("up to %1").arg(fixed(r.toCorOverFa));
    return QStringLiteral("%1 to %2").arg(fixed(r.fromCorOverFa), fixed(r.toCorOverFa));
}

QString shareRangeText(const UnsafeRange &r)
{
    const QString to = r.toShare >= 1 ? QStringLiteral("pure axial") : fixed(faOverFr(r.toShare));
    return QStringLiteral("%1 to %2").arg(fixed(faOverFr(r.fromShare)), to);
}

void unsafeTable(QTextStream &md, const Comparison &full)
{
    md << "| Cor/Fa | Fa/Fr | Program's P at most | Life at most | Where |\n|---|---|---|---|---|\n";
    for (const UnsafeRange &r : full.unsafe)
        md << "| " << rangeText(r) << " | " << shareRangeText(r) << " | " << signedPercent(r.worst.ratio - 1)
           << " | " << signedPercent(lifeRatio(r.worst.ratio) - 1) << " | " << at(r.worst) << " |\n";
}

void introduction(QTextStream &md)
{
    md << "\n## Load factors against ISO 281 / 荷重係数の比較\n\n"
       << "ISO 281 gives e and Y for single-row deep-groove ball bearings with normal clearance against "
       << "f0·Fa/C0r, from 0.172 to 6.89 (e from 0.19 to 0.44, Y from 2.30 to 1.00, X = 0.56), as JTEKT's "
       << "technical catalogue prints the table (koyousa.com/koyocatalog/technical/03/3_1_32.htm). The "
       << "comparison keys it by Fa/C0r with f0 = " << fixed(kIsoF0, 1)
       << ", which puts its rows at Fa/C0r = " << fixed(isoFirstRow(), 4) << " to " << fixed(isoLastRow(), 4)
       << " (the 0.014 to 0.56 of the table's earlier, Fa/C0r-keyed form), interpolates e and Y linearly "
       << "on Fa/C0r between the rows, holds them at the first and last row outside, and takes X = 0.56 "
       << "once Fa/Fr exceeds e. The program's rows and ISO 281 at the program's keys:\n\n";
}

} // namespace

QString shareText(double axialShare)
{
    return axialShare >= 1 ? QStringLiteral("pure axial load (Fr = 0)")
                           : QStringLiteral("Fa/Fr = %1").arg(fixed(faOverFr(axialShare)));
}

Comparison fullComparison()
{
    return compareLoadFactors({0.5, 200, 0.01}, kShare);
}

Comparison staticCapacityComparison()
{
    return compareLoadFactors({2, 200, 0.01}, kShare);
}

QString loadFactorSection(const Comparison &full, const Comparison &withinCapacity, const QString &plot)
{
    QString text;
    QTextStream md(&text);
    introduction(md);
    rowTable(md);
    md << "\nOver Cor/Fa from 0.5 to 200 and every share of axial load, from a purely radial load to a "
          "purely "
       << "axial one (Fr = 0, which the tab accepts), on a grid of 0.01 in Cor/Fa and 0.001 in the axial "
       << "share Fa/(Fr + Fa). Beyond Cor/Fa = 200 (every lighter axial load) and below 0.5 neither method "
       << "changes any more, so what holds at the ends of the grid holds beyond them. The ratio is the "
       << "program's P over ISO 281's; the life goes as its inverse cube.\n\n"
       << "- Largest P, the shortest life against ISO 281: " << pointText(full.largest) << ".\n"
       << "- Smallest P, the longest life against ISO 281 (the unsafe side): " << pointText(full.smallest)
       << ".\n"
       << "- Static capacity: below Cor/Fa = 1 the axial load exceeds the static rating C0r itself, and "
          "makers "
       << "allow a single-row deep-groove bearing a purely axial load of only a fraction of C0r (SKF's "
       << "deep-groove ball bearing pages, skf.com/…/deep-groove-ball-bearings/loads: Fa ≤ 0.25·C0 for "
       << "bearings of d ≤ 12 mm or diameter series 8, 9, 0 and 1), so the extremes at small Cor/Fa describe "
       << "loads no such bearing carries. For Fa up to half the static rating (Cor/Fa from 2): largest "
       << pointText(withinCapacity.largest) << "; smallest " << pointText(withinCapacity.smallest) << ".\n";
    for (const double c : {5.01, 6.0}) {
        const double half = 0.5; // Fa = Fr
        md << "- With Fa = Fr: " << pointText({c, half, programLoad(c, half) / isoLoad(c, half)}) << ".\n";
    }
    md << "\nWhere the program gives the longer (unsafe) life, each run of Cor/Fa with the Fa/Fr over which "
          "it "
       << "happens and its largest excess; a run that reaches an end of the compared range goes on beyond "
       << "it:\n\n";
    unsafeTable(md, full);
    md << "\n![P of the program over P of ISO 281 against Cor/Fa](" << plot << ")\n";
    return text;
}

} // namespace verify
