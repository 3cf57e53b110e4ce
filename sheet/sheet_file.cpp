#include "sheet/sheet_file.h"

#include "sheet/calc_sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tavrel
{

namespace
{

// The reason a file could not be written, in the user's words where the
// cause can be told; otherwise the system's own.
QString reasonFor(const QString &path, const QFileDevice &file)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return QStringLiteral("同じ名前のフォルダがあります。");
    if (!folder.isDir())
        return QStringLiteral("保存先のフォルダがありません。");
    if (!folder.isWritable())
        return QStringLiteral("保存先のフォルダに書き込む権限がありません。");
    if (file.error() == QFileDevice::WriteError)
        return QStringLiteral("書き込みに失敗しました。ディスクの空きが足りない可能性があります（%1）。")
            .arg(file.errorString());
    return file.errorString();
}

QString failure(const QString &path, const QFileDevice &file)
{
    return QStringLiteral("計算書を保存できませんでした。\n保存先: %1\n理由: %2")
        .arg(QDir::toNativeSeparators(path), reasonFor(path, file));
}

} // namespace

QString proposedSheetName(const SheetContent &content, const QDate &day)
{
    return QStringLiteral("tavrel-%1-%2.pdf")
        .arg(content.fileTag, QLocale::c().toString(day, QStringLiteral("yyyy-MM-dd")));
}

std::optional<QString> writeSheet(const QString &path, const SheetContent &content, const QDateTime &when)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file);
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("計算書 %1").arg(content.title));
        pdf.setCreator(QStringLiteral("Tavrel Ver. 1.01"));
        QPainter painter(&pdf);
        const double dotsPerMm = pdf.resolution() / 25.4;
        paintSheet(painter, QRectF(0, 0, pdf.width(), pdf.height()), dotsPerMm, content, when);
    }
    // A failed write leaves the earlier file, if any, as it was.
    if (file.error() != QFileDevice::NoError || !file.commit())
        return failure(path, file);
    return std::nullopt;
}

} // namespace tavrel
