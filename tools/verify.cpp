// Runs the window through published worked examples and writes the
// verification manual:
//   tavrel_verify DATA_DIR MANUAL.md
// DATA_DIR holds one tab-separated file per calculator (hertz.tsv, beam.tsv,
// bearing.tsv), one example a row under a header line. Every example is
// typed into a fresh window as a user would type it, the tab's button is
// pressed, and the shown texts are compared with the published values. The
// exit status is 1 when a press fails or a shown value lies outside its
// tolerance without a stated model difference.
#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace
{

// One calculator: where its examples are, which box or selection each input
// column goes to, its button, and the field and rounding of each result.
struct Result {
    const char *label; // as the manual names it
    const char *field;
    // Half a unit of the last digit that the field's pattern shows; 0 for
    // the scientific pattern, whose unit follows the shown exponent.
    double displayHalfUnit;
};

struct Calculator {
    const char *file;
    const char *title;
    std::map<QString, QString> inputs;     // column -> edit box
    std::map<QString, QString> selections; // column -> radio group
    QString kindColumn;                    // column naming a menu item to trigger, or empty
    const char *button;
    std::map<QString, Result> results;
};

const std::vector<Calculator> &calculators()
{
    static const std::vector<Calculator> all = {
        {"hertz.tsv",
         "Hertz contact stress / ヘルツ接触応力",
         {{"R1", "Edit6"},
          {"R2_or_B", "Edit7"},
          {"P", "Edit1"},
          {"E1", "Edit2"},
          {"E2", "Edit3"},
          {"nu1", "Edit4"},
          {"nu2", "Edit5"}},
         {},
         "kind",
         "Button3",
         {{"a_or_b", {"a or b (mm)", "Label13", 0.0005}},
          {"delta", {"δ (mm)", "Label14", 0.0005}},
          {"pmax", {"pmax (kgf/mm²)", "Label15", 0.0005}},
          {"sigma_z", {"σz max (kgf/mm²)", "Label20", 0.0005}},
          {"sigma_r", {"σr max (kgf/mm²)", "Label21", 0.0005}},
          {"tau", {"τmax (kgf/mm²)", "Label22", 0.0005}}}},
        {"beam.tsv",
         "Beam bending / はりの曲げ",
         {{"E", "Edit23"},
          {"L", "Edit12"},
          {"L1", "Edit24"},
          {"x", "Edit13"},
          {"P", "Edit14"},
          {"b1", "Edit15"},
          {"h1", "Edit16"},
          {"b2", "Edit17"},
          {"h2", "Edit18"},
          {"I", "Edit19"}},
         {{"case", "RadioGroup1"}, {"section", "RadioGroup2"}},
         {},
         "Button2",
         {{"I", {"I (mm⁴)", "Edit19", 0}},
          {"Mmax", {"Mmax (kgf·mm)", "Edit20", 0.5}},
          {"sigma", {"σmax (kgf/mm²)", "Edit21", 0.005}},
          {"delta", {"δ (mm)", "Edit22", 0}}}},
        {"bearing.tsv",
         "Ball-bearing life / 玉軸受の寿命",
         {{"n", "Edit8"}, {"Cor", "Edit9"}, {"Cr", "Edit25"}, {"Fr", "Edit10"}, {"Fa", "Edit11"}},
         {},
         {},
         "Button1",
         {{"P", {"P (kgf)", "Label38", 0.05}},
          {"Lh", {"Lh (h)", "Label28", 0.05}},
          {"days", {"days", "Label59", 0.5}}}},
    };
    return all;
}

// A number, or a number raised to a power, such as "0.0113^0.5": a source
// that prints a squared result (b² = 0.0113 in²) is compared through it.
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

// A product and quotient of such factors, such as "500/9.80665" or
// "1.25e-4*1000": the rows state each unit conversion this way.
std::optional<double> evaluate(const QString &expression)
{
    double value = 1.0;
    QChar op = u'*';
    qsizetype start = 0;
    for (qsizetype i = 0; i <= expression.size(); ++i) {
        const bool end = i == expression.size();
        // A sign after an exponent's e belongs to the number.
        if (!end && (expression[i] != u'*' && expression[i] != u'/'))
            continue;
        const auto operandValue = factor(expression.mid(start, i - start));
        if (!operandValue)
            return std::nullopt;
        const double operand = *operandValue;
        value = op == u'*' ? value * operand : value / operand;
        if (!end)
            op = expression[i];
        start = i + 1;
    }
    return value;
}

// The text an engineer would type for the value: its shortest exact form.
QString typed(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

struct Check {
    QString name;
    QString expression; // as written in the row
    double published = 0;
    double sourceHalfUnit = 0;
};

struct Outcome {
    QString id, source, model; // model: how the program's model differs, if it does
    QString name, expression, shown;
    double published = 0, difference = 0;
    std::optional<double> value; // the shown number, when there is one
    bool within = false;
    QString failure; // an error box or an empty field
};

struct Row {
    std::map<QString, QString> cells;
    QString cell(const QString &column) const
    {
        const auto it = cells.find(column);
        return it == cells.end() ? QString() : it->second;
    }
};

std::vector<Row> readRows(const QString &path, QStringList &columns, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    const QStringList header = in.readLine().split(u'\t');
    for (const QString &column : header)
        columns << column.trimmed();
    std::vector<Row> rows;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        Row row;
        for (qsizetype i = 0; i < header.size() && i < cells.size(); ++i)
            row.cells[header[i].trimmed()] = cells[i].trimmed();
        rows.push_back(row);
    }
    return rows;
}

// "name=value±half; ..." with each value and half unit an expression.
std::vector<Check> parseChecks(const QString &text, QString &error)
{
    std::vector<Check> checks;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList nameValue = item.split(u'=');
        const QStringList valueHalf = nameValue.value(1).split(u'±');
        Check check{nameValue.value(0).trimmed(), nameValue.value(1).trimmed()};
        const auto published = evaluate(valueHalf.value(0));
        const auto half = evaluate(valueHalf.value(1));
        if (nameValue.size() != 2 || valueHalf.size() != 2 || !published || !half) {
            error = QStringLiteral("unreadable check \"%1\"").arg(item.trimmed());
            return {};
        }
        check.published = *published;
        check.sourceHalfUnit = *half;
        checks.push_back(check);
    }
    return checks;
}

