#include "diagram/image_export.h"

#include "diagram/outlined_svg.h"
#include "diagram/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace tavrel
{

namespace
{

// Image pixels a pixel of a saved PNG: sharp on a screen at scale 2, and in
// print.
constexpr qreal kPngScale = 2;

QString suffixOf(ImageFormat format)
{
    return format == ImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

} // namespace

std::optional<ImageFormat> imageFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (ImageFormat format : {ImageFormat::Png, ImageFormat::Svg}) {
        if (suffix == suffixOf(format))
            return format;
    }
    return std::nullopt;
}

QString imagePathFor(const QString &path, ImageFormat format)
{
    if (imageFormatOf(path))
        return path;
    // A name typed with a final point ("図.") takes the suffix after it.
    return path + (path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) + suffixOf(format);
}

QImage figureImage(const Figure &figure, const QSize &size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawFigure(painter, QRectF(QPointF(), size), figure);
    return image;
}

SaveFailure saveFigure(const Figure &figure, const QSize &size, const QString &path, const QString &title)
{
    const std::optional<ImageFormat> format = imageFormatOf(path);
    if (!format)
        return QStringLiteral("画像を保存できませんでした。\n\n保存先：%1\n理由：名前の末尾が .png でも .svg "
                              "でもありません")
            .arg(QDir::toNativeSeparators(path));
    return saveWhole(path, QStringLiteral("画像"), [&](QIODevice &file) {
        return *format == ImageFormat::Svg ? writeOutlinedSvg(file, figure, size, title)
                                           : figureImage(figure, size, kPngScale).save(&file, "PNG");
    });
}

} // namespace tavrel
