// The diagram window, in process, headless: opening it after a press of
// each tab (made, laid out and drawn, from a main window that has never
// opened it), and drawing it again after a press while it is open (the
// press, the new curves and the repaint).
#include "app/form1.h"
#include "driver/driver.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>

namespace
{

using tavrel::driver::Tab;

QPushButton *computeButton(TForm1 &form, Tab tab)
{
    return form.findChild<QPushButton *>(tavrel::driver::press(tab).control);
}

std::unique_ptr<TForm1> pressedWindow(Tab tab)
{
    auto form = std::make_unique<TForm1>();
    form->show();
    tavrel::driver::Driver(*form).showTab(tab);
    computeButton(*form, tab)->click();
    QApplication::processEvents();
    return form;
}

// Notes when the diagram's drawing has been painted.
class PaintWatch : public QObject
{
public:
    PaintWatch() { QApplication::instance()->installEventFilter(this); }
    ~PaintWatch() override { QApplication::instance()->removeEventFilter(this); }

    // Runs the event loop until the drawing has been painted since the last
    // call; false if that takes over a second.
    bool waitForPaint()
    {
        QElapsedTimer waited;
        waited.start();
        while (!painted_ && waited.elapsed() < 1000)
            QApplication::processEvents();
        return std::exchange(painted_, false);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("DiagramView"))
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

bool diagramShown(TForm1 &form)
{
    auto *diagram = form.findChild<QWidget *>(QStringLiteral("DiagramWindow"));
    return diagram && diagram->isVisible();
}

void open(benchmark::State &state, Tab press)
{
    PaintWatch watch;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TForm1> form = pressedWindow(press);
        state.ResumeTiming();
        form->showDiagram();
        const bool painted = watch.waitForPaint();
        state.PauseTiming();
        if (!painted || !diagramShown(*form))
            state.SkipWithError("the diagram window did not open and draw");
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void redrawAfterPress(benchmark::State &state, Tab press)
{
    PaintWatch watch;
    std::unique_ptr<TForm1> form = pressedWindow(press);
    form->showDiagram();
    watch.waitForPaint();
    QPushButton *button = computeButton(*form, press);
    for (auto _ : state) {
        button->click();
        if (!watch.waitForPaint()) {
            state.SkipWithError("the diagram was not drawn again");
            break;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    const std::pair<const char *, Tab> tabs[] = {
        {"hertz", Tab::Hertz}, {"beam", Tab::Beam}, {"bearing", Tab::Bearing}};
    for (const auto &[name, press] : tabs) {
        benchmark::RegisterBenchmark((std::string("Diagram/open_") + name).c_str(),
                                     [press = press](benchmark::State &state) { open(state, press); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            (std::string("Diagram/redraw_after_press_") + name).c_str(),
            [press = press](benchmark::State &state) { redrawAfterPress(state, press); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
