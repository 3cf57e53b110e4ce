// The beam tab's sheet: the section's I and Z, and the moment, stress and
// deflection of the selected arrangement.
#include "diagram/diagrams.h"
#include "sheet/formula.h"
#include "sheet/tab_sheets.h"

#include "beam/beam_tab.h"

#include <algorithm>
#include <array>

namespace tavrel
{

namespace
{

// I and Z of each section kind, in the order of the section items; the
// typed section has none.
struct SectionFormulas {
    const char *I, *Z;
};
constexpr std::array kSectionFormulas = {
    SectionFormulas{"b1·h1³/12", "b1·h1²/6"},
    SectionFormulas{"(b1·h1³ − b2·h2³)/12", "(b1·h1³ − b2·h2³)/(6·h1)"},
    SectionFormulas{"π·d1⁴/64", "π·d1³/32"},
    SectionFormulas{"π·(d1⁴ − d2⁴)/64", "π·(d1⁴ − d2⁴)/(32·d1)"},
    SectionFormulas{nullptr, nullptr},
};

// The moment and the deflection of each arrangement, in the order of the
// load-case items. P is a point load, p a load per length.
struct CaseFormulas {
    const char *moment, *deflection;
};
constexpr std::array kCaseFormulas = {
    CaseFormulas{"P·L", "P·L³/(3·E·I)·(1 − 3·x/(2·L) + x³/(2·L³))"},
    CaseFormulas{"p·L²/2", "p·L⁴/(8·E·I)·(1 − 4·x/(3·L) + x⁴/(3·L⁴))"},
    CaseFormulas{"P·L1·(L − L1)/L", "P·b·(L² − b²)^1.5/(9·√3·E·I·L)"},
    CaseFormulas{"p·L²/8", "p·L⁴/(24·E·I)·(x/L − 2·x³/L³ + x⁴/L⁴)"},
    CaseFormulas{"p·L²/12", "p·L⁴/(24·E·I)·(x²/L² − 2·x³/L³ + x⁴/L⁴)"},
};

// Where x is measured from, by arrangement.
constexpr std::array kMeasuredFrom = {"自由端", "自由端", "右の支点", "右の支点", "右の固定端"};

QHash<QString, QString> values(const BeamPress &press)
{
    const BeamInput &in = press.in;
    return {{QStringLiteral("E"), inputNumber(in.E)},
            {QStringLiteral("L"), inputNumber(in.L)},
            {QStringLiteral("L1"), inputNumber(in.L1)},
            {QStringLiteral("x"), inputNumber(in.x)},
            {QStringLiteral("P"), inputNumber(in.P)},
            {QStringLiteral("p"), inputNumber(in.P)},
            {QStringLiteral("b1"), inputNumber(in.b1)},
            {QStringLiteral("h1"), inputNumber(in.h1)},
            {QStringLiteral("b2"), inputNumber(in.b2)},
            {QStringLiteral("h2"), inputNumber(in.h2)},
            {QStringLiteral("d1"), inputNumber(in.b1)},
            {QStringLiteral("d2"), inputNumber(in.b2)},
            {QStringLiteral("I"), workedNumber(press.r.I)},
            {QStringLiteral("Z"), workedNumber(press.r.Z)},
            {QStringLiteral("Mmax"), workedNumber(press.r.Mmax)},
            {QStringLiteral("b"), workedNumber(std::min(in.L1, in.L - in.L1))}};
}

void sectionFormulas(const BeamPress &press, const QHash<QString, QString> &v, SheetContent &sheet)
{
    const SectionFormulas &f = kSectionFormulas[static_cast<std::size_t>(press.section)];
    if (!f.I) {
        sheet.formulas << SheetFormula{QStringLiteral("I = 入力値"),
                                       QStringLiteral("= %1 mm⁴").arg(inputNumber(press.in.typedI))}
                       << SheetFormula{QStringLiteral("Z = 入力値"),
                                       QStringLiteral("= %1 mm³").arg(inputNumber(press.in.typedZ))};
        return;
    }
    sheet.formulas << worked(QStringLiteral("I"), QString::fromUtf8(f.I), v, v[QStringLiteral("I")],
                             QStringLiteral("mm⁴"))
                   << worked(QStringLiteral("Z"), QString::fromUtf8(f.Z), v, v[QStringLiteral("Z")],
                             QStringLiteral("mm³"));
}

void bendingFormulas(const BeamTab &tab, const BeamPress &press, const QHash<QString, QString> &v,
                     SheetContent &sheet)
{
    const auto index = static_cast<std::size_t>(press.loadCase);
    const CaseFormulas &f = kCaseFormulas[index];
    sheet.formulas << worked(QStringLiteral("Mmax"), QString::fromUtf8(f.moment), v, shownText(tab, "Edit20"),
                             QStringLiteral("kgf·mm"))
                   << worked(QStringLiteral("σmax"), QStringLiteral("Mmax/Z"), v, shownText(tab, "Edit21"),
                             QStringLiteral("kgf/mm²"));
    if (press.loadCase == LoadCase::SupportedPointLoad)
        sheet.formulas << worked(QStringLiteral("b"), QStringLiteral("min(L1, L − L1)"), v,
                                 v[QStringLiteral("b")], QStringLiteral("mm"));
    const bool largest = press.r.deflection == Deflection::Maximum;
    sheet.formulas << worked(largest ? QStringLiteral("δmax") : QStringLiteral("δx"),
                             QString::fromUtf8(f.deflection), v, shownText(tab, "Edit22"),
                             QStringLiteral("mm"));
    sheet.notes << (largest ? QStringLiteral("δmax: はりの最大たわみ。")
                            : QStringLiteral("δx: %1から x の位置のたわみ。")
                                  .arg(QString::fromUtf8(kMeasuredFrom[index])));
}

} // namespace

SheetContent beamSheet(const BeamTab &tab, const BeamPress &press, const TabRows &rows)
{
    SheetContent sheet;
    sheet.inputs = rows.inputs;
    sheet.results = rows.results;
    // I is worked out from the dimensions unless typed in: its box then
    // shows a result.
    if (press.section != SectionKind::Typed && !sheet.inputs.isEmpty())
        sheet.results.prepend(sheet.inputs.takeLast());
    sheet.fileTag = QStringLiteral("beam");
    sheet.title = QStringLiteral("はりの曲げ応力");
    sheet.picture.resource = QStringLiteral(":/beam/images/image2.svg");
    sheet.picture.elements << QStringLiteral("case%1").arg(static_cast<int>(press.loadCase));
    if (press.section != SectionKind::Typed)
        sheet.picture.elements << QStringLiteral("section%1").arg(static_cast<int>(press.section));
    const QHash<QString, QString> v = values(press);
    sectionFormulas(press, v, sheet);
    bendingFormulas(tab, press, v, sheet);
    DiagramContent diagram = beamDiagram(press);
    sheet.diagrams = std::move(diagram.figure);
    sheet.marked = diagram.values;
    sheet.assumptions = QStringLiteral(
        "初等はり理論による: 材料は線形弾性、たわみは小さく、せん断変形と自重は考えない。"
        "断面は全長で一定で、荷重は図の位置に静的に加わる。σmax = Mmax/Z は断面の縁の曲げ応力。");
    return sheet;
}

} // namespace tavrel
