// The beam tab: the load case and section kind chosen beside the picture,
// the dimensions, load and modulus typed in, I, Mmax, sigma and the
// deflection shown.
#pragma once

#include "app/controls.h"
#include "beam/beam_calc.h"

#include <QWidget>

namespace tavrel
{

class BeamTab : public QWidget
{
    Q_OBJECT

public:
    explicit BeamTab(QWidget *parent = nullptr);

    const Controls &controls() const { return controls_; }

    // Load-case selection: sets the load case and the load's unit.
    void RadioGroup1Click();
    // Section-kind selection: sets the section kind, the dimension captions
    // and which dimension boxes are enabled.
    void RadioGroup2Click();
    // Compute: reads all ten boxes, then writes I, Mmax, sigma, the
    // deflection and its caption.
    void Button2Click();

private:
    Controls controls_;
    LoadCase loadCase_ = LoadCase::CantileverEndLoad;
    SectionKind sectionKind_ = SectionKind::SolidRectangle;
};

} // namespace tavrel
