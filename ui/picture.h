// The drawings of the tabs. A drawing that offers a menu (the Hertz tab's
// contact kind) is a control of its own: it takes the keyboard focus when
// allowed to, opens its menu from the keyboard, and shows a focus ring.
#pragma once

#include <QSvgWidget>

namespace tavrel
{

class Picture : public QSvgWidget
{
public:
    // `file` is read when the picture is first shown: pictures on tabs not
    // yet opened, or of a contact kind not selected, cost nothing at
    // start-up.
    Picture(const QString &file, QWidget *parent);

    // True when a right click opens a menu, which the keyboard then opens
    // too.
    bool offersMenu() const { return contextMenuPolicy() == Qt::CustomContextMenu; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString file_;
};

} // namespace tavrel
