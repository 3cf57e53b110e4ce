// The Hertz tab: seven input boxes, the picture of the selected contact
// kind with its menu, six result fields and the compute button.
#pragma once

#include "app/controls.h"
#include "hertz/hertz_calc.h"

#include <QWidget>

class QMenu;

namespace tavrel
{

struct ContactLook;

class HertzTab : public QWidget
{
    Q_OBJECT

public:
    explicit HertzTab(QWidget *parent = nullptr);

    const Controls &controls() const { return controls_; }

    // Contact-kind menu: sphere on convex sphere.
    void N1Click();
    // Contact-kind menu: cylinder on plane.
    void N5Click();
    // Compute: reads the seven boxes, then writes the results.
    void Button3Click();

private:
    // Selects a contact kind: its picture and captions, and empty results.
    void selectContactKind(const ContactLook &look);

    Controls controls_;
    QMenu *PopupMenu1 = nullptr;
    ContactKind contactKind_ = ContactKind::SphereOnSphere;
};

} // namespace tavrel
