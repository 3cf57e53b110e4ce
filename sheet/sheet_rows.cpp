#include "sheet/sheet_rows.h"

#include "app/calc_tab.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace tavrel
{

namespace
{

QString trimmedTextOf(const QWidget *control)
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
        const SheetRow row = split(caption, trimmedTextOf(control), unitAbove);
        unitAbove = row.unit;
        const bool input = tab.controls().inputs().contains(qobject_cast<const QLineEdit *>(control));
        (input ? rows.inputs : rows.results) << row;
    }
    return rows;
}

} // namespace tavrel
