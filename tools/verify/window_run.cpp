#include "tools/verify/window_run.h"

#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace verify
{

namespace
{

// Runs `action`, closing every error box it opens; returns their texts.
QStringList answeringErrorBoxes(const std::function<void()> &action)
{
    QStringList seen;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

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

// The diagram window's values for the page that holds `button`, as a
// user opens them after the press (Ctrl+G over that page).
QString diagramValues(TForm1 &form, QWidget *button)
{
    if (auto *pages = form.findChild<QTabWidget *>())
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(button))
                pages->setCurrentIndex(i);
    form.showDiagram();
    auto *values = form.findChild<QTextBrowser *>(QStringLiteral("DiagramValues"));
    return values ? values->toPlainText() : QString();
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

QString fieldText(QWidget &form, const QString &name)
{
    if (auto *label = form.findChild<QLabel *>(name))
        return label->text();
    if (auto *box = form.findChild<QLineEdit *>(name))
        return box->text();
    return QString();
}

// Chooses the row's contact kind and selections, then types its inputs;
// returns what went wrong, if anything.
QString prepare(TForm1 &form, const Calculator &calc, const Row &row, QStringList &boxes)
{
    if (!calc.kindColumn.isEmpty()) {
        const auto item = calc.kinds.find(row.cell(calc.kindColumn));
        auto *action = item == calc.kinds.end() ? nullptr : form.findChild<QAction *>(item->second);
        if (!action)
            return QStringLiteral("no kind %1").arg(row.cell(calc.kindColumn));
        boxes << answeringErrorBoxes([action] { action->trigger(); });
    }
    for (const auto &[column, group] : calc.selections) {
        auto *items = form.findChild<QButtonGroup *>(group);
        QAbstractButton *item = items ? items->button(row.cell(column).toInt()) : nullptr;
        if (!item)
            return QStringLiteral("no item %1 in %2").arg(row.cell(column), group);
        boxes << answeringErrorBoxes([item] { item->click(); });
    }
    for (const auto &[column, box] : calc.inputs) {
        if (row.cell(column).isEmpty())
            continue; // the box keeps its default text
        const auto value = evaluate(row.cell(column));
        if (!value)
            return QStringLiteral("unreadable input %1 \"%2\"").arg(column, row.cell(column));
        form.findChild<QLineEdit *>(box)->setText(typed(*value));
    }
    return QString();
}

Outcome compare(QWidget &form, const Calculator &calc, const Check &check, const QString &diagram)
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
    const bool inDiagram = QLatin1String(field.field) == QLatin1String(kDiagramDepth);
    out.shown = inDiagram ? depthText(diagram) : fieldText(form, QString::fromLatin1(field.field));
    out.value = inDiagram ? depthNumber(out.shown) : shownNumber(out.shown);
    if (!out.value) {
        out.failure = QStringLiteral("%1 shows \"%2\"").arg(QString::fromLatin1(field.field), out.shown);
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

    TForm1 form;
    form.show();
    QStringList boxes;
    run.failure = prepare(form, calc, row, boxes);
    if (!run.failure.isEmpty())
        return run;
    for (const auto &[column, box] : calc.inputs)
        run.inputs[column] = form.findChild<QLineEdit *>(box)->text().toDouble();
    auto *button = form.findChild<QPushButton *>(QString::fromLatin1(calc.button));
    boxes << answeringErrorBoxes([button] { button->click(); });
    if (!boxes.isEmpty()) {
        run.failure = QStringLiteral("error box: %1").arg(boxes.join(QStringLiteral(" / ")));
        return run;
    }
    if (calc.caption)
        run.caption = fieldText(form, QString::fromLatin1(calc.caption));
    const bool needsDiagram = std::any_of(checks.begin(), checks.end(), [&calc](const Check &check) {
        const auto result = calc.results.find(check.name);
        return result != calc.results.end() &&
               QLatin1String(result->second.field) == QLatin1String(kDiagramDepth);
    });
    const QString diagram = needsDiagram ? diagramValues(form, button) : QString();
    for (const Check &check : checks)
        run.outcomes.push_back(compare(form, calc, check, diagram));
    return run;
}

} // namespace verify
