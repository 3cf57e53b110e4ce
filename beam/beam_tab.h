// The beam tab: the load case and section kind chosen beside the picture,
// the dimensions, load and modulus typed in, I, Mmax, sigma and the
// deflection shown.
#pragma once

#include "core/beam/beam_calc.h"
#include "core/beam/beam_model.h"
#include "ui/calc_tab.h"

#include <optional>

namespace tavrel
{

class BeamTab : public CalculatorTab
{
    Q_OBJECT

public:
    explicit BeamTab(QWidget *parent = nullptr);

    const std::optional<BeamPress> &lastPress() const { return lastPress_; }
    // The boxes and result fields by the calculator's fields.
    const FieldControls<BeamField> &bound() const { return bound_; }
    void visitPress(PressVisitor &visitor) const override
    {
        if (lastPress_)
            visitor.visit(*lastPress_, bound_);
    }

    // Load-case selection: sets the load case and the load's unit.
    void RadioGroup1Click();
    // Section-kind selection: sets the section kind, the dimension captions
    // and which dimension boxes are enabled.
    void RadioGroup2Click();
    // Compute: reads all ten boxes, then writes I, Mmax, sigma, the
    // deflection and its caption.
    void Button2Click();

    QList<std::pair<QString, QString>> selectionsInWords() const override;

private:
    // Raises the refusal of inputs that describe no real beam.
    [[noreturn]] void refuse(BeamFault fault) const;
    // The enabled dimension boxes of the selected section.
    QList<QLineEdit *> dimensionBoxes() const;
    // Names the boxes for the selected load case and section.
    void nameFields();

    QList<int> selections() const override;
    bool showsResult(const QLineEdit *box) const override;

    FieldControls<BeamField> bound_;
    std::optional<BeamPress> lastPress_;
    LoadCase loadCase_ = LoadCase::CantileverEndLoad;
    SectionKind sectionKind_ = SectionKind::SolidRectangle;
};

} // namespace tavrel
