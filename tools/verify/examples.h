// The published worked examples as the verification files hold them: one
// tab-separated file per calculator, a header line naming the columns and
// one example a row. Cells that carry numbers may state a unit conversion
// as a product and quotient of factors ("500/9.80665").
#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace verify
{

struct Row {
    std::map<QString, QString> cells;
    QString cell(const QString &column) const;
};

struct ExampleFile {
    QStringList columns; // in the order of the header line
    std::vector<Row> rows;
};

// The lines of the UTF-8 text file at `path` (a table of tab-separated
// cells), or nothing, with `error` saying so, when it cannot be read.
std::optional<QStringList> openTable(const QString &path, QString &error);

// Reads one file; lines starting with '#' and blank lines are skipped.
std::optional<ExampleFile> readExampleFile(const QString &path, QString &error);

// A product and quotient of factors, each a number or a number raised to a
// power ("0.0113^0.5"), as the rows write unit conversions.
std::optional<double> evaluate(const QString &expression);

// The text an engineer would type for the value: its shortest exact form.
QString typed(double value);

// One published result: "name=value±half" with value and half unit each an
// expression; half is half a unit of the source's last printed digit.
struct Check {
    QString name;
    QString expression; // as written in the row
    double published = 0;
    double sourceHalfUnit = 0;
};

// "name=value±half; ..."; empty with `error` set when an item is unreadable.
std::vector<Check> parseChecks(const QString &text, QString &error);

// "name=value; ..." with each value an expression: the source's own model
// factors, such as its Y and e for a bearing.
std::optional<std::map<QString, double>> parseFactors(const QString &text, QString &error);

} // namespace verify
