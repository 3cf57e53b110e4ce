#include "tools/verify/window_run.h"

#include "app/form1.h"
#include "driver/driver.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace verify
{

namespace
{

using tavrel::driver::Driver;
using tavrel::driver::Step;

// The number a field shows, without the pattern's blank and unit.
std::optional<double> shownNumber(QString text)
{
    text.remove(QStringLiteral("日"));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Half a unit of the third significant digit of a " #.##e-0" text.
double scientificHalfUnit(const QString &text)
{
    const qsizetype e = text.indexOf(u'e');
    return e < 0 ? 0.0 : 0.005 * std::pow(10.0, text.mid(e + 1).toDouble());
}

// The depth of the largest shear stress in the diagram's values:
// "τmax = 0.310 p_max、深さ z = 0.48 a = 19.230 mm".
QString depthText(const QString &values)
{
    static const QRegularExpression depth(QStringLiteral("深さ z = [0-9.]+ [ab] = ([0-9.]+) mm"));
    const auto match = depth.match(values);
    return match.hasMatch() ? match.captured(0) : QString();
}

std::optional<double> depthNumber(const QString &text)
{
    const QString number = text.section(u'=', -1).remove(QStringLiteral("mm")).trimmed();
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The steps that choose the row's contact kind and selections, then type
// its inputs; empty, with `failure` set, when the row cannot be typed.
QList<Step> stepsOf(const Calculator &calc, const Row &row, QString &failure)
{
    QList<Step> steps;
    if (!calc.kindColumn.isEmpty()) {
        const auto item = calc.kinds.find(row.cell(calc.kindColumn));
        if (item == calc.kinds.end()) {
            failure = QStringLiteral("no kind %1").arg(row.cell(calc.kindColumn));
            return {};
        }
        steps << tavrel::driver::chooseContact(item->second);
    }
    for (const auto &[column, group] : calc.selections)
        steps << tavrel::driver::choose(group, row.cell(column).toInt());
    for (const auto &[column, box] : calc.inputs) {
        if (row.cell(column).isEmpty())
            continue; // the box keeps its default text
        const auto value = evaluate(row.cell(column));
        if (!value) {
            failure = QStringLiteral("unreadable input %1 \"%2\"").arg(column, row.cell(column));
            return {};
        }
        steps << tavrel::driver::type(box, typed(*value));
    }
    return steps;
}

Outcome compare(const Driver &driver, const Calculator &calc, const Check &check, const QString &diagram)
{
    Outcome out;
    out.check = check.name;
    out.label = check.name;
    out.expression = check.expression;
    out.published = check.published;
    const auto result = calc.results.find(check.name);
    if (result == calc.results.end()) {
        out.failure = QStringLiteral("no result named %1").arg(check.name);
        return out;
    }
    const ResultField &field = result->second;
    out.label = QString::fromUtf8(field.label);
    out.shown = field.field ? driver.text(*field.field) : depthText(diagram);
    out.value = field.field ? shownNumber(out.shown) : depthNumber(out.shown);
    if (!out.value) {
        out.failure = QStringLiteral("%1 shows \"%2\"").arg(out.label, out.shown);
        return out;
    }
    out.displayHalfUnit = field.displayHalfUnit > 0 ? field.displayHalfUnit : scientificHalfUnit(out.shown);
    out.tolerance = check.sourceHalfUnit + out.displayHalfUnit;
    out.difference = (*out.value - check.published) / std::fabs(check.published);
    out.within = std::fabs(*out.value - check.published) <= out.tolerance;
    return out;
}

} // namespace

ExampleRun runExample(const Calculator &calc, const Row &row)
{
    ExampleRun run;
    const std::vector<Check> checks = parseChecks(row.cell(QStringLiteral("checks")), run.failure);
    if (checks.empty() && run.failure.isEmpty())
        run.failure = QStringLiteral("no checks");
    if (!run.failure.isEmpty())
        return run;

    QList<Step> steps = stepsOf(calc, row, run.failure);
    if (!run.failure.isEmpty())
        return run;
    steps << tavrel::driver::press(calc.tab);
    TForm1 form;
    form.show();
    Driver driver(form, [&run](const QString &message) { run.failure = message; });
    driver.showTab(calc.tab);
    const QStringList boxes = driver.run(steps);
    if (run.failure.isEmpty() && !boxes.isEmpty())
        run.failure = QStringLiteral("error box: %1").arg(boxes.join(QStringLiteral(" / ")));
    if (!run.failure.isEmpty())
        return run;
    for (const auto &[column, box] : calc.inputs)
        run.inputs[column] = driver.text(box).toDouble();
    if (calc.caption)
        run.caption = driver.text(*calc.caption);
    const bool needsDiagram = std::any_of(checks.begin(), checks.end(), [&calc](const Check &check) {
        const auto result = calc.results.find(check.name);
        return result != calc.results.end() && !result->second.field;
    });
    const QString diagram = needsDiagram ? driver.diagramValues() : QString();
    for (const Check &check : checks)
        run.outcomes.push_back(compare(driver, calc, check, diagram));
    return run;
}

} // namespace verify
