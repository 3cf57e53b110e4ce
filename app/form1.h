// The main window: the page control with the three calculator tabs, the
// frame-level menu, and the material table behind the modulus boxes.
#pragma once

#include <QWidget>

#include <array>

class QMenu;
class QTabWidget;

namespace tavrel
{
class BearingTab;
class HertzTab;
}

class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

private:
    // Runs once when the window is created: fills the material table and
    // selects the sphere-on-sphere contact kind.
    void FormCreate();
    void buildFrame();
    void buildStrayControls();

    QTabWidget *PageControl1 = nullptr;
    QMenu *PopupMenu4 = nullptr;
    tavrel::HertzTab *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    tavrel::BearingTab *TabSheet3 = nullptr;
};
