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

QString verdict(const Outcome &out, const std::optional<Proof> &proof)
{
    if (!out.failure.isEmpty())
        return QStringLiteral("**no**: ") + out.failure;
    if (out.within)
        return QStringLiteral("yes");
    if (proof && proof->proven)
        return QStringLiteral("no: proven model difference, see below");
    return QStringLiteral("**no**: ") + (proof ? proof->reason : QStringLiteral("outside tolerance"));
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
           << escaped(verdict(out, example.proofs[i])) << " |\n";
    }
}

// Each recomputed difference: what the source's factors and the program's
// own give with the program's formula, under the row's account of it.
void proofLines(QTextStream &md, const Evaluated &example)
{
    const Row &row = example.row;
    bool first = true;
    for (std::size_t i = 0; i < example.run.outcomes.size(); ++i) {
        const auto &proof = example.proofs[i];
        if (!proof)
            continue;
        if (first)
            md << "- **" << row.cell(QStringLiteral("id")) << "** (source's factors "
               << row.cell(QStringLiteral("source_factors")) << "). "
               << escaped(row.cell(QStringLiteral("model_difference"))) << "\n";
        first = false;
        const Outcome &out = example.run.outcomes[i];
        md << "  - " << out.label << ": with the source's factors the program's formula gives "
           << number(proof->recomputed) << " against the published " << number(out.published) << " (±"
           << number(out.tolerance) << "); with its own factors " << number(proof->programRecomputed)
           << ", shown as `" << out.shown.trimmed() << "`. "
           << (proof->proven ? QStringLiteral("Proven.") : QStringLiteral("**Not proven**: ") + proof->reason)
           << "\n";
    }
}

} // namespace

QString calculatorSection(const Calculator &calc, const QStringList &columns,
                          const std::vector<Evaluated> &examples, const QStringList &sources)
{
    QString text, details, proofs;
    QTextStream md(&text), detail(&details), proof(&proofs);
    md << "\n## " << QString::fromUtf8(calc.title) << "\n\n"
       << "| Example | Result | Published | Shown | Difference | Within tolerance |\n"
       << "|---|---|---|---|---|---|\n";
    for (const Evaluated &example : examples) {
        resultRows(md, example);
        proofLines(proof, example);
        const Row &row = example.row;
        detail << "- **" << row.cell(QStringLiteral("id")) << "**, "
               << escaped(row.cell(QStringLiteral("where"))) << " in ["
               << sources.indexOf(row.cell(QStringLiteral("source"))) + 1
               << "]. Published: " << escaped(row.cell(QStringLiteral("published")))
               << ". Typed: " << typedInputs(calc, row, columns) << ".";
        if (!row.cell(QStringLiteral("note")).isEmpty())
            detail << " " << escaped(row.cell(QStringLiteral("note")));
        detail << "\n";
    }
    md << "\nThe examples, as published and as typed into the boxes:\n\n" << details;
    if (!proofs.isEmpty())
        md << "\nModel differences, each recomputed with the program's formula:\n\n" << proofs;
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

QString summaryLine(const Tally &tally)
{
    QString line = QStringLiteral("%1 examples from %2 sources: %3 within tolerance, %4 outside it by a "
                                  "proven model difference")
                       .arg(tally.examples)
                       .arg(tally.sources.size())
                       .arg(tally.within)
                       .arg(tally.proven);
    if (tally.failed > 0)
        line += QStringLiteral(", %1 **failed**").arg(tally.failed);
    line += QStringLiteral("; largest difference over all results %1 (%2, %3), within tolerance %4 (%5, %6)")
                .arg(signedPercent(tally.overall.difference), tally.overall.id, tally.overall.label,
                     signedPercent(tally.withinTolerance.difference), tally.withinTolerance.id,
                     tally.withinTolerance.label);
    return line;
}

} // namespace verify
