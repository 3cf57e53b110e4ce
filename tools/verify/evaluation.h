// One row judged as a whole: run through the window, and every result
// outside its tolerance put to the explanation of a model difference.
#pragma once

#include "tools/verify/calculators.h"
#include "tools/verify/examples.h"
#include "tools/verify/model_difference.h"
#include "tools/verify/window_run.h"

#include <optional>
#include <vector>

namespace verify
{

enum class Verdict {
    Within,    // every compared result within its tolerance
    Explained, // the others explained by a model difference
    Finding,   // the others disagree as the row's `finding` cell reports
    Trial,     // a further trial on a cited page: measured, not judged
    Failed,    // an error, an empty field, or an unexplained difference
};

struct Evaluated {
    Row row;
    ExampleRun run;
    std::vector<std::optional<Explanation>> explanations; // one per outcome, for those outside
    // The same row typed as a user would round its converted inputs (four
    // significant digits), where that changes what is typed.
    std::optional<ExampleRun> rounded;
    Verdict verdict = Verdict::Failed;
};

// Judges the run of a row. Its "source_factors" cell names the source's
// own factors for a model difference; its "finding" cell names the checks
// that are reported to disagree, a line each ("delta: why"); its "role" cell is
// "trial" for a further trial on a cited page.
Evaluated judge(Model model, const Row &row, ExampleRun run);

Evaluated evaluate(const Calculator &calc, const Row &row);

// The row with every input that is not typed as a plain number (a unit
// conversion, a quotient) rounded to four significant digits; empty when
// nothing changes.
std::optional<Row> roundedRow(const Calculator &calc, const Row &row);

// Counts over the rows of the published sources. An example is a problem
// of a source: rows that type the same problem another way share its
// "problem" cell and count once.
struct Largest {
    double difference = 0; // relative, signed
    QString id, label;
};

struct Tally {
    int rows = 0, within = 0, explained = 0, findings = 0, trials = 0, failed = 0;
    QStringList problems, sources;
    Largest overall; // over every compared value of every row, trials included
    Largest rounded; // over the rows typed rounded
};

void count(Tally &tally, const Evaluated &example);

// The number of examples whose rows are all within their tolerance.
int problemsWithin(const std::vector<Evaluated> &rows);

} // namespace verify