// Runs `action`, closing every error box it opens; returns their texts.
QStringList answeringErrorBoxes(const std::function<void()> &action)
{
    QStringList seen;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

// The number a field shows, without the pattern's blank and unit.
std::optional<double> shownNumber(QString text)
{
    text.remove(QStringLiteral("日"));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Half a unit of the third significant digit of a " #.##e-0" text.
double scientificHalfUnit(const QString &text)
{
    const qsizetype e = text.indexOf(u'e');
    return e < 0 ? 0.0 : 0.005 * std::pow(10.0, text.mid(e + 1).toDouble());
}

QString fieldText(QWidget &form, const QString &name)
{
    if (auto *label = form.findChild<QLabel *>(name))
        return label->text();
    if (auto *box = form.findChild<QLineEdit *>(name))
        return box->text();
    return QString();
}

// Types one example into a fresh window, presses the button and compares.
std::vector<Outcome> runExample(const Calculator &calc, const Row &row)
{
    Outcome base;
    base.id = row.cell(QStringLiteral("id"));
    base.source = row.cell(QStringLiteral("source"));
    base.model = row.cell(QStringLiteral("model_difference"));

    QString error;
    const std::vector<Check> checks = parseChecks(row.cell(QStringLiteral("checks")), error);
    TForm1 form;
    form.show();
    QStringList boxes;
    if (!calc.kindColumn.isEmpty()) {
        const QString item = row.cell(calc.kindColumn);
        if (auto *action = form.findChild<QAction *>(item))
            boxes << answeringErrorBoxes([action] { action->trigger(); });
        else
            error = QStringLiteral("no menu item %1").arg(item);
    }
    for (const auto &[column, group] : calc.selections) {
        auto *items = form.findChild<QButtonGroup *>(group);
        QAbstractButton *item = items ? items->button(row.cell(column).toInt()) : nullptr;
        if (item)
            boxes << answeringErrorBoxes([item] { item->click(); });
        else
            error = QStringLiteral("no item %1 in %2").arg(row.cell(column), group);
    }
    for (const auto &[column, box] : calc.inputs) {
        if (row.cell(column).isEmpty())
            continue; // the box keeps its default text
        const auto value = evaluate(row.cell(column));
        if (!value)
            error = QStringLiteral("unreadable input %1 \"%2\"").arg(column, row.cell(column));
        else
            form.findChild<QLineEdit *>(box)->setText(typed(*value));
    }
    if (error.isEmpty()) {
        auto *button = form.findChild<QPushButton *>(QString::fromLatin1(calc.button));
        boxes << answeringErrorBoxes([button] { button->click(); });
        if (!boxes.isEmpty())
            error = QStringLiteral("error box: %1").arg(boxes.join(QStringLiteral(" / ")));
    }
    if (checks.empty() && error.isEmpty())
        error = QStringLiteral("no checks");

    std::vector<Outcome> outcomes;
    if (!error.isEmpty()) {
        base.failure = error;
        outcomes.push_back(base);
        return outcomes;
    }
    for (const Check &check : checks) {
        Outcome out = base;
        out.expression = check.expression;
        out.published = check.published;
        const auto result = calc.results.find(check.name);
        if (result == calc.results.end()) {
            out.name = check.name;
            out.failure = QStringLiteral("no result named %1").arg(check.name);
            outcomes.push_back(out);
            continue;
        }
        out.name = QString::fromUtf8(result->second.label);
        out.shown = fieldText(form, QString::fromLatin1(result->second.field));
        out.value = shownNumber(out.shown);
        if (!out.value) {
            out.failure =
                QStringLiteral("%1 shows \"%2\"").arg(QString::fromLatin1(result->second.field), out.shown);
        } else {
            const double display = result->second.displayHalfUnit > 0 ? result->second.displayHalfUnit
                                                                      : scientificHalfUnit(out.shown);
            out.difference = (*out.value - check.published) / std::fabs(check.published);
            out.within = std::fabs(*out.value - check.published) <= check.sourceHalfUnit + display;
        }
        outcomes.push_back(out);
    }
    return outcomes;
}

QString percent(double fraction)
{
    return QStringLiteral("%1 %").arg(QLocale::c().toString(fraction * 100, 'f', 3));
}

// The published value as a number in the program's units, with the row's
// conversion beside it when there is one.
QString publishedText(const Outcome &out)
{
    if (out.expression.isEmpty())
        return QStringLiteral("—");
    const QString value = QLocale::c().toString(out.published, 'g', 6);
    const QString stated = out.expression.section(u'±', 0, 0).trimmed();
    return stated == value ? value : QStringLiteral("%1 (= %2)").arg(value, stated);
}

QString escaped(QString text)
{
    return text.replace(u'|', QStringLiteral("\\|"));
}

// The inputs of a row as typed, "R1 = 40, P = 100, ...", in column order.
QString typedInputs(const Calculator &calc, const Row &row, const QStringList &columns)
{
    QStringList parts;
    for (const QString &column : columns) {
        const QString cell = row.cell(column);
        if (cell.isEmpty())
            continue;
        if (calc.inputs.count(column)) {
            const auto value = evaluate(cell);
            parts << QStringLiteral("%1 = %2").arg(column, value ? typed(*value) : cell);
        } else if (calc.selections.count(column) || column == calc.kindColumn) {
            parts << QStringLiteral("%1 = %2").arg(column, cell);
        }
    }
    return parts.join(QStringLiteral(", "));
}

struct Tally {
    int examples = 0, within = 0, explained = 0, failed = 0;
    double largest = 0;
};

// Runs every row of one calculator and writes its section of the manual.
void runCalculator(const Calculator &calc, const std::vector<Row> &rows, const QStringList &columns,
                   QTextStream &md, Tally &tally, QStringList &sources)
{
    QString details, models;
    QTextStream detail(&details), model(&models);
    md << "\n## " << QString::fromUtf8(calc.title) << "\n\n"
       << "| Example | Result | Published | Shown | Difference | Within tolerance |\n"
       << "|---|---|---|---|---|---|\n";
    for (const Row &row : rows) {
        const std::vector<Outcome> outcomes = runExample(calc, row);
        bool rowWithin = true, rowExplained = false;
        for (const Outcome &out : outcomes) {
            QString verdict = QStringLiteral("yes");
            if (!out.failure.isEmpty()) {
                verdict = QStringLiteral("**no**: ") + out.failure;
                rowWithin = false;
            } else if (!out.within) {
                rowWithin = false;
                rowExplained = !out.model.isEmpty();
                verdict = rowExplained ? QStringLiteral("no: model difference, see below")
                                       : QStringLiteral("**no**");
            } else {
                tally.largest = std::max(tally.largest, std::fabs(out.difference));
            }
            md << "| " << out.id << " | " << out.name << " | " << escaped(publishedText(out)) << " | `"
               << out.shown.trimmed() << "` | " << (out.value ? percent(out.difference) : QStringLiteral("—"))
               << " | " << verdict << " |\n";
            if (!out.within)
                std::fprintf(stderr, "%s %s: %s\n", qPrintable(out.id), qPrintable(out.name),
                             qPrintable(verdict));
        }
        ++tally.examples;
        tally.within += rowWithin;
        tally.explained += !rowWithin && rowExplained;
        tally.failed += !rowWithin && !rowExplained;

        const QString id = row.cell(QStringLiteral("id"));
        const QString source = row.cell(QStringLiteral("source"));
        if (!sources.contains(source))
            sources << source;
        detail << "- **" << id << "**, " << escaped(row.cell(QStringLiteral("where"))) << " in ["
               << sources.indexOf(source) + 1
               << "]. Published: " << escaped(row.cell(QStringLiteral("published")))
               << ". Typed: " << typedInputs(calc, row, columns) << ".";
        if (!row.cell(QStringLiteral("note")).isEmpty())
            detail << " " << escaped(row.cell(QStringLiteral("note")));
        detail << "\n";
        if (!row.cell(QStringLiteral("model_difference")).isEmpty())
            model << "- **" << id << "**: " << escaped(row.cell(QStringLiteral("model_difference"))) << "\n";
    }
    md << "\nThe examples, as published and as typed into the boxes:\n\n" << details;
    if (!models.isEmpty())
        md << "\nWhere the program's model and the source's method differ:\n\n" << models;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tavrel_verify DATA_DIR MANUAL.md\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));

    QString body;
    QTextStream md(&body);
    Tally tally;
    QStringList sources;
    for (const Calculator &calc : calculators()) {
        QString error;
        QStringList columns;
        const std::vector<Row> rows = readRows(data.filePath(QString::fromLatin1(calc.file)), columns, error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
        runCalculator(calc, rows, columns, md, tally, sources);
    }
    md << "\n## Sources / 出典\n\n";
    for (qsizetype i = 0; i < sources.size(); ++i)
        md << i + 1 << ". " << sources[i] << "\n";

    QString summary =
        QStringLiteral("%1 of %2 examples within tolerance").arg(tally.within).arg(tally.examples);
    if (tally.explained > 0)
        summary += QStringLiteral(", %1 outside it by a stated model difference").arg(tally.explained);
    if (tally.failed > 0)
        summary += QStringLiteral(", %1 **failed**").arg(tally.failed);
    summary += QStringLiteral(", largest difference %1").arg(percent(tally.largest));

    QFile head(data.filePath(QStringLiteral("manual-head.md")));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!head.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read manual-head.md or write %s\n", argv[2]);
        return 2;
    }
    QTextStream manual(&out);
    manual.setEncoding(QStringConverter::Utf8);
    manual << QString::fromUtf8(head.readAll()).replace(QStringLiteral("@SUMMARY@"), summary) << body;
    std::printf("%s\n", qPrintable(summary));
    return tally.failed > 0 ? 1 : 0;
}
