// One drawing of a set of plots, stacked one above the other, with their
// axes, ticks, labels, legends and marked points: into any painter and
// rectangle, so that the same drawing serves the screen, an SVG or PNG
// file and a printed sheet. No widget here.
#pragma once

#include "core/curve.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace tavrel
{

struct Series {
    QString name;
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    Curve points;
};

// A point picked out on a curve, with its label.
struct Mark {
    double x, y;
    QString label;
};

struct Axis {
    QString title;
    bool logarithmic = false;
    // Larger values to the left (the beam's x, measured from its right
    // end), or further down (a deflection, positive downwards).
    bool reversed = false;
};

struct Plot {
    QString title; // the quantity on the vertical axis, with its unit
    Axis x, y;
    std::vector<Series> series;
    std::vector<Mark> marks;
};

// Where a value of the plots' horizontal axis stands across the drawing.
using XPlacement = std::function<double(double)>;

// What stands above the plots, drawn over the same width as their
// horizontal axes (the beam with its supports and loads), and the height it
// takes in font heights.
struct Header {
    std::function<void(QPainter &, const QRectF &, const XPlacement &)> draw;
    double lines = 0;
};

struct Figure {
    std::vector<Plot> plots;
    Header header;
};

// Draws the figure into `area`: white ground, the designed Gothic font,
// colours of their own whatever the desktop's. Every plot's vertical axis
// starts at the same left edge, so the plots line up.
void drawFigure(QPainter &painter, const QRectF &area, const Figure &figure);

} // namespace tavrel
