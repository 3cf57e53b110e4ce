#include "sheet/sheet_save.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "hertz/hertz_tab.h"
#include "sheet/sheet_details.h"
#include "sheet/sheet_dialog.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_rows.h"
#include "sheet/tab_sheets.h"
#include "ui/popups.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace tavrel
{

namespace
{

const QString kPressFirst = QStringLiteral("「計算」を押してから計算書を保存してください。");

// The tab's own part of the sheet, for its last press.
std::optional<SheetContent> partOf(const CalculatorTab &tab, const TabRows &rows)
{
    if (const auto *hertz = qobject_cast<const HertzTab *>(&tab); hertz && hertz->lastPress())
        return hertzSheet(*hertz, *hertz->lastPress(), rows);
    if (const auto *beam = qobject_cast<const BeamTab *>(&tab); beam && beam->lastPress())
        return beamSheet(*beam, *beam->lastPress(), rows);
    if (const auto *bearing = qobject_cast<const BearingTab *>(&tab); bearing && bearing->lastPress())
        return bearingSheet(*bearing, *bearing->lastPress(), rows);
    return std::nullopt;
}

// The particulars and the judgements of the allowables given.
void addDetails(SheetContent &sheet, const CalculatorTab &tab, const SheetDetails &details)
{
    sheet.particulars.clear();
    for (int i = 0; i < kParticularCount; ++i)
        sheet.particulars << SheetRow{
            particularCaption(static_cast<Particular>(i)), details.particulars[i], {}};
    if (const auto *hertz = qobject_cast<const HertzTab *>(&tab); hertz && hertz->lastPress())
        sheet.judgements = judgementLines(*hertz->lastPress(), details);
    else if (const auto *beam = qobject_cast<const BeamTab *>(&tab); beam && beam->lastPress())
        sheet.judgements = judgementLines(*beam->lastPress(), details);
    else if (const auto *bearing = qobject_cast<const BearingTab *>(&tab); bearing && bearing->lastPress())
        sheet.judgements = judgementLines(*bearing->lastPress(), details);
}

// Why the tab has no sheet to write.
QString refusal(const CalculatorTab &tab)
{
    return notCurrentText(tab.resultsState()) + QStringLiteral("。\n") + kPressFirst;
}

} // namespace

std::optional<SheetContent> sheetOf(const CalculatorTab &tab, const SheetDetails &details)
{
    if (!tab.resultsCurrent())
        return std::nullopt;
    std::optional<SheetContent> sheet = partOf(tab, rowsOf(tab));
    if (sheet) {
        addDetails(*sheet, tab, details);
        sheet->pressedAt = tab.pressedAt();
        for (const auto &[heading, words] : tab.selectionsInWords())
            sheet->selection << SheetRow{heading, words, QString()};
    }
    return sheet;
}

SaveFailure saveSheet(const CalculatorTab &tab, const QString &path, const QDateTime &when,
                      const SheetDetails &details)
{
    const std::optional<SheetContent> sheet = sheetOf(tab, details);
    if (!sheet)
        return refusal(tab);
    return writeSheet(path, *sheet, when);
}

QString saveSheetAs(QWidget *parent, const CalculatorTab &tab)
{
    if (!sheetOf(tab)) {
        showErrorBox(parent, refusal(tab));
        return {};
    }
    const std::optional<SheetDetails> details =
        askSheetDetails(parent, sheetOf(tab)->fileTag, rememberedSheetDetails());
    if (!details)
        return {};
    rememberSheetDetails(*details);
    const std::optional<SheetContent> sheet = sheetOf(tab, *details);
    // The folder of the last sheet saved in this run, at first the documents
    // folder (or the home folder where there is none).
    static QString folder = [] {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir(documents).exists() ? documents : QDir::homePath();
    }();
    QFileDialog dialog(parent, QStringLiteral("計算書を保存"), folder,
                       QStringLiteral("PDF ファイル (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposedSheetName(*sheet, QDate::currentDate()));
    adoptWindowLook(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The sheet is a PDF whatever the name typed: a name with another
    // suffix (計算書.png) takes .pdf after it.
    const QString typed = dialog.selectedFiles().constFirst();
    const bool pdf = QFileInfo(typed).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const QString path = pdf ? typed : typed + QStringLiteral(".pdf");
    if (path != typed && QFileInfo::exists(path) && !askToReplace(parent, path))
        return {};
    folder = QFileInfo(path).absolutePath();
    if (const SaveFailure error = writeSheet(path, *sheet, QDateTime::currentDateTime())) {
        showErrorBox(parent, *error);
        return {};
    }
    return path;
}

} // namespace tavrel
