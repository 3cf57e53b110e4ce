#include "diagram/figure_view.h"

#include <QPainter>

namespace tavrel
{

FigureView::FigureView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DiagramView"));
    setAccessibleName(QStringLiteral("図"));
    // The figure paints every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureView::setFigure(Figure figure)
{
    figure_ = std::move(figure);
    update();
}

void FigureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigure(painter, rect(), figure_);
}

} // namespace tavrel
