// The verification manual in Markdown: a section per calculator with every
// compared result, the examples as published and as typed (and rounded
// as a user would type them), and each difference a model difference
// explains; then the sources and the summary line.
#pragma once

#include "tools/verify/calculators.h"
#include "tools/verify/evaluation.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace verify
{

QString calculatorSection(const Calculator &calc, const QStringList &columns,
                          const std::vector<Evaluated> &examples, const QStringList &sources);

QString sourcesSection(const QStringList &sources);

// "25 examples (26 rows) from 19 sources: ..., largest difference ..."
QString summaryLine(const Tally &tally, int problemsWithin);

// The relative difference as a percentage with three decimals; the signed
// form carries a plus before a positive value.
QString percent(double fraction);
QString signedPercent(double fraction);

// A number with up to six significant digits, as the manual prints it.
QString number(double value);

} // namespace verify
