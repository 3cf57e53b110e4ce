// The Hertz tab's sheet: the compliance, the contact size, the approach and
// the stresses of the selected contact kind.
#include "diagram/diagrams.h"
#include "sheet/formula.h"
#include "sheet/sheet_inputs.h"
#include "sheet/tab_sheets.h"

#include "core/hertz/hertz_fields.h"
#include "hertz/hertz_tab.h"

namespace tavrel
{

namespace
{

const QString kLength = QStringLiteral("mm");
const QString kStress = QStringLiteral("kgf/mm²");

// A result as its field shows it.
QString shownOf(const HertzPress &press, HertzField field)
{
    return QString::fromStdString(shownResult(press.r, field)).trimmed();
}

// The inputs under the names the formulas give them.
QHash<QString, QString> inputValues(const HertzPress &press)
{
    const HertzInput &in = press.in;
    const bool sphere = press.kind == ContactKind::SphereOnSphere;
    return {{QStringLiteral("R1"), inputNumber(in.R1)},
            {sphere ? QStringLiteral("R2") : QStringLiteral("B"), inputNumber(in.size2)},
            {QStringLiteral("P"), inputNumber(in.P)},
            {QStringLiteral("E1"), inputNumber(in.E1)},
            {QStringLiteral("E2"), inputNumber(in.E2)},
            {QStringLiteral("ν1"), inputNumber(in.nu1)},
            {QStringLiteral("ν2"), inputNumber(in.nu2)},
            {QStringLiteral("H"), workedNumber(compoundCompliance(in))},
            {QStringLiteral("p_max"), workedNumber(press.r.pMax)}};
}

SheetFormula compliance(const QHash<QString, QString> &values)
{
    return worked(QStringLiteral("H"), QStringLiteral("((1 − ν1²)/E1 + (1 − ν2²)/E2)/2"), values,
                  values[QStringLiteral("H")], QStringLiteral("mm²/kgf"));
}

void sphereFormulas(const HertzPress &press, SheetContent &sheet)
{
    QHash<QString, QString> v = inputValues(press);
    v[QStringLiteral("R")] = workedNumber(combinedRadius(press.in));
    v[QStringLiteral("a")] = workedNumber(press.r.contactSize);
    sheet.formulas = {
        compliance(v),
        worked(QStringLiteral("R"), QStringLiteral("R1·R2/(R1 + R2)"), v, v[QStringLiteral("R")], kLength),
        worked(QStringLiteral("a"), QStringLiteral("(3·P·R·H/2)^(1/3)"), v,
               shownOf(press, HertzField::ContactSize), kLength),
        worked(QStringLiteral("δ"), QStringLiteral("a²/R"), v, shownOf(press, HertzField::Approach), kLength),
        worked(QStringLiteral("p_max"), QStringLiteral("3·P/(2·π·a²)"), v, shownOf(press, HertzField::PMax),
               kStress),
        worked(QStringLiteral("σz_max"), QStringLiteral("p_max"), v, shownOf(press, HertzField::SigmaZMax),
               kStress),
        worked(QStringLiteral("σr_max"), QStringLiteral("(1 − 2·ν1)/3·p_max"), v,
               shownOf(press, HertzField::SigmaRMax), kStress),
        worked(QStringLiteral("τ_max"), QStringLiteral("0.31·p_max"), v, shownOf(press, HertzField::TauMax),
               kStress),
    };
    const QStringList approximation = shearApproximation(press);
    if (!approximation.isEmpty())
        sheet.notes << QStringLiteral("τ_max: ") + approximation.join(QStringLiteral("　"));
}

void rollerFormulas(const HertzPress &press, SheetContent &sheet)
{
    QHash<QString, QString> v = inputValues(press);
    v[QStringLiteral("q")] = workedNumber(lineLoad(press.in));
    v[QStringLiteral("b")] = workedNumber(press.r.contactSize);
    sheet.formulas = {
        compliance(v),
        worked(QStringLiteral("q"), QStringLiteral("P/B"), v, v[QStringLiteral("q")],
               QStringLiteral("kgf/mm")),
        worked(QStringLiteral("b"), QStringLiteral("√(8·R1·H·q/π)"), v,
               shownOf(press, HertzField::ContactSize), kLength),
        worked(QStringLiteral("p_max"), QStringLiteral("2·q/(π·b)"), v, shownOf(press, HertzField::PMax),
               kStress),
        worked(QStringLiteral("σz_max"), QStringLiteral("−p_max"), v, shownOf(press, HertzField::SigmaZMax),
               kStress),
    };
    if (press.r.approach) {
        sheet.formulas << worked(QStringLiteral("δ"),
                                 QStringLiteral("2·q·(1 − ν1²)/(π·E1)·(ln(4·R1/b) + 1/3)"), v,
                                 shownOf(press, HertzField::Approach), kLength)
                       << worked(QStringLiteral("τ_max"), QStringLiteral("0.301·p_max"), v,
                                 shownOf(press, HertzField::TauMax), kStress);
    } else {
        // The program shows them for these inputs only; the formulas
        // themselves hold for other materials too.
        sheet.notes << QStringLiteral(
            "δ と τ_max は E1 = E2、ν1 = ν2 = 0.3 の入力に限って示すため、"
            "この入力では示していません。最大せん断応力は「図に示した値」の曲線の最大値を見てください。");
    }
    sheet.notes << QStringLiteral("円柱と平面の接触では σr_max を求めません。");
}

} // namespace

SheetContent hertzSheet(const CalculatorTab &tab, const FieldControls<HertzField> &boxes,
                        const HertzPress &press, const TabRows &rows)
{
    SheetContent sheet;
    sheet.inputs = rows.inputs;
    sheet.results = rows.results;
    // Each body's material apart: E1 and E2 may differ.
    const ModulusBox moduli[] = {{boxes.box(HertzField::E1), "E1"}, {boxes.box(HertzField::E2), "E2"}};
    addMaterials(sheet.inputs, tab, moduli);
    leaveOutUnused(sheet, tab);
    sheet.fileTag = QStringLiteral("hertz");
    sheet.title = QStringLiteral("ヘルツの接触応力");
    const bool sphere = press.kind == ContactKind::SphereOnSphere;
    sheet.picture.resource =
        sphere ? QStringLiteral(":/hertz/images/image1.svg") : QStringLiteral(":/hertz/images/image5.svg");
    sheet.notes << QStringLiteral(
        "H: 二つの物体の弾性をまとめた量。等価縦弾性係数 E' とは H = 1/(2·E') の関係にある。");
    if (sphere)
        sphereFormulas(press, sheet);
    else
        rollerFormulas(press, sheet);
    DiagramContent diagram = hertzDiagram(press);
    sheet.diagrams = std::move(diagram.figure);
    sheet.marked = diagram.values;
    sheet.assumptions = QStringLiteral(
        "ヘルツの理論による: 二つの物体は均質・等方な線形弾性体で、接触面は滑らかで摩擦がなく、"
        "接触域は曲率半径に比べて十分小さいものとする。降伏や残留変形は考えない。"
        "τ_max は p_max に固定の係数（球 0.31、円柱 0.301）を掛けた値。");
    return sheet;
}

} // namespace tavrel
