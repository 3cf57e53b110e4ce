#include "tools/verify/fe_study.h"

#include "tools/verify/calculators.h"
#include "tools/verify/manual.h"

#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace verify
{

namespace
{

constexpr const char *kMeshes[] = {"coarse", "medium", "fine"};

// The tolerance must be at least this many times the change from the
// medium to the fine mesh.
constexpr double kJustifyingFactor = 3;

std::optional<double> parsed(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

FeLine lineOf(const std::map<QString, QString> &cells)
{
    const auto cell = [&cells](const char *name) {
        const auto it = cells.find(QString::fromLatin1(name));
        return it == cells.end() ? QString() : it->second;
    };
    FeLine line{cell("row"),
                cell("model"),
                cell("title"),
                cell("inputs"),
                cell("check"),
                cell("measured"),
                {},
                cell("tolerance").toDouble(),
                cell("nodes").toInt(),
                cell("seconds").toDouble()};
    for (int i = 0; i < 3; ++i)
        line.values[i] = parsed(cell(kMeshes[i]));
    return line;
}

double fine(const FeLine &line)
{
    return line.values[2].value_or(NAN);
}

// The change from the medium to the fine mesh, relative to the fine.
std::optional<double> lastChange(const FeLine &line)
{
    if (!line.values[1] || !line.values[2])
        return std::nullopt;
    return (*line.values[2] - *line.values[1]) / std::fabs(*line.values[2]);
}

QString fixed(double value, int decimals)
{
    return QLocale::c().toString(value, 'f', decimals);
}

} // namespace

std::optional<FeStudy> readFeStudy(const QString &path, QString &error)
{
    const std::optional<QStringList> lines = openTable(path, error);
    if (!lines)
        return std::nullopt;
    FeStudy study;
    QStringList header;
    for (const QString &line : *lines) {
        if (line.startsWith(QLatin1String("# solver\t")))
            study.solver = line.section(u'\t', 1).trimmed();
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        const QStringList cells = line.split(u'\t');
        if (header.isEmpty()) {
            header = cells;
            continue;
        }
        std::map<QString, QString> named;
        for (qsizetype i = 0; i < header.size() && i < cells.size(); ++i)
            named[header[i]] = cells[i];
        study.lines.push_back(lineOf(named));
    }
    if (study.lines.empty())
        error = QStringLiteral("%1 holds no results").arg(path);
    return study.lines.empty() ? std::nullopt : std::optional(study);
}

FeFindings readFeFindings(const QString &path)
{
    FeFindings findings;
    QString unread;
    for (const QString &line : openTable(path, unread).value_or(QStringList())) {
        const QStringList cells = line.split(u'\t');
        if (cells.size() >= 3 && !cells[0].startsWith(u'#') && cells[0] != QLatin1String("row"))
            findings[{cells[0].trimmed(), cells[1].trimmed()}] = cells[2].trimmed();
    }
    return findings;
}

std::vector<Row> feRows(const FeStudy &study, const FeFindings &findings)
{
    std::vector<Row> rows;
    std::map<QString, std::size_t> index;
    for (const FeLine &line : study.lines) {
        auto [it, fresh] = index.emplace(line.row, rows.size());
        if (fresh) {
            Row row;
            row.cells[QStringLiteral("id")] = line.row;
            row.cells[QStringLiteral("source")] =
                QStringLiteral("Finite-element study with %1").arg(study.solver);
            row.cells[QStringLiteral("where")] = line.title;
            for (const QString &item : line.inputs.split(u';', Qt::SkipEmptyParts))
                row.cells[item.section(u'=', 0, 0).trimmed()] = item.section(u'=', 1).trimmed();
            rows.push_back(row);
        }
        Row &row = rows[it->second];
        const double value = fine(line);
        QString &checks = row.cells[QStringLiteral("checks")];
        checks += QStringLiteral("%1%2=%3±%4")
                      .arg(checks.isEmpty() ? QString() : QStringLiteral("; "), line.check,
                           QString::number(value, 'g', 9),
                           QString::number(line.tolerance * std::fabs(value), 'g', 6));
        const auto finding = findings.find({line.row, line.check});
        if (finding != findings.end())
            row.cells[QStringLiteral("finding")] +=
                QStringLiteral("%1: %2\n").arg(line.check, finding->second);
    }
    return rows;
}

QStringList unjustifiedTolerances(const FeStudy &study)
{
    QStringList faults;
    for (const FeLine &line : study.lines) {
        const auto change = lastChange(line);
        if (!change)
            faults << QStringLiteral("%1 %2: no medium and fine values").arg(line.row, line.check);
        else if (line.tolerance < kJustifyingFactor * std::fabs(*change))
            faults << QStringLiteral("%1 %2: tolerance %3 below %4 times the last change %5")
                          .arg(line.row, line.check, percent(line.tolerance))
                          .arg(kJustifyingFactor)
                          .arg(percent(*change));
    }
    return faults;
}

namespace
{

void modelTable(QTextStream &md, const FeStudy &study)
{
    md << "| Model | What | Typed into the window | Nodes (fine mesh) | Time for the three meshes |\n"
       << "|---|---|---|---|---|\n";
    QStringList seen;
    for (const FeLine &line : study.lines) {
        if (seen.contains(line.row))
            continue;
        seen << line.row;
        md << "| " << line.row << " | " << line.title << " | " << QString(line.inputs).replace(u';', u',')
           << " | " << line.nodes << " | " << fixed(line.seconds, 1) << " s |\n";
    }
}

const Outcome *outcomeOf(const std::vector<Evaluated> &rows, const FeLine &line, const Evaluated **row)
{
    for (const Evaluated &e : rows)
        if (e.row.cell(QStringLiteral("id")) == line.row)
            for (const Outcome &out : e.run.outcomes)
                if (out.check == line.check) {
                    *row = &e;
                    return &out;
                }
    return nullptr;
}

QString verdictOf(const Evaluated &row, const Outcome &out)
{
    if (!out.failure.isEmpty())
        return QStringLiteral("**no**: ") + out.failure;
    if (out.within)
        return row.row.cell(QStringLiteral("finding")).contains(out.check + u':')
                   ? QStringLiteral("**yes, though reported as a finding**")
                   : QStringLiteral("yes");
    return row.verdict == Verdict::Failed ? QStringLiteral("**no**")
                                          : QStringLiteral("no: finding, see below");
}

void resultTable(QTextStream &md, const FeStudy &study, const std::vector<Evaluated> &rows)
{
    md << "| Row | Result | Coarse | Medium | Fine | Medium → fine | Tolerance | Shown | Difference | Within "
          "tolerance |\n|---|---|---|---|---|---|---|---|---|---|\n";
    for (const FeLine &line : study.lines) {
        const Evaluated *row = nullptr;
        const Outcome *out = outcomeOf(rows, line, &row);
        const auto change = lastChange(line);
        md << "| " << line.row << " | " << (out ? out->label : line.check)
           << (line.measured != line.check ? QStringLiteral(" (largest)") : QString());
        for (const auto &value : line.values)
            md << " | " << (value ? number(*value) : QStringLiteral("—"));
        md << " | " << (change ? signedPercent(*change) : QStringLiteral("—")) << " | ±"
           << percent(line.tolerance);
        if (!out) {
            md << " | — | — | **no**: not run |\n";
            continue;
        }
        md << " | `" << out->shown.trimmed() << "` | "
           << (out->value ? signedPercent(out->difference) : QStringLiteral("—")) << " | "
           << verdictOf(*row, *out) << " |\n";
    }
}

} // namespace

QStringList findingSummaries(const std::vector<Evaluated> &rows)
{
    QStringList found;
    for (const Evaluated &e : rows)
        for (const Outcome &out : e.run.outcomes)
            if (e.row.cell(QStringLiteral("finding")).contains(out.check + u':') && out.value)
                found << QStringLiteral("%1 %2 %3")
                             .arg(e.row.cell(QStringLiteral("id")), out.label, signedPercent(out.difference));
    return found;
}

QString feSection(const FeStudy &study, const std::vector<Evaluated> &rows)
{
    QString text;
    QTextStream md(&text);
    md << "\n## Finite-element study / 有限要素法による照合\n\n"
       << "Solver: " << study.solver
       << " (Debian's calculix-ccx). The models, the inputs typed into the window "
       << "for each, the size of the fine mesh and the time the three meshes took on the machine that ran "
       << "`make verify-fe`:\n\n";
    modelTable(md, study);
    md << "\nEach result on the three meshes, the change from the medium to the fine mesh, the tolerance, "
       << "what the window shows for the model's inputs, and its difference from the fine mesh's value "
       << "(within tolerance when it lies within the tolerance plus half a unit of the field's last "
          "digit):\n\n";
    resultTable(md, study, rows);
    QString findings;
    for (const Evaluated &e : rows)
        for (const QString &item : e.row.cell(QStringLiteral("finding")).split(u'\n', Qt::SkipEmptyParts))
            findings +=
                QStringLiteral("- **%1**, %2\n").arg(e.row.cell(QStringLiteral("id")), item.trimmed());
    if (!findings.isEmpty())
        md << "\nFindings: results the window shows that disagree with the finite-element models, and "
              "why:\n\n"
           << findings;
    return text;
}

} // namespace verify
