#include "ui/fitting.h"

#include <QFontMetricsF>
#include <QRectF>

#include <cmath>

namespace tavrel
{

namespace
{

// Narrowest horizontal stretch and smallest character height at which a
// text that does not fit its box is still drawn whole; past them it is cut
// with "…".
constexpr int kNarrowestStretch = 70;
constexpr int kSmallestPixels = 9;
// Pixels kept free at the right edge, for the rounding of glyph widths at
// fractional screen scales.
constexpr qreal kSlack = 1.0;
// The most a designed caption is tightened, per character, to keep to its
// designed width before it is drawn in a condensed font instead.
constexpr qreal kTightestTracking = 1.5;

// The width a text may take in a room `width` wide.
constexpr qreal usable(qreal width)
{
    return width - kSlack;
}

qreal advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

bool fitsRoom(const QFont &font, const QString &text, const TextRoom &room)
{
    if (!room.wraps)
        return fitsWidth(font, text, room.width);
    const QRectF box(QPointF(), QSizeF(usable(room.width), room.height));
    // The wrapped text's extent, bounded by the box, is unchanged: it lies
    // within (an empty text has no extent and fits too).
    const QSizeF used = QFontMetricsF(font).boundingRect(box, Qt::TextWordWrap, text).size();
    return used.boundedTo(box.size()) == used;
}

// For a text that does not fit in `base`: the font in which `fits` holds,
// condensed step by step down to the narrowest stretch, else smaller down
// to the floor. Where even the floor does not fit, the text is cut where it
// is drawn.
template <typename Fits> QFont narrowed(const QFont &base, Fits fits)
{
    QFont font = base;
    for (int stretch = 95; stretch >= kNarrowestStretch; stretch -= 5) {
        font.setStretch(stretch);
        if (fits(font))
            return font;
    }
    for (int pixels = base.pixelSize() - 1; pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font))
            return font;
    }
    return font;
}

} // namespace

FittedText fitText(const QFont &base, const QString &text, const TextRoom &room, Tracking tracking)
{
    // Most texts fit as they are, and are measured once; a text too wide is
    // measured again in each narrower font tried.
    const qreal natural = room.wraps ? 0 : advance(base, text);
    FittedText fitted{base, false, true, static_cast<int>(std::ceil(natural + kSlack))};
    const qreal spare = usable(room.width) - natural;
    // A tracked text is spread to its room, a little tighter or looser as
    // its designed font set it; only a text much too wide is drawn in a
    // narrower font. Letter spacing is kept to 1/64 pixel: a pixel's slack
    // more covers its rounding.
    if (tracking == Tracking::ToRoom && !room.wraps && usable(spare) >= -kTightestTracking * text.size()) {
        fitted.font.setLetterSpacing(QFont::AbsoluteSpacing, usable(spare) / text.size());
        return fitted;
    }
    const auto fits = [&](const QFont &candidate) { return fitsRoom(candidate, text, room); };
    if (room.wraps ? fits(base) : spare >= 0)
        return fitted;
    fitted.font = narrowed(base, fits);
    fitted.narrowed = true;
    fitted.whole = fits(fitted.font);
    return fitted;
}

bool fitsWidth(const QFont &font, const QString &text, qreal width)
{
    return advance(font, text) <= usable(width);
}

QString elided(const QFont &font, const QString &text, qreal width)
{
    return QFontMetricsF(font).elidedText(text, Qt::ElideRight, usable(width));
}

} // namespace tavrel
