// A widget that shows a figure, redrawn to its size: vector drawing, sharp
// at any screen scale.
#pragma once

#include "diagram/plot.h"

#include <QWidget>

namespace tavrel
{

class FigureView : public QWidget
{
public:
    explicit FigureView(QWidget *parent = nullptr);

    void setFigure(Figure figure);
    const Figure &figure() const { return figure_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Figure figure_;
};

} // namespace tavrel
