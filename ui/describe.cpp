#include "ui/describe.h"

#include "core/num/numtext.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace tavrel
{

namespace
{

constexpr const char *kStaleMessage = "入力が変更されています。計算を押すと更新されます。";
// Said after the name of a result that is not current.
constexpr const char *kStaleName = "（未更新）";

constexpr double kNewtonsPerKgf = 9.80665;

// The factor and unit of a quantity's value in SI units, where its unit is
// not one already.
struct SiUnit {
    Quantity quantity;
    double factor;
    const char *unit;
};
constexpr std::array kSiUnits = {
    SiUnit{Quantity::Force, kNewtonsPerKgf, "N"},
    SiUnit{Quantity::ForcePerLength, kNewtonsPerKgf, "N/mm"},
    SiUnit{Quantity::Modulus, kNewtonsPerKgf / 1000, "GPa"},
    SiUnit{Quantity::Stress, kNewtonsPerKgf, "MPa"},
    SiUnit{Quantity::Moment, kNewtonsPerKgf, "N·mm"},
};

// What a described control is: the label that captions it, its field in
// words, what it holds, whether it shows a result, whether that result
// applies to the selection, and whether its text is current and was left
// empty by a press. Asked at every keystroke: a table is quicker than
// dynamic properties.
struct Described {
    QLabel *caption = nullptr;
    QString name, description;
    Quantity quantity = Quantity::None;
    bool result = false, applies = true, stale = false, computed = false;
};

QHash<const QWidget *, Described> &described()
{
    static QHash<const QWidget *, Described> byControl;
    return byControl;
}

// The entry of a control, made on first use and dropped with the control.
Described &entryOf(QWidget *control)
{
    auto found = described().find(control);
    if (found != described().end())
        return *found;
    QObject::connect(control, &QObject::destroyed, [control] { described().remove(control); });
    return described()[control];
}

// The controls that captions caption.
QHash<const QWidget *, QWidget *> &captioned()
{
    static QHash<const QWidget *, QWidget *> byCaption;
    return byCaption;
}

// The value of a box or field in SI units, for its tooltip: "= 205.94 GPa".
QString siValue(const QWidget *control, const QString &text)
{
    const Quantity quantity = described().value(control).quantity;
    const auto si = std::ranges::find(kSiUnits, quantity, &SiUnit::quantity);
    if (si == kSiUnits.end())
        return {};
    double value;
    try {
        value = StrToFloat(text.toStdString());
    } catch (const EConvertError &) {
        return {};
    }
    return QStringLiteral("= %1 %2").arg(QString::number(value * si->factor, 'g', 6),
                                         QString::fromUtf8(si->unit));
}

// The notes of result fields. Few fields ever have one, and they are read
// at every keystroke: a table is quicker to ask than a dynamic property.
// A field keeps its entry, emptied, until it is destroyed.
QHash<const QWidget *, QString> &notes()
{
    static QHash<const QWidget *, QString> byField;
    return byField;
}

QString noteOf(const QWidget *field)
{
    return notes().value(field);
}

// `text`, and on a line of its own the note of a result that shows a value.
QString withNote(const QWidget *field, const QString &text, const QString &value)
{
    const QString note = value.isEmpty() ? QString() : noteOf(field);
    if (note.isEmpty())
        return text;
    return text.isEmpty() ? note : text + QLatin1Char('\n') + note;
}

// Tells a screen reader of a new name or description, and only of a new one:
// the results are named again at every keystroke in a box.
void rename(QWidget *control, const QString &name, const QString &description)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace

void describeField(QWidget *control, QLabel *caption, bool result, const FieldWords &words, Quantity quantity)
{
    // A result's caption is said with its value, so it is no label of its
    // own.
    if (!result)
        caption->setBuddy(control);
    // A refusal holds the box's description until its text changes; then
    // the field's own comes back.
    if (auto *box = qobject_cast<QLineEdit *>(control); box && !result)
        QObject::connect(
            box, &QLineEdit::textChanged, box, [box] { nameControl(box); }, Qt::QueuedConnection);
    captioned().insert(caption, control);
    QObject::connect(caption, &QObject::destroyed, [caption] { captioned().remove(caption); });
    Described &entry = entryOf(control);
    entry.caption = caption;
    entry.result = result;
    setFieldWords(control, words, quantity);
}

void setFieldWords(QWidget *control, const FieldWords &words, Quantity quantity, bool apply)
{
    Described &entry = entryOf(control);
    if (words.words) {
        entry.name = QString::fromStdString(spokenWords(words));
        entry.description = QString::fromUtf8(words.description);
    }
    entry.quantity = quantity;
    entry.applies = apply;
    nameControl(control);
}

void captionChanged(const QLabel *caption)
{
    if (QWidget *control = captioned().value(caption))
        nameControl(control);
}

bool captionsResult(const QWidget *label)
{
    const QWidget *control = captioned().value(label);
    return control && described().value(control).result;
}

QString captionName(const QWidget *control)
{
    const QLabel *caption = described().value(control).caption;
    return caption ? accessibleNameFrom(caption->text()) : QString();
}

void nameControl(QWidget *control)
{
    const auto found = described().constFind(control);
    if (found == described().cend() || !found->caption)
        return;
    const Described &field = *found;
    const bool stale = showsStaleText(control);
    const QString staleName = stale ? QString::fromUtf8(kStaleName) : QString();
    const QString staleMessage = stale ? QString::fromUtf8(kStaleMessage) : QString();
    const QString value = textOf(control).trimmed(), unit = unitOf(control);
    if (!field.result) {
        // A screen reader reads a box by the label that captions it.
        const QString name = field.name + (unit.isEmpty() ? QString() : " [" + unit + "]");
        field.caption->setAccessibleName(name);
        rename(control, name + staleName, stale ? staleMessage : field.description);
        return;
    }
    // The unit is said after the value; the days carry theirs already.
    QStringList name{field.name};
    // Empty after a press, or for a selection that never gives it, the
    // result does not apply to the inputs.
    name << (!value.isEmpty()                   ? value
             : field.computed || !field.applies ? QStringLiteral("この条件では計算しません")
                                                : QStringLiteral("未計算"));
    if (!value.isEmpty() && !value.endsWith(unit))
        name << unit;
    // Said after the name: that the result is not current, else its value
    // in SI units where there is one, its note and the field's description.
    if (stale) {
        rename(control, name.join(QLatin1Char(' ')) + staleName, staleMessage);
        return;
    }
    QStringList description{withNote(control, siValue(control, value), value), field.description};
    description.removeAll(QString());
    rename(control, name.join(QLatin1Char(' ')), description.join(QLatin1Char('\n')));
}

void announceResults(const QList<QWidget *> &results)
{
    for (QWidget *result : results) {
        QAccessibleValueChangeEvent event(result, textOf(result).trimmed());
        QAccessible::updateAccessibility(&event);
    }
}

QString resultsSummary(const QList<QWidget *> &results)
{
    QStringList names;
    for (const QWidget *result : results)
        names << result->accessibleName();
    return names.join(QStringLiteral("、"));
}

void describeChoices(QButtonGroup *items, const QString &frame, const QStringList &names,
                     const QStringList &effects)
{
    for (QAbstractButton *item : items->buttons()) {
        item->parentWidget()->setAccessibleName(frame);
        item->setAccessibleName(names.value(items->id(item)));
        item->setAccessibleDescription(effects.value(items->id(item)));
    }
}

QString unitOf(const QWidget *control)
{
    return QString::fromUtf8(unitText(described().value(control).quantity));
}

// A caption as it is read, without its bracketed unit and without the
// blanks that space its Japanese words out on the screen: a voice would
// read 「荷 重」 as two words.
QString spokenCaption(const QString &caption)
{
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\]]*\\]"));
    static const QRegularExpression spread(QStringLiteral(
        "(?<=[\\p{Han}\\p{Hiragana}\\p{Katakana}ー]) +(?=[\\p{Han}\\p{Hiragana}\\p{Katakana}ー])"));
    return accessibleNameFrom(QString(caption).remove(bracketed)).remove(spread);
}

