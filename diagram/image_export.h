// The diagrams as an image: in memory for the clipboard, or written to a
// PNG or SVG file that the user named.
#pragma once

#include "diagram/plot.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QIODevice;

namespace tavrel
{

// Writes a file the user named: `write` writes the whole content into the
// device and says whether it could. The file is written under a temporary
// name and renamed into place only when whole, so a failed write leaves no
// half file and an existing file untouched. Returns an empty text on
// success, else a Japanese message naming what (画像, 計算書), the path and
// the reason.
QString saveWhole(const QString &path, const QString &what, const std::function<bool(QIODevice &)> &write);

// The figure drawn `size` pixels large, at `scale` image pixels a pixel.
QImage figureImage(const Figure &figure, const QSize &size, qreal scale);

// Writes the figure, `size` pixels large, to `path`: as SVG when the name
// ends in .svg, else as PNG at twice that size. The file is written under
// a temporary name and renamed into place only when whole, so a failed
// write leaves no half file and an existing file untouched. Returns an
// empty text on success, else a Japanese message naming the path and the
// reason.
QString saveFigure(const Figure &figure, const QSize &size, const QString &path, const QString &title);

} // namespace tavrel
