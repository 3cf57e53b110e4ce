#include "diagram/image_export.h"

#include "diagram/outlined_svg.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

namespace tavrel
{

namespace
{

// Image pixels a pixel of a saved PNG: sharp on a screen at scale 2, and in
// print.
constexpr qreal kPngScale = 2;

// Why a file could not be written, in words a user can act on.
QString reasonFor(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QStringLiteral("同じ名前のフォルダがあります");
    if (!folder.isDir())
        return QStringLiteral("保存先のフォルダがありません");
    if (!folder.isWritable())
        return QStringLiteral("保存先のフォルダに書き込む権限がありません");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("同じ名前のファイルに書き込む権限がありません");
    return QStringLiteral("書き込みに失敗しました。ディスクの空きが足りないおそれがあります");
}

bool writeSvg(QIODevice &file, const Figure &figure, const QSize &size, const QString &title)
{
    return writeOutlinedSvg(file, figure, size, title);
}

} // namespace

QImage figureImage(const Figure &figure, const QSize &size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawFigure(painter, QRectF(QPointF(), size), figure);
    return image;
}

QString saveWhole(const QString &path, const QString &what, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && write(file) && file.commit();
    if (written)
        return {};
    const QString detail = file.errorString();
    return QStringLiteral("%1を保存できませんでした。\n\n保存先：%2\n理由：%3%4")
        .arg(what, QDir::toNativeSeparators(path), reasonFor(path),
             detail.isEmpty() ? QString() : QStringLiteral("（%1）").arg(detail));
}

QString saveFigure(const Figure &figure, const QSize &size, const QString &path, const QString &title)
{
    return saveWhole(path, QStringLiteral("画像"), [&](QIODevice &file) {
        return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                   ? writeSvg(file, figure, size, title)
                   : figureImage(figure, size, kPngScale).save(&file, "PNG");
    });
}

} // namespace tavrel
