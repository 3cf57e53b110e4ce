// A calculator tab as text, for a report or a spreadsheet.
#pragma once

#include "app/describe.h"

#include <QList>
#include <QString>

#include <span>
#include <utility>

namespace tavrel
{

class Controls;

// What the shown results are to the boxes and selections.
enum class ResultsState {
    Current,     // the results of what the boxes and selections hold
    Changed,     // an input changed since the press that gave them
    NotComputed, // nothing pressed yet, or the results were emptied
};

// One line each, columns separated by tabs: first the selections in words
// (heading, name), then every box and field of `captions` in table order,
// the inputs first, as caption, value and unit, the number without its unit
// text, so that a spreadsheet reads it as a number. Boxes that are disabled
// do not apply and are left out. Results that are not current are replaced
// by one line that says so.
QString tabAsText(const Controls &controls, std::span<const CaptionSpec> captions,
                  const QList<std::pair<QString, QString>> &selections, ResultsState results);

} // namespace tavrel
