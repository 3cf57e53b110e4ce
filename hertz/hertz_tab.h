// The Hertz tab: seven input boxes, the picture of the selected contact
// kind with its menu, six result fields and the compute button.
#pragma once

#include "app/look.h"
#include "hertz/hertz_calc.h"

#include <QWidget>

class QMenu;

namespace tavrel
{

class HertzTab : public QWidget
{
    Q_OBJECT

public:
    explicit HertzTab(QWidget *parent = nullptr);

    const Controls &controls() const { return controls_; }
    ContactKind contactKind() const { return contactKind_; }
    void setContactKind(ContactKind kind) { contactKind_ = kind; }

    // Contact-kind menu: sphere on convex sphere.
    void N1Click();
    // Contact-kind menu: cylinder on plane.
    void N5Click();
    // Compute: reads the seven boxes, then writes the results.
    void Button3Click();

private:
    void emptyResults(std::initializer_list<const char *> names);

    Controls controls_;
    QMenu *popupMenu1_ = nullptr;
    ContactKind contactKind_ = ContactKind::SphereOnSphere;
};

} // namespace tavrel
