// Where a control stands on the screen in the screen's own pixels, as a
// screen reader and a magnifier take positions. The toolkit's accessibility
// bridge reports the window's logical pixels, half the real size at a scale
// factor of 2.
#pragma once

#include <QRect>

class QWidget;

namespace tavrel
{

// `logical`, a rectangle in global logical pixels on `widget`'s screen, in
// that screen's device pixels.
QRect inDevicePixels(const QRect &logical, const QWidget *widget);

// `device`, a point in device pixels, in global logical pixels.
QPoint inLogicalPixels(const QPoint &device, const QWidget *widget);

} // namespace tavrel
