// The bearing tab: speed, load ratings and loads in, the dynamic equivalent
// load and the rated life in hours and days out.
#pragma once

#include "core/bearing/bearing_calc.h"
#include "core/bearing/bearing_model.h"
#include "ui/calc_tab.h"

#include <optional>

namespace tavrel
{

class BearingTab : public CalculatorTab
{
    Q_OBJECT

public:
    explicit BearingTab(QWidget *parent = nullptr);

    const std::optional<BearingPress> &lastPress() const { return lastPress_; }
    // The boxes and result fields by the calculator's fields.
    const FieldControls<BearingField> &bound() const { return bound_; }
    void visitPress(PressVisitor &visitor) const override
    {
        if (lastPress_)
            visitor.visit(*lastPress_);
    }

    // Compute: reads the five boxes, then writes P, Lh and the days.
    void Button1Click();

private:
    FieldControls<BearingField> bound_;
    std::optional<BearingPress> lastPress_;
};

} // namespace tavrel
