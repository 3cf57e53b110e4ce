#include "diagram/labels.h"

#include <algorithm>

namespace tavrel
{

namespace
{

// The half-size of the square a marked point keeps free around it.
constexpr double kDotRoom = 5;

QRectF insideOf(QRectF box, const QRectF &area)
{
    box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
    box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
    return box;
}

} // namespace

std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest> &requests, const QRectF &area,
                                               double offset,
                                               const std::function<bool(const QRectF &)> &onCurve)
{
    std::vector<QRectF> taken;
    for (const LabelRequest &r : requests)
        taken.emplace_back(r.point - QPointF(kDotRoom, kDotRoom), QSizeF(2 * kDotRoom, 2 * kDotRoom));
    std::vector<std::optional<QRectF>> placed;
    for (const LabelRequest &r : requests) {
        const double w = r.size.width(), h = r.size.height();
        std::optional<QRectF> best;
        bool bestOnCurve = true;
        for (double dy : {-offset - h, offset, -offset - 2 * h, offset + h}) {
            for (double dx : {offset, -offset - w}) {
                const QRectF box = insideOf(QRectF(r.point + QPointF(dx, dy), r.size), area);
                if (!area.contains(box) || std::any_of(taken.begin(), taken.end(),
                                                       [&](const QRectF &t) { return t.intersects(box); }))
                    continue;
                const bool covers = onCurve(box);
                if (!best || (bestOnCurve && !covers)) {
                    best = box;
                    bestOnCurve = covers;
                }
            }
        }
        if (best)
            taken.push_back(*best);
        placed.push_back(best);
    }
    return placed;
}

} // namespace tavrel
