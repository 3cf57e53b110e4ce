// Renders the window's tabs to PNG files for the documentation:
//   tavrel_screenshots OUTPUT_DIR
// Each tab is shown after a press of its compute button with the default
// inputs, as a user first sees it; the Hertz tab's results as pressed and
// once a material choice left them stale, side by side; then with extreme
// inputs, whose long results are drawn narrower to fit their fields; then
// the whole window on a dark desktop palette, which the window does not
// take on. The diagram window follows: every load case of the beam, an
// upward load and a load on a support, both contact kinds and the bearing,
// and one on the dark desktop. Then the published worked examples that the
// user's guide follows step by step, with their diagrams, and its roller
// on a plane. Last, one calculation sheet a tab and the beam example's, as
// PDF (sheet-*.pdf, pressed and saved at the times the documentation
// shows), which make screenshots turns into PNG, and the dialog asked
// before a sheet is saved. Run it with
// QT_SCALE_FACTOR set to see the windows at a high screen scale.
#include "app/form1.h"
#include "sheet/sheet_dialog.h"
#include "sheet/sheet_save.h"
#include "ui/calc_tab.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{

// Types into the named boxes ("Edit1=1e6"), chooses items ("N5",
// "RadioGroup1:1") and presses buttons ("Button3"), then saves the window.
void shoot(TForm1 &form, int tab, const QStringList &steps, const QString &path)
{
    form.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(tab);
    for (const QString &step : steps) {
        const QString name = step.section(QRegularExpression("[=:]"), 0, 0);
        if (step.contains('='))
            form.findChild<QLineEdit *>(name)->setText(step.section('=', 1));
        else if (step.contains(':'))
            form.findChild<QButtonGroup *>(name)->button(step.section(':', 1).toInt())->click();
        else if (auto *button = form.findChild<QPushButton *>(name))
            button->click();
        else
            form.findChild<QAction *>(name)->trigger();
    }
    QApplication::processEvents();
    if (!path.isEmpty() && !form.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// The same steps, then the diagram window of that tab.
void shootDiagram(TForm1 &form, int tab, const QStringList &steps, const QString &path)
{
    shoot(form, tab, steps, QString());
    form.showDiagram();
    QApplication::processEvents();
    auto *diagram = form.findChild<QWidget *>(QStringLiteral("DiagramWindow"));
    if (!diagram || !diagram->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// The same steps, then the calculation sheet of that tab.
void writeSheet(TForm1 &form, int tab, const QStringList &steps, const QString &path)
{
    shoot(form, tab, steps, QString());
    const auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5));
    if (const auto failure =
            tavrel::saveSheet(*qobject_cast<tavrel::CalculatorTab *>(pages->currentWidget()), path, when))
        std::fprintf(stderr, "%s\n", qPrintable(*failure));
}

// The Hertz tab as pressed, and after a material was chosen: the results,
// no longer current, drawn stale; the two side by side.
void staleResults(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, 0, {"Button3"}, QString());
    const QPixmap current = form.grab();
    shoot(form, 0, {"N27"}, QString());
    const QPixmap stale = form.grab();
    constexpr int kGap = 16;
    const QSize window = current.deviceIndependentSize().toSize();
    QPixmap both((QSizeF(2 * window.width() + kGap, window.height()) * current.devicePixelRatio()).toSize());
    both.setDevicePixelRatio(current.devicePixelRatio());
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, current);
    painter.drawPixmap(window.width() + kGap, 0, stale);
    painter.end();
    if (!both.save(out.filePath("results-current-and-stale.png")))
        std::fprintf(stderr, "cannot write results-current-and-stale.png\n");
}

// Every tab pressed with its defaults.
void plainTabs(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, 0, {"Button3"}, out.filePath("hertz-sphere.png"));
    shoot(form, 0, {"N5", "Button3"}, out.filePath("hertz-roller.png"));
    shoot(form, 1, {"Button2"}, out.filePath("beam.png"));
    shoot(form, 2, {"Button1"}, out.filePath("bearing.png"));
}

// Extreme values, and their diagrams.
void extremes(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, 0, {"Edit1=1e6", "Edit4=-0.5", "Button3"}, out.filePath("hertz-extreme.png"));
    shoot(form, 1,
          {"RadioGroup1:1", "RadioGroup2:4", "Edit12=10000", "Edit13=0", "Edit14=-1", "Edit18=1e-9",
           "Edit19=1e-280", "Button2"},
          out.filePath("beam-extreme.png"));
    shoot(form, 2, {"Edit10=150", "Edit11=20", "Button1"}, out.filePath("bearing-extreme.png"));
    shootDiagram(form, 0, {}, out.filePath("diagram-hertz-extreme.png"));
    shootDiagram(form, 1, {}, out.filePath("diagram-beam-extreme.png"));
    shootDiagram(form, 2, {"Edit8=1e-6", "Edit25=1e9", "Button1"},
                 out.filePath("diagram-bearing-extreme.png"));
}

