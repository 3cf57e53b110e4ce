#include "sheet/sheet_rows.h"

#include "app/calc_tab.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

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

QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text().trimmed();
    return static_cast<const QLineEdit *>(control)->text().trimmed();
}

// A unit in brackets at the end of a caption ("球半径 R1[mm]") goes into the
// unit column; a ditto mark ("["]") repeats the unit of the row above.
SheetRow split(const QString &caption, const QString &value, const QString &unitAbove)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\[([^\\]]*)\\]$"));
    const QRegularExpressionMatch match = bracketed.match(caption);
    if (!match.hasMatch())
        return {caption, value, QString()};
    const QString unit = match.captured(1);
    return {caption.left(match.capturedStart()), value, unit == QLatin1String("\"") ? unitAbove : unit};
}

} // namespace

TabRows rowsOf(const CalculatorTab &tab)
{
    TabRows rows;
    QString unitAbove;
    for (const CaptionSpec &spec : tab.captions()) {
        QWidget *control = tab.controls().widget(QString::fromLatin1(spec.control));
        if (!control->isEnabled())
            continue;
        QString caption = control->accessibleName();
        if (spec.unit)
            caption +=
                QStringLiteral(" [%1]").arg(tab.controls()
                                                .label(QString::fromLatin1(spec.unit))
                                                ->text()
                                                .trimmed()
                                                .remove(QRegularExpression(QStringLiteral("^\\[|\\]$"))));
        const bool input = tab.controls().inputs().contains(qobject_cast<QLineEdit *>(control));
        const QString value = textOf(control);
        const SheetRow row = split(caption, input ? shortened(value) : value, unitAbove);
        unitAbove = row.unit;
        (input ? rows.inputs : rows.results) << row;
    }
    return rows;
}

} // namespace tavrel
