#include "app/describe.h"

#include "app/controls.h"
#include "app/numtext.h"

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

// Property names: what a control holds, and the label that gives its unit.
constexpr const char *kQuantityProperty = "tavrelQuantity";
constexpr const char *kUnitProperty = "tavrelUnitLabel";

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

} // namespace

void describeFields(QWidget *tab, const Controls &controls, std::span<const CaptionSpec> captions)
{
    for (const CaptionSpec &row : captions) {
        QLabel *caption = controls.label(QString::fromLatin1(row.caption));
        QWidget *control = controls.widget(QString::fromLatin1(row.control));
        Q_ASSERT_X(control, "describeFields", row.control);
        caption->setBuddy(control);
        control->setAccessibleName(accessibleNameFrom(caption->text()));
        control->setProperty(kQuantityProperty, static_cast<int>(row.quantity));
        if (row.unit)
            control->setProperty(
                kUnitProperty, QVariant::fromValue<QObject *>(controls.label(QString::fromLatin1(row.unit))));
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
        QString caption = control->accessibleName();
        if (row.unit) {
            const QString unit = controls.label(QString::fromLatin1(row.unit))->text().trimmed();
            caption += unit.startsWith(QLatin1Char('[')) ? QLatin1Char(' ') + unit
                                                         : QStringLiteral(" [%1]").arg(unit);
        }
        text += caption + QLatin1Char('\t') + textOf(control).trimmed() + QLatin1Char('\n');
    }
    return text;
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
