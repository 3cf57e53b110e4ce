#include "sheet/formula.h"

#include "core/num/numtext.h"

#include <QRegularExpression>

namespace tavrel
{

namespace
{

QString parenthesisedIfNegative(const QString &number)
{
    return number.startsWith(QLatin1Char('-')) ? QStringLiteral("(%1)").arg(number) : number;
}

} // namespace

QString inputNumber(double value)
{
    // 1E-7 is written 1e-7, as the window writes exponents.
    return parenthesisedIfNegative(QString::fromStdString(FloatToStr(value)).toLower());
}

QString workedNumber(double value)
{
    // 4.33333e-05 is written 4.33333e-5, as the window writes exponents.
    static const QRegularExpression exponent(QStringLiteral("e\\+?(-?)0*(\\d)"));
    return parenthesisedIfNegative(
        QString::number(value, 'g', 6).replace(exponent, QStringLiteral("e\\1\\2")));
}

QString substituted(const QString &formula, const QHash<QString, QString> &values)
{
    QString out;
    for (qsizetype i = 0; i < formula.size();) {
        if (!formula[i].isLetter()) {
            out += formula[i++];
            continue;
        }
        qsizetype end = i + 1;
        while (end < formula.size() &&
               (formula[end].isLetter() || formula[end].isDigit() || formula[end] == QLatin1Char('_')))
            ++end;
        const QString symbol = formula.mid(i, end - i);
        out += values.value(symbol, symbol);
        i = end;
    }
    return out;
}

SheetFormula worked(const QString &name, const QString &formula, const QHash<QString, QString> &values,
                    const QString &result, const QString &unit)
{
    QString tail = QStringLiteral(" = ") + result;
    if (!unit.isEmpty())
        tail += QLatin1Char(' ') + unit;
    return {name + QStringLiteral(" = ") + formula,
            QStringLiteral("= ") + substituted(formula, values) + tail};
}

} // namespace tavrel
