// Drives the main window as a user does, for the tests and the tools: types
// into the boxes, makes the selections, presses the compute buttons, opens
// the diagram window and saves a tab's sheet, answering every error box a
// step opens and keeping its text.
#pragma once

#include "diagram/whole_file.h"
#include "driver/steps.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TForm1;

namespace tavrel
{
class CalculatorTab;
class DiagramWindow;
} // namespace tavrel

namespace tavrel::driver
{

// Runs `action`, closing every error box it opens with OK; returns their
// texts in the order they opened.
QStringList answeringErrorBoxes(const std::function<void()> &action);

class Driver
{
public:
    // Told of a step whose control the window does not have; without one,
    // the standard error is.
    using Report = std::function<void(const QString &message)>;

    explicit Driver(TForm1 &window, Report report = {});

    // Does the steps in order; returns the texts of the error boxes they
    // opened. A step whose control is missing is reported and skipped.
    QStringList run(const QList<Step> &steps);
    QStringList run(const QStringList &steps) { return run(parseSteps(steps)); }

    void showTab(Tab tab);
    // Brings the page that holds the named control to the front, as a user
    // does before using it; the control, or nullptr when there is none.
    QWidget *showTabOf(const QString &name);

    // What a box holds and what a press shows, as the window shows them.
    QString text(Box box) const;
    QString text(Shown shown) const;

    // The tab in front.
    const CalculatorTab &shownTab() const;

    // The diagram window of the tab in front, opened (or raised) as Ctrl+G
    // opens it, drawn; nullptr if it did not open.
    DiagramWindow *openDiagram();
    // The diagram window's values as text, the window opened first.
    QString diagramValues();

    // Writes the calculation sheet of the tab in front, as saved at `when`:
    // nothing, or the message saying why not.
    SaveFailure saveSheet(const QString &path, const QDateTime &when) const;

private:
    void perform(const Step &step);
    template <typename T> T *find(const QString &name) const;
    QString shownText(const QString &name) const;

    TForm1 &window_;
    Report report_;
};

} // namespace tavrel::driver
