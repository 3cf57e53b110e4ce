// The Hertz tab: seven input boxes, the picture of the selected contact
// kind with its menu, six result fields and the compute button.
#pragma once

#include "core/hertz/hertz_calc.h"
#include "core/hertz/hertz_model.h"
#include "ui/calc_tab.h"

#include <optional>

class QMenu;

namespace tavrel
{

struct ContactLook;

// For the sphere with ν1 or ν2 other than 0.3, where the τ_max field's
// fixed factor 0.31 is an approximation: that it is, and the largest shear
// stress below the surface of each body with its depth; nothing otherwise.
QStringList shearApproximation(const HertzPress &press);

class HertzTab : public CalculatorTab
{
    Q_OBJECT

public:
    explicit HertzTab(QWidget *parent = nullptr);

    // The boxes and result fields by the calculator's fields.
    const FieldControls<HertzField> &bound() const { return bound_; }

    // Empty before the first press and after a contact-kind change.
    const std::optional<HertzPress> &lastPress() const { return lastPress_; }
    void visitPress(PressVisitor &visitor) const override
    {
        if (lastPress_)
            visitor.visit(*lastPress_, bound_);
    }

    // Contact-kind menu: sphere on convex sphere.
    void N1Click();
    // Contact-kind menu: cylinder on plane.
    void N5Click();
    // Compute: reads the seven boxes, then writes the results.
    void Button3Click();

    QList<std::pair<QString, QString>> selectionsInWords() const override;

private:
    // Selects a contact kind: its picture and captions, and empty results.
    void selectContactKind(const ContactLook &look);

    QList<int> selections() const override;

    FieldControls<HertzField> bound_;
    std::optional<HertzPress> lastPress_;
    QMenu *PopupMenu1 = nullptr;
    ContactKind contactKind_ = ContactKind::SphereOnSphere;
};

} // namespace tavrel
