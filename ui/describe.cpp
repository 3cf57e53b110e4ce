#include "ui/describe.h"

#include "core/lookup.h"
#include "core/num/numtext.h"
#include "ui/controls.h"

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

// Property names: what a control holds, the label that says whether a load
// is per length, whether a result field's text is not current, the label
// that captions a control and the control a caption names, and whether a
// control shows a result.
constexpr const char *kQuantityProperty = "tavrelQuantity";
constexpr const char *kUnitProperty = "tavrelUnitLabel";
constexpr const char *kStaleProperty = "tavrelStale";
constexpr const char *kCaptionProperty = "tavrelCaptionLabel";
constexpr const char *kCaptionedProperty = "tavrelCaptioned";
constexpr const char *kResultProperty = "tavrelResult";
constexpr const char *kComputedProperty = "tavrelComputed";

constexpr const char *kStaleMessage = "入力が変更されています。計算を押すと更新されます。";
// Said after the name of a result that is not current.
constexpr const char *kStaleName = "（未更新）";

constexpr double kNewtonsPerKgf = 9.80665;

// Each quantity's unit, and the factor and unit of its value in SI units
// (none where the unit is one already). A load per length appends "/mm" to
// both units.
struct QuantityUnits {
    Quantity quantity;
    const char *unit;
    double siFactor = 0;
    const char *siUnit = nullptr;
};
constexpr std::array kQuantityUnits = {
    QuantityUnits{Quantity::None, ""},
    QuantityUnits{Quantity::Length, "mm"},
    QuantityUnits{Quantity::Force, "kgf", kNewtonsPerKgf, "N"},
    QuantityUnits{Quantity::Load, "kgf", kNewtonsPerKgf, "N"},
    QuantityUnits{Quantity::Modulus, "kgf/mm²", kNewtonsPerKgf / 1000, "GPa"},
    QuantityUnits{Quantity::Stress, "kgf/mm²", kNewtonsPerKgf, "MPa"},
    QuantityUnits{Quantity::Moment, "kgf·mm", kNewtonsPerKgf, "N·mm"},
    QuantityUnits{Quantity::SecondMoment, "mm⁴"},
    QuantityUnits{Quantity::SectionModulus, "mm³"},
    QuantityUnits{Quantity::Speed, "r/min"},
    QuantityUnits{Quantity::Hours, "h"},
    QuantityUnits{Quantity::Days, "日"},
};

// Every quantity has its row.
const QuantityUnits &unitsOf(const QWidget *control)
{
    const auto quantity = static_cast<Quantity>(control->property(kQuantityProperty).toInt());
    return rowOf(kQuantityUnits, &QuantityUnits::quantity, quantity);
}

// "/mm" for a load per length, as its unit label says.
QString perLength(const QWidget *control)
{
    const auto *unitLabel = qobject_cast<const QLabel *>(control->property(kUnitProperty).value<QObject *>());
    return unitLabel && unitLabel->text().contains(QLatin1String("/mm")) ? QStringLiteral("/mm") : QString();
}

// The value of a box or field in SI units, for its tooltip: "= 205.94 GPa".
QString siValue(const QWidget *control, const QString &text)
{
    const QuantityUnits &units = unitsOf(control);
    if (!units.siUnit)
        return {};
    double value;
    try {
        value = StrToFloat(text.toStdString());
    } catch (const EConvertError &) {
        return {};
    }
    return QStringLiteral("= %1 %2").arg(QString::number(value * units.siFactor, 'g', 6),
                                         QString::fromUtf8(units.siUnit) + perLength(control));
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

template <typename T> T *objectIn(const QObject *object, const char *property)
{
    return qobject_cast<T *>(object->property(property).value<QObject *>());
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

void describeFields(const Controls &controls, std::span<const CaptionSpec> captions)
{
    for (const CaptionSpec &row : captions) {
        QLabel *caption = controls.label(QString::fromLatin1(row.caption));
        QWidget *control = controls.widget(QString::fromLatin1(row.control));
        Q_ASSERT_X(control, "describeFields", row.control);
        // A result's caption is said with its value, so it is no label of
        // its own.
        const bool result = std::ranges::find(controls.inputs(), control) == controls.inputs().end();
        if (!result)
            caption->setBuddy(control);
        caption->setProperty(kCaptionedProperty, QVariant::fromValue<QObject *>(control));
        control->setProperty(kCaptionProperty, QVariant::fromValue<QObject *>(caption));
        control->setProperty(kResultProperty, result);
        setQuantity(control, row.quantity);
        if (row.unit)
            control->setProperty(
                kUnitProperty, QVariant::fromValue<QObject *>(controls.label(QString::fromLatin1(row.unit))));
        nameControl(control);
    }
}

void captionChanged(const QLabel *caption)
{
    if (auto *control = objectIn<QWidget>(caption, kCaptionedProperty))
        nameControl(control);
}

bool captionsResult(const QWidget *label)
{
    const auto *control = objectIn<QWidget>(label, kCaptionedProperty);
    return control && control->property(kResultProperty).toBool();
}

QString captionName(const QWidget *control)
{
    const auto *caption = objectIn<QLabel>(control, kCaptionProperty);
    return caption ? accessibleNameFrom(caption->text()) : QString();
}

void nameControl(QWidget *control)
{
    auto *caption = objectIn<QLabel>(control, kCaptionProperty);
    if (!caption)
        return;
    const bool stale = showsStaleText(control);
    const QString staleName = stale ? QString::fromUtf8(kStaleName) : QString();
    const QString staleMessage = stale ? QString::fromUtf8(kStaleMessage) : QString();
    const QString value = textOf(control).trimmed(), unit = unitOf(control);
    if (!control->property(kResultProperty).toBool()) {
        // A screen reader reads a box by the label that captions it.
        const QString name =
            spokenCaption(caption->text()) + (unit.isEmpty() ? QString() : " [" + unit + "]");
        caption->setAccessibleName(name);
        rename(control, name + staleName, staleMessage);
        return;
    }
    // The unit is said after the value, in place of the caption's
    // bracketed one (or its ditto mark); the days carry theirs already.
    QStringList name{spokenCaption(caption->text())};
    // Empty after a press, the result does not apply to the inputs.
    const bool computed = control->property(kComputedProperty).toBool();
    name << (!value.isEmpty() ? value
             : computed       ? QStringLiteral("この条件では計算しません")
                              : QStringLiteral("未計算"));
    if (!value.isEmpty() && !value.endsWith(unit))
        name << unit;
    // Said after the name: that the result is not current, else its value
    // in SI units where there is one, and its note.
    if (stale) {
        rename(control, name.join(QLatin1Char(' ')) + staleName, staleMessage);
        return;
    }
    rename(control, name.join(QLatin1Char(' ')), withNote(control, siValue(control, value), value));
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

void setQuantity(QWidget *control, Quantity quantity)
{
    control->setProperty(kQuantityProperty, static_cast<int>(quantity));
}

QString unitOf(const QWidget *control)
{
    return QString::fromUtf8(unitsOf(control).unit) + perLength(control);
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
    field->setProperty(kStaleProperty, !current);
    field->setProperty(kComputedProperty, computed);
    field->setToolTip(toolTipFor(field, textOf(field)));
    nameControl(field);
}

bool showsStaleText(const QWidget *control)
{
    return control->property(kStaleProperty).toBool() && !textOf(control).trimmed().isEmpty();
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
    if (!whole.isEmpty() && control->property(kStaleProperty).toBool())
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
