// The dialog before a sheet is saved: the particulars that file the page
// and the allowable values of the tab, remembered between runs.
#pragma once

#include "sheet/sheet_details.h"

#include <optional>

class QWidget;

namespace tavrel
{

// Asks for the particulars and the allowables of the tab whose sheet file
// tag is `fileTag`, starting from `initial`; nothing when the user cancels.
// An allowable box left empty gives no judgement; one that holds no number
// above 0 is refused by name, with the focus on it.
std::optional<SheetDetails> askSheetDetails(QWidget *parent, const QString &fileTag,
                                            const SheetDetails &initial);

} // namespace tavrel
