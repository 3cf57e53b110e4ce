// Saving the calculation sheet of a tab: only of its last press, and only
// while the boxes still hold what that press read.
#pragma once

#include "diagram/whole_file.h"
#include "sheet/sheet_content.h"
#include "sheet/sheet_details.h"

#include <QDateTime>

#include <optional>

class QWidget;

namespace tavrel
{

class CalculatorTab;

// The sheet of the tab's last press, with the particulars and the
// judgements of `details` (blank lines to write in, no judgement, where it
// has none); empty unless the tab's results are current.
std::optional<SheetContent> sheetOf(const CalculatorTab &tab, const SheetDetails &details = {});

// Writes the tab's sheet at `path`. Returns the message for the user when
// nothing was written: the results do not match the boxes, or the file
// could not be written.
SaveFailure saveSheet(const CalculatorTab &tab, const QString &path, const QDateTime &when,
                      const SheetDetails &details = {});

// Asks for the particulars and allowables (remembered from the last sheet),
// then for a file name in the standard dialog, offering today's name in the
// last folder used, and saves the tab's sheet there; says in a message box
// why when it cannot. Returns the path written, empty when nothing was.
QString saveSheetAs(QWidget *parent, const CalculatorTab &tab);

} // namespace tavrel
