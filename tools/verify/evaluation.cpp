#include "tools/verify/evaluation.h"

#include <QLocale>

#include <cmath>

namespace verify
{

namespace
{

QString cellOf(const Row &row, const char *column)
{
    return row.cell(QString::fromLatin1(column));
}

// The checks the row reports as disagreeing, a line each: "delta: why".
QStringList findingChecks(const Row &row)
{
    QStringList checks;
    for (const QString &item : cellOf(row, "finding").split(u'\n', Qt::SkipEmptyParts))
        checks << item.section(u':', 0, 0).trimmed();
    return checks;
}

std::optional<Explanation> explanationOf(Model model, const Row &row, const ExampleRun &run,
                                         const Outcome &out)
{
    QString error;
    const auto factors = parseSourceFactors(cellOf(row, "source_factors"), error);
    if (!factors)
        return Explanation{false, 0, 0, 0, QStringLiteral("source factors: %1").arg(error)};
    if (factors->empty())
        return Explanation{false, 0, 0, 0, QStringLiteral("outside tolerance")};
    const Difference difference{model,         run.inputs, out.check,          out.published,
                                out.tolerance, *out.value, out.displayHalfUnit};
    return explainModelDifference(difference, *factors, cellOf(row, "published"));
}

Verdict worse(Verdict a, Verdict b)
{
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

} // namespace

Evaluated judge(Model model, const Row &row, ExampleRun run)
{
    Evaluated result{row, std::move(run), {}, std::nullopt, Verdict::Within};
    const bool trial = cellOf(row, "role") == QLatin1String("trial");
    if (!result.run.failure.isEmpty()) {
        result.verdict = Verdict::Failed;
        return result;
    }
    const QStringList findings = findingChecks(row);
    for (const Outcome &out : result.run.outcomes) {
        std::optional<Explanation> explanation;
        if (!out.failure.isEmpty()) {
            result.verdict = Verdict::Failed;
        } else if (findings.contains(out.check)) {
            // A reported disagreement that no longer holds must be noticed.
            result.verdict = worse(result.verdict, out.within ? Verdict::Failed : Verdict::Finding);
        } else if (!out.within && !trial) {
            explanation = explanationOf(model, row, result.run, out);
            result.verdict =
                worse(result.verdict, explanation->explained ? Verdict::Explained : Verdict::Failed);
        }
        result.explanations.push_back(explanation);
    }
    if (trial && result.verdict != Verdict::Failed)
        result.verdict = Verdict::Trial;
    return result;
}

std::optional<Row> roundedRow(const Calculator &calc, const Row &row)
{
    Row rounded = row;
    bool changed = false;
    for (const auto &[column, box] : calc.inputs) {
        const QString cell = row.cell(column);
        bool plain = false;
        cell.toDouble(&plain);
        const auto value = evaluate(cell);
        if (cell.isEmpty() || plain || !value)
            continue;
        rounded.cells[column] = QLocale::c().toString(*value, 'g', 4);
        changed = changed || rounded.cells[column] != typed(*value);
    }
    return changed ? std::optional(rounded) : std::nullopt;
}

Evaluated evaluate(const Calculator &calc, const Row &row)
{
    Evaluated result = judge(calc.model, row, runExample(calc, row));
    if (const auto rounded = roundedRow(calc, row))
        result.rounded = runExample(calc, *rounded);
    return result;
}

namespace
{

void keepLargest(Largest &largest, const Outcome &out, const QString &id)
{
    if (out.value && std::fabs(out.difference) > std::fabs(largest.difference))
        largest = {out.difference, id, out.label};
}

} // namespace

void count(Tally &tally, const Evaluated &example)
{
    const Row &row = example.row;
    const QString id = cellOf(row, "id");
    const QString problem = cellOf(row, "problem").isEmpty() ? id : cellOf(row, "problem");
    if (!tally.sources.contains(cellOf(row, "source")))
        tally.sources << cellOf(row, "source");
    ++tally.rows;
    if (example.verdict != Verdict::Trial && !tally.problems.contains(problem))
        tally.problems << problem;
    tally.within += example.verdict == Verdict::Within;
    tally.explained += example.verdict == Verdict::Explained;
    tally.findings += example.verdict == Verdict::Finding;
    tally.trials += example.verdict == Verdict::Trial;
    tally.failed += example.verdict == Verdict::Failed;
    for (const Outcome &out : example.run.outcomes)
        keepLargest(tally.overall, out, id);
    if (example.rounded)
        for (const Outcome &out : example.rounded->outcomes)
            keepLargest(tally.rounded, out, id);
}

int problemsWithin(const std::vector<Evaluated> &rows)
{
    QStringList all, spoilt;
    for (const Evaluated &e : rows) {
        if (e.verdict == Verdict::Trial)
            continue;
        const QString problem =
            cellOf(e.row, "problem").isEmpty() ? cellOf(e.row, "id") : cellOf(e.row, "problem");
        if (!all.contains(problem))
            all << problem;
        if (e.verdict != Verdict::Within && !spoilt.contains(problem))
            spoilt << problem;
    }
    return static_cast<int>(all.size() - spoilt.size());
}

} // namespace verify
