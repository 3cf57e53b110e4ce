// The bearing tab's sheet: the course of the press from the load ratio to
// the life.
#include "sheet/sheet_inputs.h"
#include "sheet/tab_sheets.h"

#include "diagram/diagrams.h"

#include "bearing/bearing_tab.h"

namespace tavrel
{

SheetContent bearingSheet(const CalculatorTab &tab, const BearingPress &press, const TabRows &rows)
{
    SheetContent sheet;
    sheet.inputs = rows.inputs;
    sheet.results = rows.results;
    leaveOutUnused(sheet, tab);
    sheet.fileTag = QStringLiteral("bearing");
    sheet.title = QStringLiteral("玉軸受の寿命");
    // The course of the press is the diagram window's, line for line; the
    // values that follow it there are the marked ones.
    for (const QString &step : bearingCourse(press))
        sheet.formulas << SheetFormula{step, QString()};
    DiagramContent diagram = bearingLifeDiagram(press);
    sheet.diagrams = std::move(diagram.figure);
    sheet.marked = std::move(diagram.values);
    sheet.assumptions = QStringLiteral(
        "単列深溝玉軸受の基本定格寿命（信頼度 90 %）による: Lh = (Cr/P)³·10⁶/(60·n)。"
        "e、X、Y は Cor/Fa を 5 刻みに切り上げて選ぶ表の行（5, 10, 15, 20, 25, 30, 50, 70）の値で、"
        "行の間は補間しない。潤滑・温度・材料による寿命補正はしない。");
    return sheet;
}

} // namespace tavrel
