// Renders the window's tabs to PNG files for the documentation:
//   tavrel_screenshots OUTPUT_DIR
// Each tab is shown after a press of its compute button with the default
// inputs, as a user first sees it.
#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <cstdio>

namespace
{

void shoot(TForm1 &form, const QString &path)
{
    QApplication::processEvents();
    if (!form.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void pressIfPresent(TForm1 &form, const char *button)
{
    if (auto *b = form.findChild<QPushButton *>(QString::fromLatin1(button)))
        b->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TForm1 form;
    form.show();
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));

    pressIfPresent(form, "Button3");
    shoot(form, out.filePath(QStringLiteral("hertz-sphere.png")));
    form.findChild<QAction *>(QStringLiteral("N5"))->trigger();
    pressIfPresent(form, "Button3");
    shoot(form, out.filePath(QStringLiteral("hertz-roller.png")));

    pages->setCurrentIndex(1);
    pressIfPresent(form, "Button2");
    shoot(form, out.filePath(QStringLiteral("beam.png")));

    pages->setCurrentIndex(2);
    pressIfPresent(form, "Button1");
    shoot(form, out.filePath(QStringLiteral("bearing.png")));
    return 0;
}
