// The least a Qt Widgets program pays to show a window: one plain window
// with one label, to its first painted frame.
#include "bench/startup_probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    tavrel::bench::markMainEntered();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(536, 442);
    auto *label = new QLabel(QStringLiteral("Tavrel"), &window);
    label->move(16, 16);
    tavrel::bench::reportFirstPaint(&window);
    window.show();
    return app.exec();
}
