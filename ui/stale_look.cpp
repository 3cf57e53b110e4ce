#include "ui/stale_look.h"

#include "ui/describe.h"
#include "ui/palette.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tavrel
{

namespace
{

constexpr const char *kPressDue = "入力が変更されています。押すと結果が更新されます。";

// The role of a field's text colour: a label's text, or a box's.
QPalette::ColorRole textRole(const QWidget *field)
{
    return qobject_cast<const QLabel *>(field) ? QPalette::WindowText : QPalette::Text;
}

// Sets the colour of an enabled widget, in and out of the active window
// alike; a disabled one keeps its own.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Active, role) == colour)
        return;
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

} // namespace

void showStale(QWidget *field, bool stale)
{
    const QPalette::ColorRole role = textRole(field);
    // The designed colour is the one the field would inherit.
    setColour(field, role,
              stale ? kStaleTextColour : field->parentWidget()->palette().color(QPalette::Active, role));
}

void paintStaleMark(QWidget *field)
{
    if (!showsStaleText(field))
        return;
    QPainter painter(field);
    QPen pen(kStaleMarkColour, 1, Qt::DashLine, Qt::FlatCap);
    pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(field->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void showPressDue(QPushButton *button, bool due)
{
    setColour(button, QPalette::Button,
              due ? kPressDueColour
                  : button->parentWidget()->palette().color(QPalette::Active, QPalette::Button));
    const QString why = due ? QString::fromUtf8(kPressDue) : QString();
    if (button->toolTip() == why)
        return;
    button->setToolTip(why);
    button->setAccessibleDescription(why);
}

} // namespace tavrel
