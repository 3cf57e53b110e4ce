// One press of each compute button, in process, with the window shown:
// reading the boxes, calculating, formatting and writing the fields. The
// repaint that follows a press is not part of it. Run headless with
// QT_QPA_PLATFORM=offscreen.
#include "app/form1.h"

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

template <typename T> T *child(QObject *root, const char *name)
{
    return root->findChild<T *>(QString::fromLatin1(name));
}

QString resultText(QObject *root, const char *name)
{
    if (auto *label = child<QLabel>(root, name))
        return label->text();
    if (auto *box = child<QLineEdit>(root, name))
        return box->text();
    return {};
}

void clearResult(QObject *root, const char *name)
{
    if (auto *label = child<QLabel>(root, name))
        label->clear();
    else if (auto *box = child<QLineEdit>(root, name))
        box->clear();
}

// Presses the button once, closing any error box the press opens. Returns
// what is wrong with the press, or an empty string when it wrote `result`
// without an error box.
std::string tryPress(QPushButton *button, QObject *root, const char *result)
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
        return std::string("the press left ") + result + " empty";
    return {};
}

// `result` names a field the press writes, to prove that it ran.
void press(benchmark::State &state, TForm1 *form, const char *name, const char *result)
{
    auto *button = child<QPushButton>(form, name);
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

void chooseContactKind(TForm1 *form, const char *item)
{
    if (auto *action = child<QAction>(form, item))
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
    add("Press/Button3_hertz_sphere", [&form](benchmark::State &state) {
        chooseContactKind(&form, "N1");
        press(state, &form, "Button3", "Label13");
    });
    add("Press/Button3_hertz_roller", [&form](benchmark::State &state) {
        chooseContactKind(&form, "N5");
        press(state, &form, "Button3", "Label13");
        chooseContactKind(&form, "N1");
    });
    add("Press/Button2_beam", [&form](benchmark::State &state) { press(state, &form, "Button2", "Edit20"); });
    add("Press/Button1_bearing",
        [&form](benchmark::State &state) { press(state, &form, "Button1", "Label38"); });

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
