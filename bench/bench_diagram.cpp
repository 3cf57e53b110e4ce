// The diagram window, in process, headless: opening it after a press of
// each tab (made, laid out and drawn, from a main window that has never
// opened it), and drawing it again after a press while it is open (the
// press, the new curves and the repaint).
#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

struct TabPress {
    int tab;
    const char *button;
};

std::unique_ptr<TForm1> pressedWindow(const TabPress &press)
{
    auto form = std::make_unique<TForm1>();
    form->show();
    form->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(press.tab);
    form->findChild<QPushButton *>(QString::fromLatin1(press.button))->click();
    QApplication::processEvents();
    return form;
}

bool diagramShown(TForm1 &form)
{
    auto *diagram = form.findChild<QWidget *>(QStringLiteral("DiagramWindow"));
    return diagram && diagram->isVisible();
}

void open(benchmark::State &state, TabPress press)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TForm1> form = pressedWindow(press);
        state.ResumeTiming();
        form->showDiagram();
        QApplication::processEvents();
        state.PauseTiming();
        if (!diagramShown(*form))
            state.SkipWithError("the diagram window did not open");
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void redrawAfterPress(benchmark::State &state, TabPress press)
{
    std::unique_ptr<TForm1> form = pressedWindow(press);
    form->showDiagram();
    QApplication::processEvents();
    auto *button = form->findChild<QPushButton *>(QString::fromLatin1(press.button));
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();
    }
    if (!diagramShown(*form))
        state.SkipWithError("the diagram window did not open");
}

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    const std::pair<const char *, TabPress> tabs[] = {
        {"hertz", {0, "Button3"}}, {"beam", {1, "Button2"}}, {"bearing", {2, "Button1"}}};
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