// "球半径  R1[mm] = " is read out as "球半径 R1[mm]", "(日数 =    )" as "日数".
QString accessibleNameFrom(const QString &caption)
{
    static const QRegularExpression ends(QStringLiteral("^[ =()]+|[ =()]+$"));
    return caption.simplified().remove(ends);
}

void markCurrent(QWidget *field, bool current, bool computed)
{
    Described &entry = entryOf(field);
    entry.stale = !current;
    entry.computed = computed;
    field->setToolTip(toolTipFor(field, textOf(field)));
    nameControl(field);
}

bool showsStaleText(const QWidget *control)
{
    return described().value(control).stale && !textOf(control).trimmed().isEmpty();
}

void setResultNote(QWidget *field, const QString &note)
{
    if (noteOf(field) == note)
        return;
    if (!notes().contains(field))
        QObject::connect(field, &QObject::destroyed, [field] { notes().remove(field); });
    notes().insert(field, note);
    field->setToolTip(toolTipFor(field, textOf(field)));
    nameControl(field);
}

QString toolTipFor(const QWidget *control, const QString &text)
{
    const QString whole = text.trimmed();
    if (!whole.isEmpty() && described().value(control).stale)
        return QString::fromUtf8(kStaleMessage);
    const QString si = siValue(control, whole);
    return withNote(control, si.isEmpty() ? whole : whole + QLatin1Char('\n') + si, whole);
}

QString siTextOf(const QWidget *control, const QString &text)
{
    return siValue(control, text.trimmed());
}

QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return static_cast<const QLineEdit *>(control)->text();
}

} // namespace tavrel
