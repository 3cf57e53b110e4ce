// Where the labels of a plot's marked points go, so that none covers
// another, or a marked point, or leaves the plot.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <optional>
#include <vector>

namespace tavrel
{

struct LabelRequest {
    QPointF point; // the marked point
    QSizeF size;   // the label's box
};

// For each request in turn, a box beside its point, `offset` away, nearest
// places first, kept inside `area`: the first that covers no label placed
// before it and no marked point, and where one does, no curve
// (`onCurve`). A label without such a place gets none; the values listed
// under the drawing still carry it.
std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest> &requests, const QRectF &area,
                                               double offset,
                                               const std::function<bool(const QRectF &)> &onCurve);

} // namespace tavrel
