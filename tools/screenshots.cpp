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
#include "diagram/diagram_window.h"
#include "driver/driver.h"
#include "sheet/sheet_dialog.h"
#include "ui/calc_tab.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace
{

using namespace tavrel::driver;

// Does the steps on the tab, then saves the window.
void shoot(TForm1 &form, Tab tab, const QList<Step> &steps, const QString &path)
{
    Driver driver(form);
    driver.showTab(tab);
    for (const QString &box : driver.run(steps))
        std::fprintf(stderr, "error box: %s\n", qPrintable(box));
    QApplication::processEvents();
    if (!path.isEmpty() && !form.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// The same steps, then the diagram window of that tab.
void shootDiagram(TForm1 &form, Tab tab, const QList<Step> &steps, const QString &path)
{
    shoot(form, tab, steps, QString());
    QWidget *diagram = Driver(form).openDiagram();
    if (!diagram || !diagram->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// The same steps, then the calculation sheet of that tab.
void writeSheet(TForm1 &form, Tab tab, const QList<Step> &steps, const QString &path)
{
    shoot(form, tab, steps, QString());
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5));
    if (const auto failure = Driver(form).saveSheet(path, when))
        std::fprintf(stderr, "%s\n", qPrintable(*failure));
}

// The Hertz tab as pressed, and after a material was chosen: the results,
// no longer current, drawn stale; the two side by side.
void staleResults(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, Tab::Hertz, {press(Tab::Hertz)}, QString());
    const QPixmap current = form.grab();
    shoot(form, Tab::Hertz, {chooseMaterial("アルミ")}, QString());
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
    shoot(form, Tab::Hertz, {press(Tab::Hertz)}, out.filePath("hertz-sphere.png"));
    shoot(form, Tab::Hertz, {chooseContact(Contact::CylinderOnPlane), press(Tab::Hertz)},
          out.filePath("hertz-roller.png"));
    shoot(form, Tab::Beam, {press(Tab::Beam)}, out.filePath("beam.png"));
    shoot(form, Tab::Bearing, {press(Tab::Bearing)}, out.filePath("bearing.png"));
}

// Extreme values, and their diagrams.
void extremes(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, Tab::Hertz, {type(Box::HertzLoad, "1e6"), type(Box::HertzNu1, "-0.5"), press(Tab::Hertz)},
          out.filePath("hertz-extreme.png"));
    shoot(form, Tab::Beam,
          {choose(Choice::LoadCase, 1), choose(Choice::Section, 4), type(Box::BeamL, "10000"),
           type(Box::BeamX, "0"), type(Box::BeamLoad, "-1"), type(Box::BeamH2, "1e-9"),
           type(Box::BeamI, "1e-280"), press(Tab::Beam)},
          out.filePath("beam-extreme.png"));
    shoot(form, Tab::Bearing, {type(Box::BearingFr, "150"), type(Box::BearingFa, "20"), press(Tab::Bearing)},
          out.filePath("bearing-extreme.png"));
    shootDiagram(form, Tab::Hertz, {}, out.filePath("diagram-hertz-extreme.png"));
    shootDiagram(form, Tab::Beam, {}, out.filePath("diagram-beam-extreme.png"));
    shootDiagram(form, Tab::Bearing,
                 {type(Box::BearingSpeed, "1e-6"), type(Box::BearingCr, "1e9"), press(Tab::Bearing)},
                 out.filePath("diagram-bearing-extreme.png"));
}

// The guide's worked examples: two spheres of the Code_Aster test
// SSNV104, a simply supported beam of the femorph-solver manual, and
// Shigley's problem 11-6, typed in kgf and mm.
void examples(const QDir &out)
{
    TForm1 form;
    form.show();
    shoot(form, Tab::Hertz,
          {type(Box::HertzR1, "50"), type(Box::HertzR2, "50"), type(Box::HertzLoad, "59763"),
           type(Box::HertzE1, "2039.43"), type(Box::HertzE2, "2039.43"), press(Tab::Hertz)},
          out.filePath("example-hertz.png"));
    shoot(form, Tab::Beam,
          {choose(Choice::LoadCase, 2), type(Box::BeamE, "20394.3"), type(Box::BeamL, "1000"),
           type(Box::BeamL1, "500"), type(Box::BeamX, "500"), type(Box::BeamLoad, "101.972"),
           type(Box::BeamB1, "50"), type(Box::BeamH1, "50"), press(Tab::Beam)},
          out.filePath("example-beam.png"));
    shoot(form, Tab::Bearing,
          {type(Box::BearingSpeed, "900"), type(Box::BearingCor, "3823.9"), type(Box::BearingCr, "6301.8"),
           type(Box::BearingFr, "815.77"), type(Box::BearingFa, "407.89"), press(Tab::Bearing)},
          out.filePath("example-bearing.png"));
    writeSheet(form, Tab::Beam, {}, out.filePath("sheet-example-beam.pdf"));
    shootDiagram(form, Tab::Hertz, {}, out.filePath("example-hertz-diagram.png"));
    shootDiagram(form, Tab::Beam, {}, out.filePath("example-beam-diagram.png"));
    shootDiagram(form, Tab::Bearing, {}, out.filePath("example-bearing-diagram.png"));
    shoot(form, Tab::Hertz,
          {chooseContact(Contact::CylinderOnPlane), type(Box::HertzR1, "40"), type(Box::HertzR2, "10"),
           type(Box::HertzLoad, "1000"), chooseMaterial("鋼"), press(Tab::Hertz)},
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
        shoot(form, Tab::Beam, {choose(Choice::Section, 2), press(Tab::Beam)},
              out.filePath("beam-dark-desktop.png"));
        shootDiagram(form, Tab::Beam, {choose(Choice::LoadCase, 4), press(Tab::Beam)},
                     out.filePath("diagram-dark-desktop.png"));
    }
    QApplication::setPalette(QPalette());
}

// The diagrams of each tab and load case, and one no longer current.
void diagrams(const QDir &out)
{
    TForm1 form;
    form.show();
    shootDiagram(form, Tab::Hertz, {press(Tab::Hertz)}, out.filePath("diagram-hertz-sphere.png"));
    shootDiagram(form, Tab::Hertz,
                 {chooseContact(Contact::CylinderOnPlane), type(Box::HertzR2, "10"),
                  type(Box::HertzLoad, "1000"), press(Tab::Hertz)},
                 out.filePath("diagram-hertz-roller.png"));
    for (int loadCase = 0; loadCase < 5; ++loadCase)
        shootDiagram(form, Tab::Beam, {choose(Choice::LoadCase, loadCase), press(Tab::Beam)},
                     out.filePath(QStringLiteral("diagram-beam-%1.png").arg(loadCase)));
    shootDiagram(form, Tab::Beam,
                 {choose(Choice::LoadCase, 0), type(Box::BeamL, "1000"), type(Box::BeamLoad, "-100"),
                  press(Tab::Beam)},
                 out.filePath("diagram-beam-upward.png"));
    shootDiagram(
        form, Tab::Beam,
        {choose(Choice::LoadCase, 2), type(Box::BeamLoad, "100"), type(Box::BeamL1, "0"), press(Tab::Beam)},
        out.filePath("diagram-beam-on-support.png"));
    shootDiagram(form, Tab::Bearing,
                 {type(Box::BearingFr, "1000"), type(Box::BearingFa, "600"), press(Tab::Bearing)},
                 out.filePath("diagram-bearing.png"));
    shootDiagram(form, Tab::Bearing, {type(Box::BearingFa, "700")}, out.filePath("diagram-not-current.png"));
}

// One calculation sheet per tab.
void sheets(const QDir &out)
{
    TForm1 form;
    form.show();
    writeSheet(form, Tab::Hertz, {press(Tab::Hertz)}, out.filePath("sheet-hertz.pdf"));
    writeSheet(form, Tab::Beam, {choose(Choice::LoadCase, 2), choose(Choice::Section, 1), press(Tab::Beam)},
               out.filePath("sheet-beam.pdf"));
    writeSheet(form, Tab::Bearing,
               {type(Box::BearingSpeed, "1000"), type(Box::BearingCr, "10000"), type(Box::BearingFr, "1000"),
                type(Box::BearingFa, "1000"), press(Tab::Bearing)},
               out.filePath("sheet-bearing.pdf"));
}

} // namespace

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