// The guide's worked examples: two spheres of the Code_Aster test
// SSNV104, a simply supported beam of the femorph-solver manual, and
// Shigley's problem 11-6, typed in kgf and mm.
void examples(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, 0, {"Edit6=50", "Edit7=50", "Edit1=59763", "Edit2=2039.43", "Edit3=2039.43", "Button3"},
          out.filePath("example-hertz.png"));
    shoot(form, 1,
          {"RadioGroup1:2", "Edit23=20394.3", "Edit12=1000", "Edit24=500", "Edit13=500", "Edit14=101.972",
           "Edit15=50", "Edit16=50", "Button2"},
          out.filePath("example-beam.png"));
    shoot(form, 2,
          {"Edit8=900", "Edit9=3823.9", "Edit25=6301.8", "Edit10=815.77", "Edit11=407.89", "Button1"},
          out.filePath("example-bearing.png"));
    writeSheet(form, 1, {}, out.filePath("sheet-example-beam.pdf"));
    shootDiagram(form, 0, {}, out.filePath("example-hertz-diagram.png"));
    shootDiagram(form, 1, {}, out.filePath("example-beam-diagram.png"));
    shootDiagram(form, 2, {}, out.filePath("example-bearing-diagram.png"));
    shoot(form, 0, {"N5", "Edit6=40", "Edit7=10", "Edit1=1000", "N21", "Button3"},
          out.filePath("example-roller.png"));
}

// The beam tab and a diagram on a dark desktop palette.
void darkDesktop(const QDir &out)
{
    QPalette dark(QColor(230, 230, 230), QColor(45, 45, 45), QColor(70, 70, 70), QColor(20, 20, 20),
                  QColor(50, 50, 50), QColor(240, 240, 240), QColor(30, 30, 30));
    QApplication::setPalette(dark);
    {
        TForm1 form;
        form.show();
        shoot(form, 1, {"RadioGroup2:2", "Button2"}, out.filePath("beam-dark-desktop.png"));
        shootDiagram(form, 1, {"RadioGroup1:4", "Button2"}, out.filePath("diagram-dark-desktop.png"));
    }
    QApplication::setPalette(QPalette());
}

// The diagrams of each tab and load case, and one no longer current.
void diagrams(const QDir &out)
{
    TForm1 form;
    form.show();
    shootDiagram(form, 0, {"Button3"}, out.filePath("diagram-hertz-sphere.png"));
    shootDiagram(form, 0, {"N5", "Edit7=10", "Edit1=1000", "Button3"},
                 out.filePath("diagram-hertz-roller.png"));
    for (int loadCase = 0; loadCase < 5; ++loadCase)
        shootDiagram(form, 1, {QStringLiteral("RadioGroup1:%1").arg(loadCase), "Button2"},
                     out.filePath(QStringLiteral("diagram-beam-%1.png").arg(loadCase)));
    shootDiagram(form, 1, {"RadioGroup1:0", "Edit12=1000", "Edit14=-100", "Button2"},
                 out.filePath("diagram-beam-upward.png"));
    shootDiagram(form, 1, {"RadioGroup1:2", "Edit14=100", "Edit24=0", "Button2"},
                 out.filePath("diagram-beam-on-support.png"));
    shootDiagram(form, 2, {"Edit10=1000", "Edit11=600", "Button1"}, out.filePath("diagram-bearing.png"));
    shootDiagram(form, 2, {"Edit11=700"}, out.filePath("diagram-not-current.png"));
}

// One calculation sheet per tab.
void sheets(const QDir &out)
{
    TForm1 form;
    form.show();
    writeSheet(form, 0, {"Button3"}, out.filePath("sheet-hertz.pdf"));
    writeSheet(form, 1, {"RadioGroup1:2", "RadioGroup2:1", "Button2"}, out.filePath("sheet-beam.pdf"));
    writeSheet(form, 2, {"Edit8=1000", "Edit25=10000", "Edit10=1000", "Edit11=1000", "Button1"},
               out.filePath("sheet-bearing.pdf"));
}

// The dialog asked before the beam's sheet is saved, filled in.
void sheetDialog(const QDir &out)
{
    TForm1 form;
    form.show();
    tavrel::SheetDetails details;
    details.particulars = {QStringLiteral("減速機の出力軸"), QStringLiteral("A-1234-01"),
                           QStringLiteral("出力軸"), QStringLiteral("山田")};
    details[tavrel::Allowable::BendingStress] = 16;
    details[tavrel::Allowable::DeflectionDivisor] = 1000;
    QTimer::singleShot(0, [&out] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->grab().save(out.filePath("sheet-dialog.png")))
            std::fprintf(stderr, "cannot write sheet-dialog.png\n");
        if (dialog)
            dialog->reject();
    });
    tavrel::askSheetDetails(&form, QStringLiteral("beam"), details);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Every press at the time the documentation shows.
    tavrel::CalculatorTab::setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(14, 3)); });
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    for (void (*scene)(const QDir &) :
         {plainTabs, staleResults, extremes, examples, darkDesktop, diagrams, sheets, sheetDialog})
        scene(out);
    return 0;
}
