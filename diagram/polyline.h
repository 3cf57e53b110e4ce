// A polyline with only the points a drawing of it needs.
#pragma once

#include <QPolygonF>

namespace tavrel
{

// The points of a polyline that matter at `tolerance` pixels: the others
// lie within it of the chords between the kept ones (Douglas-Peucker).
// Stroking costs by the segment, and a curve has many more points than a
// drawing of it needs.
QPolygonF simplified(const QPolygonF &line, double tolerance);

} // namespace tavrel
