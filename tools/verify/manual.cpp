#include "tools/verify/manual.h"

#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace verify
{

QString percent(double fraction)
{
    return QStringLiteral("%1 %").arg(QLocale::c().toString(fraction * 100, 'f', 3));
}

QString signedPercent(double fraction)
{
    return (fraction > 0 ? QStringLiteral("+") : QString()) + percent(fraction);
}

QString number(double value)
{
    return QLocale::c().toString(value, 'g', 6);
}

namespace
{

QString escaped(QString text)
{
    return text.replace(u'|', QStringLiteral("\\|"));
}

// The published value as a number in the program's units, with the row's
// conversion beside it when there is one.
QString publishedText(const Outcome &out)
{
    const QString value = number(out.published);
    const QString stated = out.expression.section(u'±', 0, 0).trimmed();
    return stated == value ? value : QStringLiteral("%1 (= %2)").arg(value, stated);
}

QString verdict(const Evaluated &example, std::size_t i)
{
    const Outcome &out = example.run.outcomes[i];
    const auto &explanation = example.explanations[i];
    if (!out.failure.isEmpty())
        return QStringLiteral("**no**: ") + out.failure;
    if (out.within)
        return QStringLiteral("yes");
    if (example.verdict == Verdict::Trial)
        return QStringLiteral("no: a further trial, not judged, see below");
    if (explanation && explanation->explained)
        return QStringLiteral("no: explained by a model difference, see below");
    return QStringLiteral("**no**: ") +
           (explanation ? explanation->reason : QStringLiteral("outside tolerance"));
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

void resultRows(QTextStream &md, const Evaluated &example)
{
    const QString id = example.row.cell(QStringLiteral("id"));
    if (!example.run.failure.isEmpty()) {
        md << "| " << id << " | — | — | — | — | **no**: " << escaped(example.run.failure) << " |\n";
        return;
    }
    for (std::size_t i = 0; i < example.run.outcomes.size(); ++i) {
        const Outcome &out = example.run.outcomes[i];
        md << "| " << id << " | " << out.label << " | " << escaped(publishedText(out)) << " | `"
           << out.shown.trimmed() << "` | "
           << (out.value ? signedPercent(out.difference) : QStringLiteral("—")) << " | "
           << escaped(verdict(example, i)) << " |\n";
    }
}

// Each difference a model difference explains: what the source's factors
// and the program's own give with the program's formula, and the gap.
void explanationLines(QTextStream &md, const Evaluated &example)
{
    const Row &row = example.row;
    bool first = true;
    for (std::size_t i = 0; i < example.run.outcomes.size(); ++i) {
        const auto &explanation = example.explanations[i];
        if (!explanation || example.run.outcomes[i].within)
            continue;
        if (first)
            md << "- **" << row.cell(QStringLiteral("id"))
               << "** (the source's factors, each with the words that "
               << "print it: " << escaped(row.cell(QStringLiteral("source_factors"))) << "). "
               << escaped(row.cell(QStringLiteral("model_difference"))) << "\n";
        first = false;
        const Outcome &out = example.run.outcomes[i];
        md << "  - " << out.label << ": with the source's factors the program's formula gives "
           << number(explanation->recomputed) << " against the published " << number(out.published) << " (±"
           << number(out.tolerance) << "); with its own factors " << number(explanation->programRecomputed)
           << ", shown as `" << out.shown.trimmed() << "`; the gap in the equivalent load is "
           << signedPercent(explanation->gap) << " (bound ±" << percent(kExplainedGapBound) << "). "
           << (explanation->explained ? QStringLiteral("Explained.")
                                      : QStringLiteral("**Not explained**: ") + explanation->reason)
           << "\n";
    }
}

// What the window shows when the converted inputs are typed rounded to
// four significant digits, as a user would type them.
QString roundedLine(const Calculator &calc, const Evaluated &example, const QStringList &columns)
{
    if (!example.rounded)
        return QString();
    const auto row = roundedRow(calc, example.row);
    QStringList shown;
    for (const Outcome &out : example.rounded->outcomes)
        shown << (out.value ? QStringLiteral("%1 `%2` (%3)")
                                  .arg(out.label, out.shown.trimmed(), signedPercent(out.difference))
                            : QStringLiteral("%1: %2").arg(out.label, out.failure));
    if (!example.rounded->failure.isEmpty())
        shown << example.rounded->failure;
    return QStringLiteral(
               " Typed as a user would round the converted figures, to four significant digits (%1), "
               "the window shows %2.")
        .arg(typedInputs(calc, *row, columns), shown.join(QStringLiteral(", ")));
}

} // namespace

QString calculatorSection(const Calculator &calc, const QStringList &columns,
                          const std::vector<Evaluated> &examples, const QStringList &sources)
{
    QString text, details, explanations;
    QTextStream md(&text), detail(&details), explained(&explanations);
    md << "\n## " << QString::fromUtf8(calc.title) << "\n\n"
       << "| Example | Result | Published | Shown | Difference | Within tolerance |\n"
       << "|---|---|---|---|---|---|\n";
    for (const Evaluated &example : examples) {
        resultRows(md, example);
        explanationLines(explained, example);
        const Row &row = example.row;
        const bool trial = example.verdict == Verdict::Trial;
        detail << "- **" << row.cell(QStringLiteral("id")) << "**" << (trial ? " (a further trial)" : "")
               << ", " << escaped(row.cell(QStringLiteral("where"))) << " in ["
               << sources.indexOf(row.cell(QStringLiteral("source"))) + 1
               << "]. Published: " << escaped(row.cell(QStringLiteral("published")))
               << ". Typed: " << typedInputs(calc, row, columns) << ".";
        if (!row.cell(QStringLiteral("note")).isEmpty())
            detail << " " << escaped(row.cell(QStringLiteral("note")));
        detail << escaped(roundedLine(calc, example, columns)) << "\n";
    }
    md << "\nThe examples, as published and as typed into the boxes:\n\n" << details;
    if (!explanations.isEmpty())
        md << "\nDifferences explained by a difference of model, each recomputed with the program's "
              "formula:\n\n"
           << explanations;
    return text;
}

QString sourcesSection(const QStringList &sources)
{
    QString text;
    QTextStream md(&text);
    md << "\n## Sources / 出典\n\n";
    for (qsizetype i = 0; i < sources.size(); ++i)
        md << i + 1 << ". " << sources[i] << "\n";
    return text;
}

QString summaryLine(const Tally &tally, int problemsWithin)
{
    QString line = QStringLiteral("%1 examples (%2 rows) from %3 sources: %4 within tolerance in every "
                                  "result; %5 rows outside it, each explained by a model difference")
                       .arg(tally.problems.size())
                       .arg(tally.rows - tally.trials)
                       .arg(tally.sources.size())
                       .arg(problemsWithin)
                       .arg(tally.explained);
    if (tally.trials > 0)
        line += QStringLiteral("; %1 further trial(s) on a cited page, measured").arg(tally.trials);
    if (tally.failed > 0)
        line += QStringLiteral("; %1 rows **failed**").arg(tally.failed);
    line += QStringLiteral("; largest difference over every row and trial %1 (%2, %3)")
                .arg(signedPercent(tally.overall.difference), tally.overall.id, tally.overall.label);
    return line;
}

} // namespace verify
