// Start-up of the calculator as main() starts it, to its first painted
// frame.
#include "app/form1.h"
#include "bench/startup_probe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tavrel::bench::markMainEntered();
    QApplication app(argc, argv);
    TForm1 form;
    tavrel::bench::reportFirstPaint(&form);
    form.show();
    return app.exec();
}
