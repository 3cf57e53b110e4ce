#include "sheet/sheet_inputs.h"

#include "ui/calc_tab.h"
#include "ui/tab_text.h"

#include <algorithm>

namespace tavrel
{

void addMaterials(QList<SheetRow> &inputs, const CalculatorTab &tab, std::span<const ModulusBox> boxes)
{
    for (const ModulusBox &modulus : boxes) {
        const auto row = std::ranges::find(inputs, modulus.box, &SheetRow::control);
        if (row == inputs.end())
            continue;
        const QString material = tab.materialIn(modulus.box);
        inputs.insert(row + 1,
                      SheetRow{QStringLiteral("%1 の材料").arg(QString::fromUtf8(modulus.symbol)),
                               material.isEmpty() ? QStringLiteral("E のみ入力") : material, QString()});
    }
}

void leaveOutUnused(SheetContent &sheet, const CalculatorTab &tab, const QList<const QWidget *> &unused)
{
    QStringList names;
    for (const QWidget *control : tab.fields()) {
        const auto *edit = qobject_cast<const QLineEdit *>(control);
        const QList<QLineEdit *> &inputs = tab.controls().inputs();
        if (std::ranges::find(inputs, edit) == inputs.end() || tab.holdsResult(edit) ||
            (edit->isEnabled() && !unused.contains(edit)))
            continue;
        names << captionOf(edit);
        sheet.inputs.removeIf([edit](const SheetRow &input) { return input.control == edit; });
    }
    if (!names.isEmpty())
        sheet.inputNote = QStringLiteral("この条件で使わない入力（%1）は載せていません。")
                              .arg(names.join(QStringLiteral("、")));
}

} // namespace tavrel
