#include "app/form1.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    try {
        TForm1 form;
        form.show();
        app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Tavrel Ver. 1.01"), QString::fromStdString(e.what()));
    }
    // The calculator has nothing to report to its caller.
    return 0;
}
