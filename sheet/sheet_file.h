// The calculation sheet as a PDF file.
#pragma once

#include "diagram/whole_file.h"
#include "sheet/sheet_content.h"

#include <QDate>
#include <QDateTime>

#include <optional>

namespace tavrel
{

// The name offered in the file dialog: tavrel-beam-2026-12-07.pdf.
QString proposedSheetName(const SheetContent &content, const QDate &day);

// Writes the sheet as a one-page PDF at `path`, saved at `when`, through a
// temporary file that replaces `path` only once it is complete. On failure
// nothing is left behind and the message for the user, naming the path and
// the reason, is returned.
SaveFailure writeSheet(const QString &path, const SheetContent &content, const QDateTime &when);

} // namespace tavrel
