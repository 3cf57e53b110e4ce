#include "ui/device_rect.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace tavrel
{

QRect inDevicePixels(const QRect &logical, const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen || logical.isNull())
        return logical;
    // Scaled about the screen's corner, which stays where it is.
    const qreal scale = screen->devicePixelRatio();
    const QPoint corner = screen->geometry().topLeft();
    const auto scaled = [&](QPoint p) {
        const QPointF d = QPointF(p - corner) * scale;
        return corner + QPoint(static_cast<int>(std::lround(d.x())), static_cast<int>(std::lround(d.y())));
    };
    return QRect(scaled(logical.topLeft()),
                 scaled(logical.topLeft() + QPoint(logical.width(), logical.height())) - QPoint(1, 1));
}

QPoint inLogicalPixels(const QPoint &device, const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen)
        return device;
    const QPoint corner = screen->geometry().topLeft();
    const QPointF d = QPointF(device - corner) / screen->devicePixelRatio();
    return corner + QPoint(static_cast<int>(std::floor(d.x())), static_cast<int>(std::floor(d.y())));
}

} // namespace tavrel
