// One example judged as a whole: run through the window, and every result
// outside its tolerance put to the proof of a model difference.
#pragma once

#include "tools/verify/calculators.h"
#include "tools/verify/examples.h"
#include "tools/verify/model_proof.h"
#include "tools/verify/window_run.h"

#include <optional>
#include <vector>

namespace verify
{

enum class Verdict {
    Within,      // every compared result within its tolerance
    ModelProven, // the others explained by a proven model difference
    Failed,      // an error, an empty field, or an unexplained difference
};

struct Evaluated {
    Row row;
    ExampleRun run;
    std::vector<std::optional<Proof>> proofs; // one per outcome, for those outside
    Verdict verdict = Verdict::Failed;
};

// Judges the run of a row; the row's "source_factors" cell names the
// source's own factors for the proof of a model difference.
Evaluated judge(Model model, const Row &row, ExampleRun run);

Evaluated evaluate(const Calculator &calc, const Row &row);

// Counts over all examples; the largest difference is over every compared
// result, inside its tolerance or not.
struct Largest {
    double difference = 0; // relative, signed
    QString id, label;
};

struct Tally {
    int examples = 0, within = 0, proven = 0, failed = 0;
    QStringList sources;
    Largest overall, withinTolerance;
};

void count(Tally &tally, const Evaluated &example);

} // namespace verify
