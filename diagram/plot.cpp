#include "diagram/plot.h"

#include "diagram/labels.h"
#include "diagram/polyline.h"
#include "diagram/ticks.h"
#include "ui/palette.h"

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
// Least distance between labelled ticks up the vertical axis, in font heights.
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

    // Worked in long double: the span between two doubles may be beyond a
    // double (from -1e308 to 1e308), or below its precision (subnormal
    // values).
    double operator()(double v) const
    {
        const auto t = [this](double u) -> long double {
            return logarithmic ? std::log10(static_cast<long double>(u)) : u;
        };
        return static_cast<double>(from + (t(v) - t(lo)) / (t(hi) - t(lo)) * (to - from));
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

constexpr double kMost = std::numeric_limits<double>::max();
constexpr double kLeast = std::numeric_limits<double>::denorm_min();

// v as a double from `least` up to the largest double.
double within(long double v, double least)
{
    return static_cast<double>(
        std::clamp(v, static_cast<long double>(least), static_cast<long double>(kMost)));
}

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
    // The room is worked out in long double and the ends kept to what a
    // double holds, so that the data's own range is never lost.
    const long double lo = r.lo, hi = r.hi;
    if (axis.logarithmic) {
        const long double room = hi == lo ? 10 : horizontal ? 1 : std::pow(hi / lo, kPadding);
        return {within(lo / room, kLeast), within(hi * room, kLeast)};
    }
    const long double low = horizontal ? lo : std::min(lo, 0.0L);
    const long double high = horizontal ? hi : std::max(hi, 0.0L);
    const long double room = high == low  ? std::max(1.0L, std::abs(low) / 10)
                             : horizontal ? 0
                                          : (high - low) * kPadding;
    return {within(low - room, -kMost), within(high + room, -kMost)};
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

// The vertical axis's ticks, as many as its height leaves room for.
std::vector<Tick> yTicks(const QFontMetricsF &fm, const Axis &axis, const Range &r, double height)
{
    return ticksFor(axis, r, std::max(2, static_cast<int>(height / (kTickSpacing * fm.height()))));
}

// Where the horizontal labels may reach, left and right: the whole width
// of the drawing, not only the plot's.
struct Reach {
    double left, right;
};

// The box of a horizontal tick's label: centred under its tick, moved
// inward where it would pass the edge of the drawing.
QRectF xLabelBox(const QFontMetricsF &fm, const QString &label, double x, double top, const Reach &reach)
{
    const double w = fm.horizontalAdvance(label);
    return {std::clamp(x - w / 2, reach.left, std::max(reach.left, reach.right - w)), top, w, fm.height()};
}

// As many horizontal ticks as fit with their labels side by side, a round
// step apart and at least a font height between neighbours.
std::vector<Tick> fittingXTicks(const QFontMetricsF &fm, const Axis &axis, const Range &r, const Scale &at,
                                const Reach &reach)
{
    const double length = std::abs(at.to - at.from);
    for (int most = 10; most > 1; --most) {
        std::vector<Tick> ticks = ticksFor(axis, r, most);
        std::vector<QRectF> boxes;
        for (const Tick &t : ticks) {
            if (!t.label.isEmpty())
                boxes.push_back(xLabelBox(fm, t.label, at(t.value), 0, reach));
        }
        std::sort(boxes.begin(), boxes.end(),
                  [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
        bool apart = boxes.size() < 2 || length / static_cast<double>(boxes.size() - 1) >=
                                             widestLabel(fm, ticks) + 2 * fm.height();
        for (std::size_t i = 1; apart && i < boxes.size(); ++i)
            apart = boxes[i].left() - boxes[i - 1].right() >= fm.height();
        if (apart)
            return ticks;
    }
    return ticksFor(axis, r, 1);
}

// Everything about one plot that its drawing needs.
struct Layout {
    QRectF area; // inside the axes
    Scale x, y;
    std::vector<Tick> xTicks, yTicks;
    Reach reach;
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
    // Right of the plots a font height stays free; labels may take most of it.
    l.reach = {slot.left(), right + 0.75 * line};
    l.xTicks = fittingXTicks(fm, plot.x, xr, l.x, l.reach);
    l.yTicks = yTicks(fm, plot.y, yr, l.area.height());
    return l;
}

// A vertical tick's label by its tick, kept above the x labels (the shear's lowest touched them).
QRectF yLabelBox(const QFontMetricsF &fm, const QRectF &a, double y)
{
    const double h = fm.height(), top = std::min(y - h / 2, a.bottom() - 0.8 * h);
    return {QPointF(a.left() - kRoom * h, top), QPointF(a.left() - kGap * h, top + h)};
}

void drawGridAndAxes(QPainter &painter, const QFontMetricsF &fm, const Plot &plot, const Layout &l)
{
    const QRectF &a = l.area;
    std::vector<QRectF> labelled; // a label that would touch one of these is left out
    for (const Tick &t : l.yTicks) {
        const double y = l.y(t.value);
        painter.setPen(QPen(t.value == 0 && !plot.y.logarithmic ? kZeroLine
                            : t.label.isEmpty()                 ? kMinorGrid
                                                                : kGrid,
                            0));
        painter.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
        painter.setPen(kInk);
        const QRectF box = yLabelBox(fm, a, y);
        if (t.label.isEmpty() ||
            std::ranges::any_of(labelled, [&](const QRectF &b) { return b.intersects(box); }))
            continue;
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, t.label);
        labelled.push_back(box);
    }
    for (const Tick &t : l.xTicks) {
        const double x = l.x(t.value);
        painter.setPen(QPen(t.label.isEmpty() ? kMinorGrid : kGrid, 0));
        painter.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
        painter.setPen(kInk);
        if (!t.label.isEmpty())
            painter.drawText(xLabelBox(fm, t.label, x, a.bottom() + 0.2 * fm.height(), l.reach),
                             Qt::AlignCenter, t.label);
    }
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(a);
    // The horizontal axis's title, left of its labels.
    double titleRight = a.left() - kGap * fm.height();
    for (const Tick &t : l.xTicks) {
        if (!t.label.isEmpty())
            titleRight =
                std::min(titleRight, xLabelBox(fm, t.label, l.x(t.value), 0, l.reach).left() - fm.height());
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
    // Labels stand this far from their points: clear of the dot and its rim.
    const double off = 0.5 * fm.height();
    std::vector<LabelRequest> requests;
    std::vector<const Mark *> shown;
    for (const Mark &m : plot.marks) {
        const QPointF at(l.x(m.x), l.y(m.y));
        if (!l.area.adjusted(-1, -1, 1, 1).contains(at))
            continue;
        requests.push_back({at, QSizeF(fm.horizontalAdvance(m.label) + off, fm.height())});
        shown.push_back(&m);
    }
    // Clear of the frame, which a label's ground would otherwise hide.
    const double margin = 0.25 * fm.height();
    const std::vector<std::optional<QRectF>> boxes =
        placeLabels(requests, l.area.adjusted(margin, margin, -margin, -margin), off,
                    [&](const QRectF &box) { return coversCurve(plot, l, box); });
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
        // The plot's height with the legend beside its title, and below it.
        for (double taken : {2.7, 3.7})
            widest =
                std::max(widest, widestLabel(fm, yTicks(fm, plot.y, yr, slotHeight - taken * fm.height())));
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
