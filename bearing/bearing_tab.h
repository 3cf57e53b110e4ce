// The bearing tab: speed, load ratings and loads in, the dynamic equivalent
// load and the rated life in hours and days out.
#pragma once

#include "app/controls.h"

#include <QWidget>

namespace tavrel
{

class BearingTab : public QWidget
{
    Q_OBJECT

public:
    explicit BearingTab(QWidget *parent = nullptr);

    const Controls &controls() const { return controls_; }

    // Compute: reads the five boxes, then writes P, Lh and the days.
    void Button1Click();

private:
    Controls controls_;
};

} // namespace tavrel
