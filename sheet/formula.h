// Formulas as a checker reads them: the symbols, then the numbers put in
// for them, then the value they gave.
#pragma once

#include "sheet/sheet_content.h"

#include <QHash>

namespace tavrel
{

// A number read from a box, as the calculation took it, in its shortest
// form to 15 significant digits; negative numbers in parentheses, as they
// stand in a formula.
QString inputNumber(double value);

// A value worked out on the way, to six significant digits.
QString workedNumber(double value);

// The formula with every symbol of `values` replaced by its number. A
// symbol is a letter followed by letters, digits and '_' (R1, ν1, p_max);
// symbols not in `values` (ln, π) stay as they are.
QString substituted(const QString &formula, const QHash<QString, QString> &values);

// "name = formula" over "= formula with numbers = result unit".
SheetFormula worked(const QString &name, const QString &formula, const QHash<QString, QString> &values,
                    const QString &result, const QString &unit = {});

} // namespace tavrel
