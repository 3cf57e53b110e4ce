#include "diagram/plot.h"

#include "app/palette.h"
#include "diagram/labels.h"
#include "diagram/ticks.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tavrel
{

namespace
{

const QColor kGround = Qt::white;
const QColor kInk = Qt::black;
const QColor kGrid(0xd0, 0xd0, 0xd0);
const QColor kMinorGrid(0xec, 0xec, 0xec);
const QColor kZeroLine(0x80, 0x80, 0x80);
// Behind a mark's label, so that it reads over the curves and the grid.
const QColor kLabelGround(255, 255, 255, 220);

// Length of a legend's line sample, and gaps, in font heights.
constexpr double kSampleLength = 1.6;
constexpr double kGap = 0.5;
// Most room left of the plots, in font heights.
constexpr double kRoom = 20;
// Least distance between labelled ticks up the vertical axis, in font
// heights.
constexpr double kTickSpacing = 2.2;
// How far, in pixels, a drawn curve may stray from its points.
constexpr double kTolerance = 0.2;
// Share of the data range left free above and below the curves.
constexpr double kPadding = 0.06;

// Where a value of one axis stands: from `from` to `to` in pixels.
struct Scale {
    double lo = 0, hi = 1;
    bool logarithmic = false;
    double from = 0, to = 1;

    double operator()(double v) const
    {
        const auto t = [this](double u) { return logarithmic ? std::log10(u) : u; };
        return from + (t(v) - t(lo)) / (t(hi) - t(lo)) * (to - from);
    }
};

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();

    void take(double v, bool logarithmic)
    {
        if (std::isfinite(v) && (!logarithmic || v > 0)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
};

// The range the axis shows: the data's (on the vertical axis of a linear
// plot with zero in it and a little room above and below), never empty.
Range axisRange(const Plot &plot, bool horizontal)
{
    const Axis &axis = horizontal ? plot.x : plot.y;
    Range r;
    for (const Series &s : plot.series) {
        for (const CurvePoint &p : s.points)
            r.take(horizontal ? p.x : p.y, axis.logarithmic);
    }
    if (!(r.lo <= r.hi))
        return axis.logarithmic ? Range{1, 10} : Range{-1, 1};
    if (axis.logarithmic) {
        if (r.hi == r.lo)
            return {r.lo / 10, r.hi * 10};
        const double room = horizontal ? 1.0 : std::pow(r.hi / r.lo, kPadding);
        return {r.lo / room, r.hi * room};
    }
    if (!horizontal) {
        r.lo = std::min(r.lo, 0.0);
        r.hi = std::max(r.hi, 0.0);
        const double room = (r.hi - r.lo) * kPadding;
        r.lo -= room;
        r.hi += room;
    }
    if (r.hi == r.lo)
        return {r.lo - 1, r.hi + 1};
    return r;
}

std::vector<Tick> ticksFor(const Axis &axis, const Range &r, int most)
{
    return axis.logarithmic ? logTicks(r.lo, r.hi) : linearTicks(r.lo, r.hi, most);
}

double widestLabel(const QFontMetricsF &fm, const std::vector<Tick> &ticks)
{
    double widest = 0;
    for (const Tick &t : ticks)
        widest = std::max(widest, fm.horizontalAdvance(t.label));
    return widest;
}

// As many horizontal ticks as fit with their labels side by side.
std::vector<Tick> fittingXTicks(const QFontMetricsF &fm, const Axis &axis, const Range &r, double length)
{
    for (int most = 10; most > 1; --most) {
        std::vector<Tick> ticks = ticksFor(axis, r, most);
        int labelled = 0;
        for (const Tick &t : ticks)
            labelled += t.label.isEmpty() ? 0 : 1;
        if (labelled < 2 || length / (labelled - 1) >= widestLabel(fm, ticks) + 2 * fm.height())
            return ticks;
    }
    return ticksFor(axis, r, 1);
}

// Everything about one plot that its drawing needs.
struct Layout {
    QRectF area; // inside the axes
    Scale x, y;
    std::vector<Tick> xTicks, yTicks;
    double titleTop = 0;
    bool legendBelowTitle = false;
};

double legendWidth(const QFontMetricsF &fm, const Plot &plot)
{
    double width = 0;
    for (const Series &s : plot.series) {
        if (!s.name.isEmpty())
            width += (kSampleLength + 2 * kGap) * fm.height() + fm.horizontalAdvance(s.name);
    }
    return width;
}

Layout layOut(const QFontMetricsF &fm, const Plot &plot, const QRectF &slot, double left, double right)
{
    Layout l;
    const double line = fm.height();
    l.titleTop = slot.top();
    l.legendBelowTitle =
        fm.horizontalAdvance(plot.title) + 2 * line + legendWidth(fm, plot) > right - slot.left();
    const double top = slot.top() + line * (l.legendBelowTitle ? 2.3 : 1.3);
    const double bottom = slot.bottom() - line * 1.4;
    l.area = QRectF(QPointF(left, top), QPointF(right, std::max(bottom, top + line)));
    const Range xr = axisRange(plot, true), yr = axisRange(plot, false);
    l.x = {xr.lo, xr.hi, plot.x.logarithmic, plot.x.reversed ? right : left, plot.x.reversed ? left : right};
    l.y = {yr.lo, yr.hi, plot.y.logarithmic, plot.y.reversed ? top : l.area.bottom(),
           plot.y.reversed ? l.area.bottom() : top};
    l.xTicks = fittingXTicks(fm, plot.x, xr, l.area.width());
    l.yTicks = ticksFor(plot.y, yr, std::max(2, static_cast<int>(l.area.height() / (kTickSpacing * line))));
    return l;
}

void drawGridAndAxes(QPainter &painter, const QFontMetricsF &fm, const Plot &plot, const Layout &l)
{
    const QRectF &a = l.area;
    for (const Tick &t : l.yTicks) {
        const double y = l.y(t.value);
        painter.setPen(QPen(t.value == 0 && !plot.y.logarithmic ? kZeroLine
                            : t.label.isEmpty()                 ? kMinorGrid
                                                                : kGrid,
                            0));
        painter.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
        painter.setPen(kInk);
        if (!t.label.isEmpty())
            painter.drawText(QRectF(QPointF(a.left() - kRoom * fm.height(), y - fm.height() / 2),
                                    QPointF(a.left() - kGap * fm.height(), y + fm.height() / 2)),
                             Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    for (const Tick &t : l.xTicks) {
        const double x = l.x(t.value);
        painter.setPen(QPen(t.label.isEmpty() ? kMinorGrid : kGrid, 0));
        painter.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
        painter.setPen(kInk);
        if (!t.label.isEmpty()) {
            const double w = fm.horizontalAdvance(t.label);
            painter.drawText(QRectF(x - w / 2, a.bottom() + 0.2 * fm.height(), w, fm.height()),
                             Qt::AlignCenter, t.label);
        }
    }
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(a);
    // The horizontal axis's title, left of its labels.
    double titleRight = a.left() - kGap * fm.height();
    for (const Tick &t : l.xTicks) {
        if (!t.label.isEmpty())
            titleRight = std::min(titleRight, l.x(t.value) - fm.horizontalAdvance(t.label) / 2 - fm.height());
    }
    painter.drawText(QRectF(QPointF(a.left() - kRoom * fm.height(), a.bottom() + 0.2 * fm.height()),
                            QPointF(titleRight, a.bottom() + 1.2 * fm.height())),
                     Qt::AlignRight | Qt::AlignVCenter, plot.x.title);
}

void drawTitleAndLegend(QPainter &painter, const QFontMetricsF &fm, const Plot &plot, const Layout &l,
                        double left)
{
    const double line = fm.height();
    painter.setPen(kInk);
    painter.drawText(QPointF(left, l.titleTop + fm.ascent()), plot.title);
    // The legend ends at the right edge, on the title's line when it fits.
    double x = l.area.right() - legendWidth(fm, plot) + kGap * line;
    const double middle = l.titleTop + line * (l.legendBelowTitle ? 1.5 : 0.5);
    for (const Series &s : plot.series) {
        if (s.name.isEmpty())
            continue;
        painter.setPen(QPen(s.colour, 2, s.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, middle), QPointF(x + kSampleLength * line, middle));
        x += (kSampleLength + kGap) * line;
        painter.setPen(kInk);
        painter.drawText(QPointF(x, middle - line / 2 + fm.ascent()), s.name);
        x += fm.horizontalAdvance(s.name) + kGap * line;
    }
}

// The points of a polyline that matter at `tolerance` pixels: the others
// lie within it of the chords between the kept ones (Douglas-Peucker).
// Stroking costs by the segment, and a curve has many more points than a
// drawing of it needs.
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

void drawSeries(QPainter &painter, const Series &s, const Layout &l)
{
    painter.setPen(QPen(s.colour, 2, s.style, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF piece;
    const auto flush = [&] {
        if (piece.size() > 1)
            painter.drawPolyline(simplified(piece, kTolerance));
        piece.clear();
    };
    for (const CurvePoint &p : s.points) {
        const QPointF at(l.x(p.x), l.y(p.y));
        if (std::isfinite(at.x()) && std::isfinite(at.y()))
            piece << at;
        else
            flush();
    }
    flush();
}

bool coversCurve(const Plot &plot, const Layout &l, const QRectF &box)
{
    for (const Series &s : plot.series) {
        for (const CurvePoint &p : s.points) {
            if (box.contains(QPointF(l.x(p.x), l.y(p.y))))
                return true;
        }
    }
    return false;
}

// Each mark's point, and its label where there is room for it.
void drawMarks(QPainter &painter, const QFontMetricsF &fm, const Plot &plot, const Layout &l)
{
    const double off = 0.4 * fm.height();
    std::vector<LabelRequest> requests;
    std::vector<const Mark *> shown;
    for (const Mark &m : plot.marks) {
        const QPointF at(l.x(m.x), l.y(m.y));
        if (!l.area.adjusted(-1, -1, 1, 1).contains(at))
            continue;
        requests.push_back({at, QSizeF(fm.horizontalAdvance(m.label) + off, fm.height())});
        shown.push_back(&m);
    }
    const std::vector<std::optional<QRectF>> boxes =
        placeLabels(requests, l.area, off, [&](const QRectF &box) { return coversCurve(plot, l, box); });
    for (std::size_t i = 0; i < requests.size(); ++i) {
        painter.setPen(QPen(kGround, 1.5));
        painter.setBrush(kInk);
        painter.drawEllipse(requests[i].point, 4, 4);
        if (!boxes[i])
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLabelGround);
        painter.drawRect(*boxes[i]);
        painter.setPen(kInk);
        painter.drawText(*boxes[i], Qt::AlignCenter, shown[i]->label);
    }
}

// The left edge of the plots: room for the widest label left of any axis.
double leftEdge(const QFontMetricsF &fm, const Figure &figure, const QRectF &area, double slotHeight)
{
    double widest = 0;
    for (const Plot &plot : figure.plots) {
        const Range yr = axisRange(plot, false);
        const int most =
            std::max(2, static_cast<int>((slotHeight - 3.7 * fm.height()) / (kTickSpacing * fm.height())));
        widest = std::max(widest, widestLabel(fm, ticksFor(plot.y, yr, most)));
        const double xLabel = widestLabel(fm, ticksFor(plot.x, axisRange(plot, true), 10));
        widest = std::max(widest, fm.horizontalAdvance(plot.x.title) + xLabel / 2 + fm.height());
    }
    return area.left() + widest + fm.height();
}

} // namespace

void drawFigure(QPainter &painter, const QRectF &area, const Figure &figure)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, kGround);
    painter.setFont(fontFor(FontRole::Inherit));
    const QFontMetricsF fm(painter.font(), painter.device());
    const double line = fm.height();
    const QRectF inner = area.adjusted(line / 2, line / 2, -line, -line / 2);
    const double headerHeight = figure.header.draw ? figure.header.lines * line : 0;
    const double slotHeight =
        figure.plots.empty() ? 0 : (inner.height() - headerHeight) / static_cast<double>(figure.plots.size());
    const double left = leftEdge(fm, figure, inner, slotHeight);
    const double right = inner.right();
    if (figure.header.draw && !figure.plots.empty()) {
        const Plot &first = figure.plots.front();
        const Layout l =
            layOut(fm, first, QRectF(inner.left(), inner.top(), inner.width(), slotHeight), left, right);
        figure.header.draw(painter, QRectF(left, inner.top(), right - left, headerHeight), l.x);
    }
    double top = inner.top() + headerHeight;
    for (const Plot &plot : figure.plots) {
        const Layout l = layOut(fm, plot, QRectF(inner.left(), top, inner.width(), slotHeight), left, right);
        drawGridAndAxes(painter, fm, plot, l);
        painter.save();
        painter.setClipRect(l.area.adjusted(-1, -1, 1, 1));
        for (const Series &s : plot.series)
            drawSeries(painter, s, l);
        painter.restore();
        drawMarks(painter, fm, plot, l);
        drawTitleAndLegend(painter, fm, plot, l, inner.left());
        top += slotHeight;
    }
    painter.restore();
}

} // namespace tavrel
