#include "diagram/beam_sketch.h"

#include "core/beam/beam_cases.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace tavrel
{

namespace
{

// The colours of the tab's picture: the beam and its supports dark red,
// the loads black.
const QColor kBeamColour(128, 0, 0);
const QColor kBeamFill(242, 222, 222);
const QColor kLoadColour = Qt::black;

// A wall with its hatching (`outward` is -1 on the left end, +1 on the
// right), or a triangle under the beam.
void drawSupport(QPainter &painter, Support support, double x, double beamY, double size, double outward)
{
    painter.setPen(QPen(kBeamColour, 1.5));
    if (support == Support::Fixed) {
        painter.drawLine(QPointF(x, beamY - size), QPointF(x, beamY + size));
        for (double y = beamY - size; y < beamY + size; y += size / 3)
            painter.drawLine(QPointF(x, y + size / 3), QPointF(x + outward * size / 3, y));
    } else if (support == Support::Pinned) {
        const QPointF tip(x, beamY + size / 4);
        painter.setBrush(Qt::white);
        painter.drawPolygon(
            QPolygonF{tip, tip + QPointF(-size / 2, size * 0.8), tip + QPointF(size / 2, size * 0.8)});
    }
}

// An arrow from `top` down to the beam at `bottom`, or up from the beam
// for a negative (upward) load.
void drawArrow(QPainter &painter, double x, double top, double bottom, bool upward)
{
    const double head = std::min(5.0, (bottom - top) / 2);
    const double tip = upward ? top : bottom, back = upward ? head : -head;
    painter.drawLine(QPointF(x, upward ? bottom : top), QPointF(x, tip + back));
    painter.setBrush(kLoadColour);
    painter.drawPolygon(
        QPolygonF{QPointF(x, tip), QPointF(x - head / 2, tip + back), QPointF(x + head / 2, tip + back)});
}

} // namespace

void drawBeamSketch(QPainter &painter, const QRectF &area, const XPlacement &place, const BeamSpan &span,
                    std::optional<double> deflectionAt)
{
    painter.save();
    const QFontMetricsF fm(painter.font(), painter.device());
    const double line = fm.height();
    const double left = place(span.L), right = place(0);
    const double beamY = area.top() + 2.2 * line, thickness = 0.3 * line;
    painter.setPen(QPen(kBeamColour, 1));
    painter.setBrush(kBeamFill);
    painter.drawRect(QRectF(QPointF(std::min(left, right), beamY - thickness / 2),
                            QPointF(std::max(left, right), beamY + thickness / 2)));
    const LoadCaseTraits &traits = traitsOf(span.loadCase);
    drawSupport(painter, traits.left, left, beamY, 0.8 * line, -1);
    drawSupport(painter, traits.right, right, beamY, 0.8 * line, 1);

    painter.setPen(QPen(kLoadColour, 1));
    const double tip = beamY - thickness / 2;
    if (traits.load != LoadPlace::Spread) {
        const double at = place(traits.load == LoadPlace::AtL1 ? span.L1 : 0);
        drawArrow(painter, at, area.top(), tip, span.P < 0);
        painter.drawText(QRectF(at - 2 * line, area.top(), 1.7 * line, line),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("P"));
    } else {
        // Arrows under a line, "p" above its middle.
        const double loadLine = area.top() + line;
        const int arrows = std::max(2, static_cast<int>(std::abs(right - left) / (1.2 * line)));
        for (int i = 0; i <= arrows; ++i)
            drawArrow(painter, left + (right - left) * i / arrows, loadLine, tip, span.P < 0);
        painter.drawLine(QPointF(left, loadLine), QPointF(right, loadLine));
        painter.drawText(QRectF(left, area.top(), right - left, line), Qt::AlignCenter, QStringLiteral("p"));
    }
    if (deflectionAt) {
        const double at = place(*deflectionAt);
        painter.drawLine(QPointF(at, beamY + thickness), QPointF(at, beamY + 1.2 * line));
        painter.drawText(QRectF(at + 0.2 * line, beamY + 0.3 * line, line, line),
                         Qt::AlignLeft | Qt::AlignTop, QStringLiteral("x"));
    }
    painter.restore();
}

} // namespace tavrel
