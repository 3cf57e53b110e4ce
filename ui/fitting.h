// The one rule for drawing a text in the width its box gives it: as it is,
// spread or tightened to a designed width, condensed, smaller, and only past
// a legible floor cut with "…". Labels and result boxes all draw through it.
#pragma once

#include <QFont>
#include <QString>

namespace tavrel
{

// Where a text is drawn: one line `width` wide, or, for a text wrapped at
// blanks, a box `width` by `height`.
struct TextRoom {
    qreal width;
    qreal height = 0;
    bool wraps = false;
};

enum class Tracking {
    Natural, // the text keeps its own letter spacing
    ToRoom,  // a one-line text is spread or tightened to span its room exactly
};

struct FittedText {
    QFont font;            // the font to draw the text in
    bool narrowed = false; // condensed or smaller than the base font
    bool whole = true;     // drawn whole; otherwise cut with "…" (see elided)
    int span = 0;          // a one-line text's width in the base font, with the slack at its end
};

// How `text` is drawn in `room`, starting from the font `base`: as it is
// when it fits; with Tracking::ToRoom, spread or tightened by up to 1.5
// pixels a character to span the room; else condensed step by step, then
// smaller, down to a legible floor, past which it is no longer whole.
FittedText fitText(const QFont &base, const QString &text, const TextRoom &room,
                   Tracking tracking = Tracking::Natural);

// True when a one-line `text` in `font` fits a room `width` wide.
bool fitsWidth(const QFont &font, const QString &text, qreal width);

// `text` cut at the right with "…" to fit a room `width` wide.
QString elided(const QFont &font, const QString &text, qreal width);

} // namespace tavrel
