#include "diagram/outlined_svg.h"

#include "diagram/plot.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QSvgGenerator>

#include <cmath>

namespace tavrel
{

namespace
{

// Hands every drawing on to a painter of the target device, but text, which
// it fills there as the outlines of its glyphs. With no target it only
// gathers the strings drawn.
class OutlineEngine : public QPaintEngine
{
public:
    explicit OutlineEngine(QPaintDevice *target) : QPaintEngine(AllFeatures), target_(target) {}

    bool begin(QPaintDevice *) override { return !target_ || out_.begin(target_); }
    bool end() override { return !target_ || out_.end(); }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override;

    void drawPath(const QPainterPath &path) override
    {
        if (target_)
            out_.drawPath(path);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (!target_)
            return;
        if (mode == PolylineMode)
            out_.drawPolyline(points, count);
        else
            out_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }

    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &source) override
    {
        if (target_)
            out_.drawPixmap(r, pixmap, source);
    }

    void drawTextItem(const QPointF &at, const QTextItem &item) override;

    // The strings drawn, each whole: the toolkit hands a string over in
    // pieces, a piece a script, which follow each other on one baseline.
    QStringList texts;

private:
    QPaintDevice *target_;
    QPainter out_;
    QPointF next_{NAN, NAN};
};

// The state in the order that keeps a clip where it was set: the transform
// first, as the clip is given in the coordinates of the time.
void OutlineEngine::updateState(const QPaintEngineState &state)
{
    if (!target_)
        return;
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform)
        out_.setTransform(state.transform());
    if (dirty & DirtyPen)
        out_.setPen(state.pen());
    if (dirty & DirtyBrush)
        out_.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin)
        out_.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyFont)
        out_.setFont(state.font());
    if (dirty & DirtyHints)
        out_.setRenderHints(state.renderHints());
    if (dirty & DirtyOpacity)
        out_.setOpacity(state.opacity());
    if (dirty & DirtyClipPath)
        out_.setClipPath(state.clipPath(), state.clipOperation());
    if (dirty & DirtyClipRegion)
        out_.setClipRegion(state.clipRegion(), state.clipOperation());
    if (dirty & DirtyClipEnabled)
        out_.setClipping(state.isClipEnabled());
}

void OutlineEngine::drawTextItem(const QPointF &at, const QTextItem &item)
{
    // A piece that starts where the last one ended goes on with its string.
    if (!texts.isEmpty() && std::abs(at.y() - next_.y()) < 0.01 && std::abs(at.x() - next_.x()) < 0.5)
        texts.last() += item.text();
    else
        texts << item.text();
    next_ = at + QPointF(item.width(), 0);
    if (!target_)
        return;
    QPainterPath outline;
    outline.addText(at, item.font(), item.text());
    out_.fillPath(outline, out_.pen().brush());
}

// A device that stands for the SVG, measured as it is, drawn through an
// OutlineEngine.
class OutlineDevice : public QPaintDevice
{
public:
    OutlineDevice(const QSvgGenerator &measure, QSvgGenerator *target) : measure_(measure), engine_(target) {}

    QPaintEngine *paintEngine() const override { return &engine_; }
    const QStringList &texts() const { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return measure_.width();
        case PdmHeight:
            return measure_.height();
        case PdmWidthMM:
            return measure_.widthMM();
        case PdmHeightMM:
            return measure_.heightMM();
        case PdmNumColors:
            return measure_.colorCount();
        case PdmDepth:
            return measure_.depth();
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return measure_.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return measure_.logicalDpiY();
        case PdmDevicePixelRatio:
            return static_cast<int>(measure_.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(measure_.devicePixelRatio() * devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QSvgGenerator &measure_;
    mutable OutlineEngine engine_;
};

} // namespace

bool writeOutlinedSvg(QIODevice &file, const Figure &figure, const QSize &size, const QString &title)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    // Sized in CSS pixels (96 a inch), as browsers and drawing programs
    // read them.
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    // A first drawing gathers the strings for the description, which is
    // written before the drawing.
    OutlineDevice gather(svg, nullptr);
    QPainter painter(&gather);
    drawFigure(painter, QRectF(QPointF(), size), figure);
    painter.end();
    svg.setDescription(gather.texts().join(QLatin1Char('\n')));
    OutlineDevice outlined(svg, &svg);
    if (!painter.begin(&outlined))
        return false;
    drawFigure(painter, QRectF(QPointF(), size), figure);
    return painter.end();
}

} // namespace tavrel
