// The calculation sheet as a page: one A4 portrait page with the header and
// signature boxes, the inputs beside the picture of the selection, the
// formulas with their numbers, the results, the diagrams and a footer.
#pragma once

#include "core/version.h"
#include "sheet/sheet_content.h"

#include <QDateTime>

class QPainter;

namespace tavrel
{

// The program as the sheet names it, on the page and in the file's details.
inline constexpr const char *kSheetProgram = kProgramTitle;

// Paints the sheet onto a page `page` (in device units) of a device with
// `dotsPerMm` device units to the millimetre, saved at `when`; the time of
// the press it shows comes with the content. Text stays text: the PDF it
// is painted into can be searched and copied.
void paintSheet(QPainter &painter, const QRectF &page, double dotsPerMm, const SheetContent &content,
                const QDateTime &when);

} // namespace tavrel
