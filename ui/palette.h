// The window's designed colours and fonts, kept whatever the desktop's own
// palette and fonts are.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tavrel
{

// Background of every result label and result box (light yellow).
inline const QColor kResultColour{255, 255, 181};
// Background of the tab titles (light cyan).
inline const QColor kTitleColour{128, 255, 255};
// Font colour of a caption that does not apply to the current selection.
inline const QColor kGreyColour{128, 128, 128};
// A result that no longer belongs to the inputs: its muted text (5.5:1 on
// the result colour, 5.7:1 on white), the dashed frame round it, and the
// compute button that waits for a press.
inline const QColor kStaleTextColour{102, 102, 102};
inline const QColor kStaleMarkColour{176, 74, 0};
inline const QColor kPressDueColour{255, 200, 100};

// The colours the window draws with whatever the desktop's palette: a light
// grey ground, white boxes, black text, and disabled boxes on the ground
// colour with grey text that still reads at 4.5:1.
QPalette designedPalette();

enum class FontRole {
    Inherit,  // the window's font: Gothic, 15-pixel characters
    Gothic17, // titles and large result fields
    Gothic13, // the long stress captions of the Hertz tab
    Mincho15, // the beam result captions
};

// The designed family first, then its stand-in.
QFont fontFor(FontRole role);

void setFontColour(QWidget *widget, const QColor &colour);

} // namespace tavrel
