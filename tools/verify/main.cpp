// Runs the window through published worked examples and writes the
// verification manual:
//   tavrel_verify DATA_DIR MANUAL.md
// DATA_DIR holds one tab-separated file per calculator (hertz.tsv, beam.tsv,
// bearing.tsv) and the manual's head text (manual-head.md). Beside the
// manual, verification/load-factors.svg receives the plot of the bearing
// tab's load factors against the catalogue method. The exit status is 1
// when an example fails: an error box, an empty field, or a result outside
// its tolerance that no proven model difference explains.
#include "tools/verify/evaluation.h"
#include "tools/verify/load_factors_plot.h"
#include "tools/verify/load_factors_report.h"
#include "tools/verify/manual.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace
{

using namespace verify;

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Runs every example of one calculator; reports each failure on stderr.
std::vector<Evaluated> runAll(const Calculator &calc, const ExampleFile &file, Tally &tally)
{
    std::vector<Evaluated> examples;
    for (const Row &row : file.rows) {
        examples.push_back(evaluate(calc, row));
        count(tally, examples.back());
        if (examples.back().verdict == Verdict::Failed)
            std::fprintf(stderr, "%s failed\n", qPrintable(row.cell(QStringLiteral("id"))));
    }
    return examples;
}

// The head text's @NAME@ fields: the counts and the largest differences.
QString filledHead(QString head, const Tally &tally, const Comparison &loads)
{
    const auto life = [](double ratio) { return signedPercent(1 / std::pow(ratio, 3) - 1); };
    const std::vector<std::pair<const char *, QString>> fields = {
        {"@SUMMARY@", summaryLine(tally)},
        {"@EXAMPLES@", QString::number(tally.examples)},
        {"@SOURCES@", QString::number(tally.sources.size())},
        {"@WITHIN@", QString::number(tally.within)},
        {"@PROVEN@", QString::number(tally.proven)},
        {"@FAILED@", QString::number(tally.failed)},
        {"@LARGEST@", signedPercent(tally.overall.difference)},
        {"@LARGEST_AT@", tally.overall.id + QStringLiteral(" の ") + tally.overall.label},
        {"@LARGEST_WITHIN@", signedPercent(tally.withinTolerance.difference)},
        {"@LF_P_MAX@", signedPercent(loads.largest.ratio - 1)},
        {"@LF_LH_MIN@", life(loads.largest.ratio)},
        {"@LF_P_MIN@", signedPercent(loads.smallest.ratio - 1)},
        {"@LF_LH_MAX@", life(loads.smallest.ratio)},
    };
    for (const auto &[name, value] : fields)
        head.replace(QLatin1String(name), value);
    return head;
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
    const QString manualPath = QString::fromLocal8Bit(argv[2]);

    Tally tally;
    QString body;
    for (const Calculator &calc : calculators()) {
        QString error;
        const auto file = readExampleFile(data.filePath(QString::fromLatin1(calc.file)), error);
        if (!file) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
        const std::vector<Evaluated> examples = runAll(calc, *file, tally);
        body += calculatorSection(calc, file->columns, examples, tally.sources);
    }
    const Comparison loads = fullComparison();
    const QString plot = QStringLiteral("verification/load-factors.svg");
    body += loadFactorSection(loads, withinTableComparison(), plot);
    body += sourcesSection(tally.sources);

    QFile head(data.filePath(QStringLiteral("manual-head.md")));
    const QDir manualDir = QFileInfo(manualPath).dir();
    manualDir.mkpath(QStringLiteral("verification"));
    if (!head.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !writeFile(manualDir.filePath(plot), QByteArray::fromStdString(loadFactorPlotSvg())) ||
        !writeFile(manualPath,
                   (filledHead(QString::fromUtf8(head.readAll()), tally, loads) + body).toUtf8())) {
        std::fprintf(stderr, "cannot read manual-head.md or write %s and its plot\n", argv[2]);
        return 2;
    }
    std::printf("%s\n", qPrintable(summaryLine(tally)));
    return tally.failed > 0 ? 1 : 0;
}
