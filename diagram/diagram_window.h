// The diagram window: a window of its own beside the main window that draws
// the diagrams of the main window's current tab for that tab's last
// successful press, with every marked value as selectable text under them.
// It follows tab changes and presses, copies the diagrams as an image and
// saves them as PNG or SVG.
#pragma once

#include "diagram/diagrams.h"
#include "diagram/whole_file.h"

#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QTextBrowser;

namespace tavrel
{

class BeamTab;
class BearingTab;
class FigureView;
class HertzTab;

// The main window's tabs whose presses the window draws.
struct DiagramSources {
    QTabWidget *pages;
    HertzTab *hertz;
    BeamTab *beam;
    BearingTab *bearing;
};

class DiagramWindow : public QWidget
{
    Q_OBJECT

public:
    // `owner`: the main window; the diagram window closes with it.
    DiagramWindow(const DiagramSources &sources, QWidget *owner);

    // Shows the window, the first time beside its owner, or raises it.
    void present();

    // Writes the diagrams as drawn now to `path` (PNG, or SVG by the name's
    // ending): nothing, or the message saying why not.
    SaveFailure saveImage(const QString &path) const;

    // Copies the values' selected text, or else the diagrams as an image.
    void copy() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildMenus();
    void refresh();
    void fitValues();
    std::optional<DiagramContent> contentNow(QString &message) const;
    void saveWithDialog();
    void placeBesideOwner();
    // The text shown in place of the figure's page: the values, or why
    // there is no figure.
    QWidget *shownText() const;
    void confirmSaved(const QString &words);

    DiagramSources sources_;
    QStackedWidget *pages_ = nullptr;
    QLabel *message_ = nullptr;
    FigureView *view_ = nullptr;
    QTextBrowser *values_ = nullptr;
    // The last save, confirmed in words.
    QLabel *status_ = nullptr;
    // Offered only while there is a drawing to save.
    QAction *save_ = nullptr;
    bool placed_ = false;
};

} // namespace tavrel
