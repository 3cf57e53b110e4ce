// The beam tab's sheet: the section's I and Z, and the moment, stress and
// deflection of the selected arrangement.
#include "diagram/diagrams.h"
#include "sheet/formula.h"
#include "sheet/sheet_inputs.h"
#include "sheet/tab_sheets.h"

#include "beam/beam_tab.h"
#include "core/beam/beam_cases.h"
#include "core/beam/beam_fields.h"

#include <algorithm>
#include <array>

namespace tavrel
{

namespace
{

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
    const SectionFormulas &f = sectionFormulasOf(press.section);
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

// A result as its field shows it.
QString shownOf(const BeamPress &press, BeamField field)
{
    return QString::fromStdString(shownResult(press.r, field)).trimmed();
}

void bendingFormulas(const BeamPress &press, const QHash<QString, QString> &v, SheetContent &sheet)
{
    const LoadCaseTraits &f = traitsOf(press.loadCase);
    sheet.formulas << worked(QStringLiteral("Mmax"), QString::fromUtf8(f.moment), v,
                             shownOf(press, BeamField::Mmax), QStringLiteral("kgf·mm"))
                   << worked(QStringLiteral("σmax"), QStringLiteral("Mmax/Z"), v,
                             shownOf(press, BeamField::SigmaMax), QStringLiteral("kgf/mm²"));
    if (f.between.symbol) {
        const QString symbol = QString::fromUtf8(f.between.symbol);
        sheet.formulas << worked(symbol, QString::fromUtf8(f.between.formula), v, v[symbol],
                                 QStringLiteral("mm"));
    }
    const bool largest = press.r.deflection == Deflection::Maximum;
    sheet.formulas << worked(largest ? QStringLiteral("δmax") : QStringLiteral("δx"),
                             QString::fromUtf8(f.deflection), v, shownOf(press, BeamField::Delta),
                             QStringLiteral("mm"));
    sheet.notes << (largest
                        ? QStringLiteral("δmax: はりの最大たわみ。")
                        : QStringLiteral("δx: %1から x の位置のたわみ。").arg(QString::fromUtf8(f.origin)));
}

} // namespace

SheetContent beamSheet(const CalculatorTab &tab, const FieldControls<BeamField> &boxes,
                       const BeamPress &press, const TabRows &rows)
{
    SheetContent sheet;
    sheet.inputs = rows.inputs;
    sheet.results = rows.results;
    const ModulusBox moduli[] = {{boxes.box(BeamField::E), "E"}};
    addMaterials(sheet.inputs, tab, moduli);
    // L1 places the point load between the supports; x is where the
    // deflection shown is taken, where it depends on x.
    QList<const QWidget *> unused;
    if (!usesL1(press.loadCase))
        unused << boxes.box(BeamField::L1);
    if (!usesX(press.loadCase))
        unused << boxes.box(BeamField::X);
    leaveOutUnused(sheet, tab, unused);
    sheet.fileTag = QStringLiteral("beam");
    sheet.title = QStringLiteral("はりの曲げ応力");
    sheet.picture.resource = QStringLiteral(":/beam/images/image2.svg");
    sheet.picture.elements << QStringLiteral("case%1").arg(static_cast<int>(press.loadCase));
    if (press.section != SectionKind::Typed)
        sheet.picture.elements << QStringLiteral("section%1").arg(static_cast<int>(press.section));
    const QHash<QString, QString> v = values(press);
    sectionFormulas(press, v, sheet);
    bendingFormulas(press, v, sheet);
    DiagramContent diagram = beamDiagram(press);
    sheet.diagrams = std::move(diagram.figure);
    sheet.marked = diagram.values;
    sheet.assumptions = QStringLiteral(
        "初等はり理論による: 材料は線形弾性、たわみは小さく、せん断変形と自重は考えない。"
        "断面は全長で一定で、荷重は図の位置に静的に加わる。σmax = Mmax/Z は断面の縁の曲げ応力。");
    return sheet;
}

} // namespace tavrel
