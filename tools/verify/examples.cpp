#include "tools/verify/examples.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>

namespace verify
{

QString Row::cell(const QString &column) const
{
    const auto it = cells.find(column);
    return it == cells.end() ? QString() : it->second;
}

std::optional<QStringList> openTable(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return std::nullopt;
    }
    // The decoder drops a byte-order mark at the start, as a text stream does.
    return QString(QStringDecoder(QStringConverter::Utf8)(file.readAll())).split(u'\n');
}

std::optional<ExampleFile> readExampleFile(const QString &path, QString &error)
{
    const std::optional<QStringList> lines = openTable(path, error);
    if (!lines)
        return std::nullopt;
    ExampleFile result;
    for (const QString &column : lines->value(0).split(u'\t'))
        result.columns << column.trimmed();
    for (const QString &line : lines->mid(1)) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        Row row;
        for (qsizetype i = 0; i < result.columns.size() && i < cells.size(); ++i)
            row.cells[result.columns[i]] = cells[i].trimmed();
        result.rows.push_back(row);
    }
    return result;
}

namespace
{

std::optional<double> factor(const QString &text)
{
    const QStringList parts = text.split(u'^');
    bool ok = false;
    const double base = parts.value(0).trimmed().toDouble(&ok);
    if (!ok || parts.size() > 2)
        return std::nullopt;
    if (parts.size() == 1)
        return base;
    const double exponent = parts.value(1).trimmed().toDouble(&ok);
    return ok ? std::optional<double>(std::pow(base, exponent)) : std::nullopt;
}

// Splits "name=value; ..." into its named items.
std::vector<std::pair<QString, QString>> namedItems(const QString &text, QString &error)
{
    std::vector<std::pair<QString, QString>> items;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList nameValue = item.split(u'=');
        if (nameValue.size() != 2) {
            error = QStringLiteral("unreadable item \"%1\"").arg(item.trimmed());
            return {};
        }
        items.emplace_back(nameValue[0].trimmed(), nameValue[1].trimmed());
    }
    return items;
}

} // namespace

std::optional<double> evaluate(const QString &expression)
{
    double value = 1.0;
    QChar op = u'*';
    qsizetype start = 0;
    for (qsizetype i = 0; i <= expression.size(); ++i) {
        const bool end = i == expression.size();
        if (!end && expression[i] != u'*' && expression[i] != u'/')
            continue;
        const auto operand = factor(expression.mid(start, i - start));
        if (!operand)
            return std::nullopt;
        value = op == u'*' ? value * *operand : value / *operand;
        if (!end)
            op = expression[i];
        start = i + 1;
    }
    return value;
}

QString typed(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

std::vector<Check> parseChecks(const QString &text, QString &error)
{
    std::vector<Check> checks;
    for (const auto &[name, value] : namedItems(text, error)) {
        const QStringList valueHalf = value.split(u'±');
        const auto published = evaluate(valueHalf.value(0));
        const auto half = evaluate(valueHalf.value(1));
        if (valueHalf.size() != 2 || !published || !half) {
            error = QStringLiteral("unreadable check \"%1=%2\"").arg(name, value);
            return {};
        }
        checks.push_back({name, value, *published, *half});
    }
    return error.isEmpty() ? checks : std::vector<Check>{};
}

std::optional<std::map<QString, double>> parseFactors(const QString &text, QString &error)
{
    std::map<QString, double> factors;
    for (const auto &[name, value] : namedItems(text, error)) {
        const auto number = evaluate(value);
        if (!number) {
            error = QStringLiteral("unreadable factor \"%1=%2\"").arg(name, value);
            return std::nullopt;
        }
        factors[name] = *number;
    }
    return error.isEmpty() ? std::optional(factors) : std::nullopt;
}

} // namespace verify
