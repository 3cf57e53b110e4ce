// Runs one example through the real window: types its inputs into a fresh
// window as a user would, makes its selections, presses the tab's button
// and compares the shown texts with the published values.
#pragma once

#include "tools/verify/calculators.h"
#include "tools/verify/examples.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace verify
{

// One published value against the field that shows it.
struct Outcome {
    QString check;      // the check's name in the row ("P", "tau")
    QString label;      // the result as the manual names it
    QString expression; // the published value as written in the row
    double published = 0;
    double tolerance = 0; // source's half unit plus the field's half unit
    double displayHalfUnit = 0;
    QString shown;
    std::optional<double> value; // the shown number, when there is one
    double difference = 0;       // (shown - published) / |published|
    bool within = false;
    QString failure; // an error box, an empty field or an unknown result
};

struct ExampleRun {
    std::vector<Outcome> outcomes;
    // The number each input box held when the button was pressed, by
    // column: typed values and the defaults of boxes left alone.
    std::map<QString, double> inputs;
    QString caption; // the deflection's caption after the press (beam only)
    QString failure; // set when the example could not be run at all
};

ExampleRun runExample(const Calculator &calc, const Row &row);

} // namespace verify
