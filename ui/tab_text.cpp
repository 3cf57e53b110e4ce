#include "ui/tab_text.h"

#include "core/num/paste_text.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace tavrel
{

// "球半径 R1[mm]" is copied as "球半径 R1": the unit has a column of its own.
QString captionOf(const QWidget *control)
{
    static const QRegularExpression unit(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return captionName(control).remove(unit);
}

namespace
{

// The text without the blanks around it, by the rule a paste follows.
QString trimmed(const QString &text)
{
    return QString::fromStdString(std::string(trimmedCell(text.toStdString())));
}

// " 444 日" is copied as "444".
QString valueOf(const QWidget *control, const QString &unit)
{
    const QString value = trimmed(textOf(control));
    return !unit.isEmpty() && value.endsWith(unit) ? trimmed(value.chopped(unit.size())) : value;
}

} // namespace

QString notCurrentText(ResultsState results)
{
    switch (results) {
    case ResultsState::Changed:
        return QStringLiteral("結果は未計算です（入力が前回の計算から変更されています）");
    case ResultsState::NotComputed:
        return QStringLiteral("結果は未計算です");
    case ResultsState::Current:
        break;
    }
    return {};
}

QList<TabLine> tabLines(const Controls &controls, const QList<QWidget *> &fields)
{
    QList<TabLine> lines;
    for (const QWidget *control : fields) {
        if (!control->isEnabled())
            continue;
        const bool input = std::ranges::find(controls.inputs(), control) != controls.inputs().end();
        const QString unit = unitOf(control);
        const QString value = valueOf(control, unit);
        lines << TabLine{captionOf(control), value, unit, input, siTextOf(control, value), control};
    }
    return lines;
}

QString tabAsText(const Controls &controls, const QList<QWidget *> &fields,
                  const QList<std::pair<QString, QString>> &selections, ResultsState results)
{
    QStringList lines;
    for (const auto &[heading, name] : selections)
        lines << heading + QLatin1Char('\t') + name;
    for (const TabLine &line : tabLines(controls, fields)) {
        if (line.input || results == ResultsState::Current)
            lines << QStringList{line.caption, line.value, line.unit}.join(QLatin1Char('\t'));
    }
    if (results != ResultsState::Current)
        lines << notCurrentText(results);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tavrel
