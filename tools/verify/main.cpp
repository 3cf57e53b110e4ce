// Runs the window through published worked examples and through the
// finite-element study, and writes the verification manual:
//   tavrel_verify DATA_DIR MANUAL.md
// DATA_DIR holds one tab-separated file per calculator (hertz.tsv, beam.tsv,
// bearing.tsv), the finite-element study (fe-results.tsv, written by `make
// verify-fe`) with its findings (fe-findings.tsv), and the manual's head
// text (manual-head.md). Beside the manual, verification/load-factors.svg
// receives the plot of the bearing tab's load factors against ISO 281. The
// exit status is 1 when a row fails (an error box, an empty field, or a
// result outside its tolerance that no model difference explains), when a
// finite-element tolerance is not justified by the convergence of its
// meshes, or when a result field the window shows has no check.
#include "tools/verify/coverage.h"
#include "tools/verify/evaluation.h"
#include "tools/verify/fe_study.h"
#include "tools/verify/load_factors_plot.h"
#include "tools/verify/load_factors_report.h"
#include "tools/verify/manual.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace
{

using namespace verify;

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

void reportFaults(const QStringList &faults, const char *what)
{
    for (const QString &fault : faults)
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(fault));
}

struct Published {
    std::vector<Evaluated> rows;
    QString body;
    Tally tally;
};

// Every published example of every calculator, run and written up.
std::optional<Published> runPublished(const QDir &data)
{
    Published published;
    for (const Calculator &calc : calculators()) {
        QString error;
        const auto file = readExampleFile(data.filePath(QString::fromLatin1(calc.file)), error);
        if (!file) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return std::nullopt;
        }
        std::vector<Evaluated> rows;
        for (const Row &row : file->rows) {
            rows.push_back(evaluate(calc, row));
            count(published.tally, rows.back());
            if (rows.back().verdict == Verdict::Failed)
                std::fprintf(stderr, "%s failed\n", qPrintable(row.cell(QStringLiteral("id"))));
        }
        published.body += calculatorSection(calc, file->columns, rows, published.tally.sources);
        published.rows.insert(published.rows.end(), rows.begin(), rows.end());
    }
    return published;
}

// The finite-element rows, each run through the window as the calculator
// its inputs belong to.
std::vector<Evaluated> runSolver(const FeStudy &study, const FeFindings &findings, int &failed)
{
    std::vector<Evaluated> rows;
    for (const Row &row : feRows(study, findings)) {
        const Model model = row.cell(QStringLiteral("kind")).isEmpty() ? Model::Beam : Model::Hertz;
        rows.push_back(evaluate(calculator(model), row));
        if (rows.back().verdict == Verdict::Failed) {
            ++failed;
            std::fprintf(stderr, "%s failed\n", qPrintable(row.cell(QStringLiteral("id"))));
        }
    }
    return rows;
}

int countVerdict(const std::vector<Evaluated> &rows, Verdict verdict)
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [verdict](const Evaluated &e) { return e.verdict == verdict; }));
}

int countChecks(const std::vector<Evaluated> &rows)
{
    int checks = 0;
    for (const Evaluated &e : rows)
        checks += static_cast<int>(e.run.outcomes.size());
    return checks;
}

// The head text's @NAME@ fields: the counts, the largest differences, the
// fields only the finite-element study checks.
QString filledHead(QString head, const Published &published, const std::vector<Evaluated> &solver,
                   const std::vector<FieldCoverage> &fields, const Comparison &loads,
                   const QString &solverName)
{
    const Tally &t = published.tally;
    const auto life = [](double ratio) { return signedPercent(1 / std::pow(ratio, 3) - 1); };
    const std::vector<std::pair<const char *, QString>> values = {
        {"@SUMMARY@", summaryLine(t, problemsWithin(published.rows))},
        {"@EXAMPLES@", QString::number(t.problems.size())},
        {"@ROWS@", QString::number(t.rows - t.trials)},
        {"@SOURCES@", QString::number(t.sources.size())},
        {"@WITHIN@", QString::number(problemsWithin(published.rows))},
        {"@EXPLAINED@", QString::number(t.explained)},
        {"@TRIALS@", QString::number(t.trials)},
        {"@FAILED@", QString::number(t.failed + countVerdict(solver, Verdict::Failed))},
        {"@LARGEST@", signedPercent(t.overall.difference)},
        {"@LARGEST_AT@", t.overall.id + QStringLiteral(" の ") + t.overall.label},
        {"@ROUNDED@", signedPercent(t.rounded.difference)},
        {"@ROUNDED_AT@", t.rounded.id + QStringLiteral(" の ") + t.rounded.label},
        {"@FE_SOLVER@", solverName},
        {"@FE_CHECKS@", QString::number(countChecks(solver))},
        {"@FE_FINDINGS@", QString::number(countVerdict(solver, Verdict::Finding))},
        {"@FE_FINDING_LIST@", findingSummaries(solver).join(QStringLiteral("、"))},
        {"@SOLVER_ONLY_JA@", solverOnly(fields, true).join(QStringLiteral("、"))},
        {"@SOLVER_ONLY_EN@", solverOnly(fields, false).join(QStringLiteral("; "))},
        {"@LF_P_MAX@", signedPercent(loads.largest.ratio - 1)},
        {"@LF_LH_MIN@", life(loads.largest.ratio)},
        {"@LF_P_MIN@", signedPercent(loads.smallest.ratio - 1)},
        {"@LF_LH_MAX@", life(loads.smallest.ratio)},
    };
    for (const auto &[name, value] : values)
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
    auto published = runPublished(data);
    QString error;
    const auto study = readFeStudy(data.filePath(QStringLiteral("fe-results.tsv")), error);
    if (!published || !study) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    int solverFailed = 0;
    const auto solver =
        runSolver(*study, readFeFindings(data.filePath(QStringLiteral("fe-findings.tsv"))), solverFailed);
    const QStringList unjustified = unjustifiedTolerances(*study);
    const auto fields = coverage(published->rows, solver);
    const QStringList missing = unchecked(fields);
    reportFaults(unjustified, "tolerance not justified");
    reportFaults(missing, "field without a check");

    const Comparison loads = fullComparison();
    const QString plot = QStringLiteral("verification/load-factors.svg");
    const QString body = published->body + feSection(*study, solver) + coverageSection(fields) +
                         loadFactorSection(loads, staticCapacityComparison(), plot) +
                         sourcesSection(published->tally.sources);
    QFile head(data.filePath(QStringLiteral("manual-head.md")));
    const QDir manualDir = QFileInfo(manualPath).dir();
    manualDir.mkpath(QStringLiteral("verification"));
    if (!head.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !writeFile(manualDir.filePath(plot), QByteArray::fromStdString(loadFactorPlotSvg())) ||
        !writeFile(manualPath, (filledHead(QString::fromUtf8(head.readAll()), *published, solver, fields,
                                           loads, study->solver) +
                                body)
                                   .toUtf8())) {
        std::fprintf(stderr, "cannot read manual-head.md or write %s and its plot\n", argv[2]);
        return 2;
    }
    std::printf("%s\n", qPrintable(summaryLine(published->tally, problemsWithin(published->rows))));
    std::printf("finite-element study: %d comparisons, %d findings, %d rows failed\n", countChecks(solver),
                countVerdict(solver, Verdict::Finding), solverFailed);
    const bool failed =
        published->tally.failed > 0 || solverFailed > 0 || !unjustified.isEmpty() || !missing.isEmpty();
    return failed ? 1 : 0;
}
