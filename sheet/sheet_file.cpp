#include "sheet/sheet_file.h"

#include "diagram/whole_file.h"
#include "sheet/calc_sheet.h"

#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tavrel
{

QString proposedSheetName(const SheetContent &content, const QDate &day)
{
    return QStringLiteral("tavrel-%1-%2.pdf")
        .arg(content.fileTag, QLocale::c().toString(day, QStringLiteral("yyyy-MM-dd")));
}

SaveFailure writeSheet(const QString &path, const SheetContent &content, const QDateTime &when)
{
    return saveWhole(path, QStringLiteral("計算書"), [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("計算書 %1").arg(content.title));
        pdf.setCreator(QString::fromLatin1(kSheetProgram));
        QPainter painter(&pdf);
        paintSheet(painter, QRectF(0, 0, pdf.width(), pdf.height()), pdf.resolution() / 25.4, content, when);
        return painter.end();
    });
}

} // namespace tavrel
