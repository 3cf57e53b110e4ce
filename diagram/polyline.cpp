#include "diagram/polyline.h"

#include <cmath>
#include <utility>
#include <vector>

namespace tavrel
{

QPolygonF simplified(const QPolygonF &line, double tolerance)
{
    if (line.size() < 3)
        return line;
    std::vector<bool> keep(static_cast<std::size_t>(line.size()), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<qsizetype, qsizetype>> stretches{{0, line.size() - 1}};
    while (!stretches.empty()) {
        const auto [first, last] = stretches.back();
        stretches.pop_back();
        const QPointF a = line[first], chord = line[last] - a;
        const double length = std::hypot(chord.x(), chord.y());
        double farthest = 0;
        qsizetype at = first;
        for (qsizetype i = first + 1; i < last; ++i) {
            const QPointF v = line[i] - a;
            const double off = length > 0 ? std::abs(chord.x() * v.y() - chord.y() * v.x()) / length
                                          : std::hypot(v.x(), v.y());
            if (off > farthest) {
                farthest = off;
                at = i;
            }
        }
        if (farthest > tolerance) {
            keep[static_cast<std::size_t>(at)] = true;
            stretches.push_back({first, at});
            stretches.push_back({at, last});
        }
    }
    QPolygonF kept;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (keep[static_cast<std::size_t>(i)])
            kept << line[i];
    }
    return kept;
}

} // namespace tavrel
