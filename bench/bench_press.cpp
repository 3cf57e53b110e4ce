// One press of each compute button, in process, with the window shown:
// reading the boxes, calculating, formatting and writing the fields. The
// repaint that follows a press is not part of it. Run headless with
// QT_QPA_PLATFORM=offscreen.
#include "app/form1.h"
#include "driver/steps.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace
{

constexpr const char *kGoal = "goal < 100 us";

using namespace tavrel::driver;

template <typename T> T *child(QObject *root, const QString &name)
{
    return root->findChild<T *>(name);
}

QString resultText(QObject *root, const QString &name)
{
    if (auto *label = child<QLabel>(root, name))
        return label->text();
    if (auto *box = child<QLineEdit>(root, name))
        return box->text();
    return {};
}

void clearResult(QObject *root, const QString &name)
{
    if (auto *label = child<QLabel>(root, name))
        label->clear();
    else if (auto *box = child<QLineEdit>(root, name))
        box->clear();
}

// Presses the button once, closing any error box the press opens. Returns
// what is wrong with the press, or an empty string when it wrote `result`
// without an error box.
std::string tryPress(QPushButton *button, QObject *root, const QString &result)
{
    bool errorBox = false;
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [&errorBox] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            errorBox = true;
            box->done(QMessageBox::Ok);
        }
    });
    clearResult(root, result);
    closer.start();
    button->click();
    closer.stop();
    if (errorBox)
        return "the press raised the error box";
    if (resultText(root, result).trimmed().isEmpty())
        return "the press left " + result.toStdString() + " empty";
    return {};
}

// The tab's compute button; `shown` is a field the press writes, to prove
// that it ran.
void pressOnce(benchmark::State &state, TForm1 *form, Tab tab, Shown shown)
{
    auto *button = child<QPushButton>(form, press(tab).control);
    const QString result = controlName(shown);
    if (!button) {
        state.SkipWithError("no such button");
        return;
    }
    // Twice: the second press reads what the first wrote back.
    for (int i = 0; i < 2; ++i) {
        if (const std::string fault = tryPress(button, form, result); !fault.empty()) {
            state.SkipWithError(fault.c_str());
            return;
        }
    }
    for (auto _ : state)
        button->click();
    state.SetLabel(kGoal);
    // Let the window repaint once, outside the timing.
    QApplication::processEvents();
}

void chooseContactKind(TForm1 *form, Contact kind)
{
    if (auto *action = child<QAction>(form, chooseContact(kind).control))
        action->trigger();
}

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    TForm1 form;
    form.show();
    QApplication::processEvents();

    auto add = [](const char *name, auto &&run) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMicrosecond);
    };
    add("Press/hertz_sphere", [&form](benchmark::State &state) {
        chooseContactKind(&form, Contact::SphereOnSphere);
        pressOnce(state, &form, Tab::Hertz, Shown::HertzContactSize);
    });
    add("Press/hertz_roller", [&form](benchmark::State &state) {
        chooseContactKind(&form, Contact::CylinderOnPlane);
        pressOnce(state, &form, Tab::Hertz, Shown::HertzContactSize);
        chooseContactKind(&form, Contact::SphereOnSphere);
    });
    add("Press/beam",
        [&form](benchmark::State &state) { pressOnce(state, &form, Tab::Beam, Shown::BeamMMax); });
    add("Press/bearing",
        [&form](benchmark::State &state) { pressOnce(state, &form, Tab::Bearing, Shown::BearingLoad); });

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
