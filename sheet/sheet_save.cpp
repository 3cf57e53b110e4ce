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

// The tab's own part of the sheet for its last press, with the particulars
// and the judgements of the allowables given.
class SheetOfPress : public PressVisitor
{
public:
    SheetOfPress(const CalculatorTab &tab, const TabRows &rows, const SheetDetails &details)
        : tab_(tab), rows_(rows), details_(details)
    {
    }

    void visit(const HertzPress &press, const FieldControls<HertzField> &boxes) override
    {
        make(hertzSheet(tab_, boxes, press, rows_), press);
    }
    void visit(const BeamPress &press, const FieldControls<BeamField> &boxes) override
    {
        make(beamSheet(tab_, boxes, press, rows_), press);
    }
    void visit(const BearingPress &press) override { make(bearingSheet(tab_, press, rows_), press); }

    std::optional<SheetContent> sheet;

private:
    template <typename Press> void make(SheetContent part, const Press &press)
    {
        part.particulars.clear();
        for (int i = 0; i < kParticularCount; ++i)
            part.particulars << SheetRow{
                particularCaption(static_cast<Particular>(i)), details_.particulars[i], {}};
        part.judgements = judgementLines(press, details_);
        sheet = std::move(part);
    }

    const CalculatorTab &tab_;
    const TabRows &rows_;
    const SheetDetails &details_;
};

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
    const TabRows rows = rowsOf(tab);
    SheetOfPress part(tab, rows, details);
    tab.visitPress(part);
    std::optional<SheetContent> sheet = std::move(part.sheet);
    if (sheet) {
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
