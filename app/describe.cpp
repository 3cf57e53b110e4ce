#include "app/describe.h"

#include "app/controls.h"
#include "app/numtext.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>

namespace tavrel
{

namespace
{

// Property names: what a control holds, the labels that caption it and
// give its unit, and whether it shows a result.
constexpr const char *kQuantityProperty = "tavrelQuantity";
constexpr const char *kCaptionProperty = "tavrelCaptionLabel";
constexpr const char *kCaptionedProperty = "tavrelCaptioned";
constexpr const char *kUnitProperty = "tavrelUnitLabel";
constexpr const char *kResultProperty = "tavrelResult";

// The ditto mark of a caption, standing for the unit of the line above.
constexpr QLatin1String kDitto("\"");

QLabel *labelOf(const QWidget *control, const char *property)
{
    return qobject_cast<QLabel *>(control->property(property).value<QObject *>());
}

// The value of a box or field in SI units, for its tooltip: "= 205.94 GPa".
QString siValue(const QWidget *control, const QString &text)
{
    const auto quantity = static_cast<Quantity>(control->property(kQuantityProperty).toInt());
    if (quantity == Quantity::None)
        return {};
    double value;
    try {
        value = StrToFloat(text.toStdString());
    } catch (const EConvertError &) {
        return {};
    }
    constexpr double kNewtonsPerKgf = 9.80665;
    double si = value * kNewtonsPerKgf;
    QString unit = QStringLiteral("N");
    switch (quantity) {
    case Quantity::Load: {
        const auto *unitLabel =
            qobject_cast<const QLabel *>(control->property(kUnitProperty).value<QObject *>());
        if (unitLabel && unitLabel->text().contains(QLatin1String("/mm")))
            unit = QStringLiteral("N/mm");
        break;
    }
    case Quantity::Modulus:
        si /= 1000;
        unit = QStringLiteral("GPa");
        break;
    case Quantity::Stress:
        unit = QStringLiteral("MPa");
        break;
    case Quantity::Moment:
        unit = QStringLiteral("N·mm");
        break;
    case Quantity::None:
    case Quantity::Force:
        break;
    }
    return QStringLiteral("= %1 %2").arg(QString::number(si, 'g', 6), unit);
}

QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return static_cast<const QLineEdit *>(control)->text();
}

// The unit a result's value is spoken with: that of its unit label, else
// that of what it holds, else the one in its caption's brackets unless
// that is the ditto mark.
QString spokenUnit(const QWidget *control, const QString &bracketed)
{
    if (const QLabel *unit = labelOf(control, kUnitProperty))
        return unit->text().trimmed();
    switch (static_cast<Quantity>(control->property(kQuantityProperty).toInt())) {
    case Quantity::Force:
        return QStringLiteral("kgf");
    case Quantity::Modulus:
    case Quantity::Stress:
        return QStringLiteral("kgf/mm²");
    case Quantity::Moment:
        return QStringLiteral("kgf·mm");
    case Quantity::None:
    case Quantity::Load:
        break;
    }
    return bracketed == kDitto ? QString() : bracketed;
}

} // namespace

void describeFields(QWidget *tab, const Controls &controls, std::span<const CaptionSpec> captions)
{
    for (const CaptionSpec &row : captions) {
        QLabel *caption = controls.label(QString::fromLatin1(row.caption));
        QWidget *control = controls.widget(QString::fromLatin1(row.control));
        Q_ASSERT_X(control, "describeFields", row.control);
        const bool result = controls.results().contains(control);
        if (!result)
            caption->setBuddy(control);
        caption->setProperty(kCaptionedProperty, QVariant::fromValue<QObject *>(control));
        control->setProperty(kCaptionProperty, QVariant::fromValue<QObject *>(caption));
        control->setProperty(kResultProperty, result);
        control->setProperty(kQuantityProperty, static_cast<int>(row.quantity));
        if (row.unit)
            control->setProperty(
                kUnitProperty, QVariant::fromValue<QObject *>(controls.label(QString::fromLatin1(row.unit))));
        nameControl(control);
    }
    auto *copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), tab);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QShortcut::activated, tab, [controls, captions] {
        QGuiApplication::clipboard()->setText(tabAsText(controls, captions));
    });
}

QString tabAsText(const Controls &controls, std::span<const CaptionSpec> captions)
{
    QString text;
    for (const CaptionSpec &row : captions) {
        const QWidget *control = controls.widget(QString::fromLatin1(row.control));
        if (!control->isEnabled())
            continue;
        QString caption = accessibleNameFrom(controls.label(QString::fromLatin1(row.caption))->text());
        if (row.unit) {
            const QString unit = controls.label(QString::fromLatin1(row.unit))->text().trimmed();
            caption += unit.startsWith(QLatin1Char('[')) ? QLatin1Char(' ') + unit
                                                         : QStringLiteral(" [%1]").arg(unit);
        }
        text += caption + QLatin1Char('\t') + textOf(control).trimmed() + QLatin1Char('\n');
    }
    return text;
}

void captionChanged(const QLabel *caption)
{
    if (auto *control = qobject_cast<QWidget *>(caption->property(kCaptionedProperty).value<QObject *>()))
        nameControl(control);
}

bool captionsResult(const QWidget *label)
{
    const auto *control = qobject_cast<QWidget *>(label->property(kCaptionedProperty).value<QObject *>());
    return control && control->property(kResultProperty).toBool();
}

void nameControl(QWidget *control)
{
    const QLabel *caption = labelOf(control, kCaptionProperty);
    if (!caption)
        return;
    const QString words = caption->text();
    if (!control->property(kResultProperty).toBool()) {
        control->setAccessibleName(accessibleNameFrom(words));
        return;
    }
    static const QRegularExpression bracketed(QStringLiteral("\\[([^\\]]*)\\]"));
    const QString unit = spokenUnit(control, bracketed.match(words).captured(1));
    const QString value = textOf(control).trimmed();
    QStringList name{accessibleNameFrom(QString(words).remove(bracketed))};
    name << (value.isEmpty() ? QStringLiteral("未計算") : value);
    if (!value.isEmpty() && !unit.isEmpty())
        name << unit;
    control->setAccessibleName(name.join(QLatin1Char(' ')));
    // Said after the name: the value in SI units, where there is one.
    control->setAccessibleDescription(siValue(control, value));
}

void announceResults(const QList<QWidget *> &results)
{
    for (QWidget *result : results) {
        QAccessibleValueChangeEvent event(result, textOf(result).trimmed());
        QAccessible::updateAccessibility(&event);
    }
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

// "球半径  R1[mm] = " is read out as "球半径 R1[mm]", "(日数 =    )" as "日数".
QString accessibleNameFrom(const QString &caption)
{
    static const QRegularExpression ends(QStringLiteral("^[ =()]+|[ =()]+$"));
    return caption.simplified().remove(ends);
}

QString toolTipFor(const QWidget *control, const QString &text)
{
    const QString whole = text.trimmed();
    const QString si = siValue(control, whole);
    return si.isEmpty() ? whole : whole + QLatin1Char('\n') + si;
}

} // namespace tavrel
