// The diagrams as an image: in memory for the clipboard, or written to a
// PNG or SVG file that the user named.
#pragma once

#include "diagram/plot.h"
#include "diagram/whole_file.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace tavrel
{

enum class ImageFormat { Png, Svg };

// The format a file name's suffix names (.png, .svg, in any case), if any.
std::optional<ImageFormat> imageFormatOf(const QString &path);

// The name an image chosen as `format` is written under: `path` as it is
// when its suffix names an image format (the name typed decides), else
// with the format's suffix added (図.pdf → 図.pdf.png), so that no file
// carries another format's suffix.
QString imagePathFor(const QString &path, ImageFormat format);

// The figure drawn `size` pixels large, at `scale` image pixels a pixel.
QImage figureImage(const Figure &figure, const QSize &size, qreal scale);

// Writes the figure, `size` pixels large, to `path`, in the format its
// suffix names: SVG, or PNG at twice that size. A name with another suffix
// is refused. The file is written whole or not at all (see saveWhole).
SaveFailure saveFigure(const Figure &figure, const QSize &size, const QString &path, const QString &title);

} // namespace tavrel
