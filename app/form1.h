// The main window: the page control with the three calculator tabs, the
// frame-level menu, and the material table behind the modulus boxes.
#pragma once

#include <QWidget>

#include <array>
#include <cstddef>

class QLineEdit;
class QMenu;
class QTabWidget;

namespace tavrel
{
class BeamTab;
class BearingTab;
class DiagramWindow;
class HertzTab;
} // namespace tavrel

class TForm1 : public QWidget
{
    Q_OBJECT

public:
    // Builds the whole window. It draws with its designed palette and fonts
    // whatever the desktop's, speaks Japanese in the toolkit's own menus and
    // boxes too, and opens at its designed position when it fits there on
    // the screen.
    explicit TForm1(QWidget *parent = nullptr);

    // Opens the diagrams of the current tab's last press in a window beside
    // this one (made when first asked for), or raises that window.
    void showDiagram();

private:
    // Runs once when the window is created: fills the material table and
    // selects the sphere-on-sphere contact kind.
    void FormCreate();
    // The handler of the material items N21 to N27: writes the entry's
    // modulus into all three modulus boxes, of both tabs, and nothing else.
    void chooseMaterial(std::size_t entry);
    void buildFrame();
    void buildStrayControls();
    void buildMaterialMenu();
    void placeOnScreen();
    // Ctrl+G anywhere in the window, and 「図を表示」 on every result field.
    void offerDiagram();

    QTabWidget *PageControl1 = nullptr;
    QMenu *PopupMenu4 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    tavrel::HertzTab *TabSheet1 = nullptr;
    tavrel::BeamTab *TabSheet2 = nullptr;
    tavrel::BearingTab *TabSheet3 = nullptr;
    std::array<QLineEdit *, 3> modulusBoxes_{};
    tavrel::DiagramWindow *diagram_ = nullptr;
    // Young's moduli in kgf/mm^2, in menu order; filled by FormCreate.
    std::array<double, 7> materials_{};
};
