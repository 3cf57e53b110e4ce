#include "sheet/sheet_rows.h"

#include "ui/calc_tab.h"
#include "ui/tab_text.h"

namespace tavrel
{

namespace
{

// The most characters of a typed text the sheet shows: a longer one (a
// number of hundreds of digits, pasted) keeps its start and end around
// "…"; the formulas give the number it was read as.
constexpr qsizetype kLongestTyped = 40;

QString shortened(const QString &text)
{
    if (text.size() <= kLongestTyped)
        return text;
    return text.left(kLongestTyped - 12) + QStringLiteral("…") + text.right(11);
}

} // namespace

TabRows rowsOf(const CalculatorTab &tab)
{
    TabRows rows;
    for (const TabLine &line : tabLines(tab.controls(), tab.fields())) {
        // A box that shows a result (the beam's I, worked out) is a result.
        if (line.input && !tab.holdsResult(line.control))
            rows.inputs << SheetRow{line.caption, shortened(line.value), line.unit, line.si, line.control};
        else if (line.value.isEmpty()) // a result that does not apply
            rows.results << SheetRow{line.caption, QStringLiteral("—"), QString(), QString(), line.control};
        else
            rows.results << SheetRow{line.caption, line.value, line.unit, line.si, line.control};
    }
    return rows;
}

} // namespace tavrel
