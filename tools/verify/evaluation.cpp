#include "tools/verify/evaluation.h"

#include <cmath>

namespace verify
{

Evaluated judge(Model model, const Row &row, ExampleRun run)
{
    Evaluated result{row, std::move(run), {}, Verdict::Within};
    if (!result.run.failure.isEmpty()) {
        result.verdict = Verdict::Failed;
        return result;
    }
    QString error;
    const auto factors = parseFactors(row.cell(QStringLiteral("source_factors")), error);
    for (const Outcome &out : result.run.outcomes) {
        std::optional<Proof> proof;
        if (!out.failure.isEmpty()) {
            result.verdict = Verdict::Failed;
        } else if (!out.within) {
            const Difference difference{model,         result.run.inputs, out.check,          out.published,
                                        out.tolerance, *out.value,        out.displayHalfUnit};
            proof = factors ? proveModelDifference(difference, *factors)
                            : Proof{false, 0, 0, QStringLiteral("source factors: %1").arg(error)};
            if (!proof->proven)
                result.verdict = Verdict::Failed;
            else if (result.verdict == Verdict::Within)
                result.verdict = Verdict::ModelProven;
        }
        result.proofs.push_back(proof);
    }
    return result;
}

Evaluated evaluate(const Calculator &calc, const Row &row)
{
    return judge(calc.model, row, runExample(calc, row));
}

namespace
{

void keepLargest(Largest &largest, const Outcome &out, const QString &id)
{
    if (std::fabs(out.difference) > std::fabs(largest.difference))
        largest = {out.difference, id, out.label};
}

} // namespace

void count(Tally &tally, const Evaluated &example)
{
    const QString id = example.row.cell(QStringLiteral("id"));
    const QString source = example.row.cell(QStringLiteral("source"));
    if (!tally.sources.contains(source))
        tally.sources << source;
    ++tally.examples;
    tally.within += example.verdict == Verdict::Within;
    tally.proven += example.verdict == Verdict::ModelProven;
    tally.failed += example.verdict == Verdict::Failed;
    for (const Outcome &out : example.run.outcomes) {
        if (!out.value)
            continue;
        keepLargest(tally.overall, out, id);
        if (out.within)
            keepLargest(tally.withinTolerance, out, id);
    }
}

} // namespace verify
