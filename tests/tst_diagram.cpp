// The diagram window, driven as a user drives it: the three ways to open
// it, what it says before a press and after a change, the marked values
// against the fields' texts on every tab, copying, saving PNG and SVG and a
// refused save; and the tab's copy shortcut from anywhere in the window.
#include "guitest.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "core/hertz/hertz_subsurface.h"
#include "core/num/numtext.h"
#include "diagram/beam_sketch.h"
#include "diagram/diagram_window.h"
#include "diagram/labels.h"
#include "hertz/hertz_tab.h"

#include <QSvgRenderer>

using tavrel::DiagramWindow;
using namespace Qt::Literals::StringLiterals;

class TestDiagram : public GuiTest
{
    Q_OBJECT

    DiagramWindow *diagram() { return form()->findChild<DiagramWindow *>(); }
    QString values() { return diagram()->findChild<QTextBrowser *>("DiagramValues")->toPlainText(); }
    QString message() { return diagram()->findChild<QLabel *>("DiagramMessage")->text(); }

    // Keys with the tab bar focused, as right after start or a click on a
    // tab header; Ctrl+G then opens the diagram window (and activates it).
    void pressOnTabBar(QKeyCombination keys)
    {
        QTabBar *bar = find<QTabWidget>("PageControl1")->tabBar();
        bar->setFocus();
        QTest::keyClick(bar, keys.key(), keys.keyboardModifiers());
        if (keys.key() == Qt::Key_G)
            QTRY_VERIFY(diagram() && QApplication::activeWindow() == diagram());
    }

private slots:
    void opens_data();
    void opens();
    void opensLeftWhereThereIsMoreRoom();
    void saysWhyNothingIsDrawn();
    void marksTheFieldsValues_data();
    void marksTheFieldsValues();
    void copiesAndSaves();
    void savesAnSvgThatDrawsAsThePng_data();
    void savesAnSvgThatDrawsAsThePng();
    void refusesAWrite_data();
    void refusesAWrite();
    void savesUnderTheChosenFormat_data();
    void savesUnderTheChosenFormat();
    void copiesTheTabFromTheTabBar();
    void placesLabelsApart();
    void drawsWhatWasPressed();
    void marksTheCurvesOwnValues_data();
    void marksTheCurvesOwnValues();
    void alignsTheSketchWithThePlots();
    void drawsEachLoadCasesSupports_data();
    void drawsEachLoadCasesSupports();
};

void TestDiagram::opens_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("way"); // "key", a result's name for its menu, "Name*2" for a double-click
    QTest::addColumn<QString>("title");
    QTest::newRow("Ctrl+G from the tab bar") << QStringList{} << "key"
                                             << "図 - Hertz応力";
    QTest::newRow("menu of a result field") << QStringList{"Button1"} << "Label28"
                                            << "図 - ﾍﾞｱﾘﾝｸﾞ";
    QTest::newRow("menu of a result box") << QStringList{"Button2"} << "Edit21"
                                          << "図 - 応力計算";
    QTest::newRow("double-click on a result field") << QStringList{"Button3"} << "Label15*2"
                                                    << "図 - Hertz応力";
}

void TestDiagram::opens()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, way);
    QFETCH(QString, title);
    run(steps);
    QVERIFY(!diagram()); // nothing made before it is asked for
    const auto request = [&] {
        if (way == "key") {
            pressOnTabBar(Qt::CTRL | Qt::Key_G);
        } else if (way.endsWith("*2")) {
            QTest::mouseDClick(find<QLabel>(way.chopped(2)), Qt::LeftButton);
        } else {
            run({way + "^"});
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->actions().constLast()->text() == "図を表示");
            menu->actions().constLast()->trigger();
            menu->close();
        }
    };
    request();
    QVERIFY(diagram() && diagram()->isVisible() && diagram()->isWindow());
    QCOMPARE(diagram()->windowTitle(), title);
    // On the screen, and beside the main window where there is room.
    const QRect screen = form()->screen()->availableGeometry(), owner = form()->frameGeometry();
    QVERIFY(screen.contains(diagram()->frameGeometry()));
    const bool room = screen.right() - owner.right() > diagram()->minimumWidth() + 8;
    QCOMPARE(owner.intersects(diagram()->frameGeometry()), !room);
    // A second request raises the same window where the user moved it.
    const QPoint moved = diagram()->pos() + QPoint(-10, 10);
    diagram()->move(moved);
    request();
    QCOMPARE(form()->findChildren<DiagramWindow *>().size(), 1);
    QCOMPARE(diagram()->pos(), moved);
    QTRY_COMPARE(QApplication::activeWindow(), diagram());
    QTest::keyClick(diagram(), Qt::Key_Escape);
    QVERIFY(!diagram()->isVisible());
}

void TestDiagram::opensLeftWhereThereIsMoreRoom()
{
    const QRect screen = form()->screen()->availableGeometry();
    form()->move(screen.right() - form()->frameGeometry().width(), screen.top());
    static_cast<TForm1 *>(form())->showDiagram();
    const QRect owner = form()->frameGeometry(), placed = diagram()->frameGeometry();
    QVERIFY(screen.contains(placed));
    if (owner.left() - screen.left() > diagram()->minimumWidth() + 8)
        QVERIFY(placed.right() < owner.left());
}

void TestDiagram::saysWhyNothingIsDrawn()
{
    const QString pressFirst = "計算ボタンを押すと図が表示されます";
    const QString changed = "結果は未計算です（入力が前回の計算から変更されています）";
    const QList<std::pair<QStringList, QString>> course = {
        {{}, pressFirst},     {{"Button3"}, ""}, {{"Edit1=200"}, changed},     {{"Edit1=100"}, ""},
        {{"N5"}, pressFirst}, {{"Button2"}, ""}, {{"RadioGroup1:3"}, changed}, {{"RadioGroup1:0"}, ""},
        {{"N27"}, changed},   {{"Button1"}, ""},
    };
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    for (const auto &[steps, expected] : course) {
        run(steps);
        QCOMPARE(message(), expected);
        // Never a drawing beside inputs it was not made from.
        QCOMPARE(values().isEmpty(), !expected.isEmpty());
        QCOMPARE(diagram()->findChild<QAction *>("SaveImage")->isEnabled(), expected.isEmpty());
    }
}

void TestDiagram::marksTheFieldsValues_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines"); // "{Name}" stands for a field's text
    const auto row = [](const char *name, const char *steps, const QString &lines) {
        QTest::newRow(name) << QString(steps).split('|', Qt::SkipEmptyParts) << lines.split('|');
    };
    // clang-format off
    row("sphere", "Button3", "p_max = {Label15} kgf/mm²（r = 0.000 mm、接触の中心）|a = {Label13} mm|τmax = 0.310 p_max、深さ z = 0.48 a = 0.297 mm|τ_max = {Label22} kgf/mm²");
    row("sphere, ν1 0.25", "Edit4=0.25|Button3", "τmax = 0.322 p_max、深さ z = 0.46 a = 0.289 mm|曲線の最大値 τmax = 39.777 kgf/mm²（0.322 p_max）|欄の τ_max = {Label22} kgf/mm² は固定の係数 0.31 p_max によるもので、曲線の最大値より 3.6 % 小さい値です（この係数は ν1 = 0.3 の値です）");
    row("roller", "N5|Edit7=10|Edit1=1000|Button3", "p_max = {Label15} kgf/mm²（x = 0.000 mm、接触の中心）|τmax = 0.300 p_max、深さ z = 0.79 b = 0.522 mm|τ_max = {Label22} kgf/mm²");
    row("roller, materials differ, small ν1", "N5|Edit4=0.1|Button3", "b = {Label13} mm|τmax = 1.408 kgf/mm²（曲線の最大値）|ν1 = 0.1 では、ころの軸方向の応力 σy = ν1·(σx + σz) との間のせん断応力の方が大きく、最大 0.408 p_max = 1.916 kgf/mm²（深さ z = 0.006 mm）です");
    // The curve's moment is negative at a fixed end under a downward load;
    // the field's follows the load. One line says so.
    const QString why = "Mmax 欄の {Edit20} kgf·mm は下向きの荷重を正とした値で、図の M（下側引張が正）では ";
    row("beam, cantilever, end load", "Button2", "x は自由端から測ります（L = 100.000 mm）|M = -2000 kgf·mm（x = 100.000 mm、絶対値が最大）|" + why + "-2000 kgf·mm です|δmax = 2.38e-2 mm（x = 0.000 mm）|δx = {Edit22} mm（x = 20.000 mm）");
    row("beam, cantilever, upward end load", "Edit12=1000|Edit14=-100|Button2", "M = 100000 kgf·mm（x = 1000.000 mm、絶対値が最大）|" + why + "100000 kgf·mm です|δmax = -1.19e2 mm（x = 0.000 mm）");
    row("beam, cantilever, uniform, x 0", "RadioGroup1:1|Edit13=0|Button2", "M = -100000 kgf·mm（x = 100.000 mm、絶対値が最大）|δmax = {Edit22} mm（x = 0.000 mm）");
    row("beam, point load", "RadioGroup1:2|Button2", "x は右の支点から測ります（L = 100.000 mm）|Mmax = {Edit20} kgf·mm（x = 40.000 mm）|δmax = {Edit22} mm（x = 47.085 mm）");
    row("beam, supported, uniform", "RadioGroup1:3|Edit13=50|Button2", "Mmax = {Edit20} kgf·mm（x = 50.000 mm）|δmax = {Edit22} mm（x = 50.000 mm）");
    row("beam, fixed ends", "RadioGroup1:4|Button2", "x は右端から測ります（L = 100.000 mm）|M = -16667 kgf·mm（x = 0.000 mm と 100.000 mm、絶対値が最大）|δx = {Edit22} mm（x = 20.000 mm）");
    row("beam, fixed ends, upward load", "RadioGroup1:4|Edit14=-100|Button2", "M = 83333 kgf·mm（x = 0.000 mm と 100.000 mm、絶対値が最大）|" + why + "83333 kgf·mm です");
    row("beam, supported, upward load: signs agree", "RadioGroup1:3|Edit14=-20|Button2", "Mmax = {Edit20} kgf·mm（x = 50.000 mm）");
    row("beam, load on the right support", "RadioGroup1:2|Edit24=0|Button2", "M = {Edit20} kgf·mm、δ = {Edit22} mm（はりの全長で 0）|荷重は右の支点の上にあり、支点がそのまま受けます（せん断力はその支点で段状に変わり、V = -20 kgf）");
    row("beam, load on the left support", "RadioGroup1:2|Edit24=100|Edit14=-2.5|Button2", "荷重は左の支点の上にあり、支点がそのまま受けます（せん断力はその支点で段状に変わり、V = -2.5 kgf）");
    row("bearing, axial load counts", "Edit8=1000|Edit25=10000|Edit10=1000|Edit11=1000|Button1", "Cor/Fa = 6000 / 1000 = 6.000 → 表の行 10：e = 0.29（Fa/Fr > e のとき X = 0.56、Y = 1.49）|Fa/Fr = 1000 / 1000 = 1.000 > e = 0.29 → X = 0.56、Y = 1.49|P = X·Fr + Y·Fa = 0.56 × 1000 + 1.49 × 1000 = {Label38} kgf|Lh = (Cr/P)³ × 10⁶/(60·n) = (10000 / {Label38})³ × 10⁶/(60 × 1000) = {Label28} 時間（{Label59}）");
    row("bearing, a tie with e", "Edit9=4000|Edit10=800|Button1", "Fa/Fr = 200 / 800 = 0.250 ≦ e = 0.25 → X = 1、Y = 0");
    row("bearing, no axial load", "Edit11=0|Button1", "Cor/Fa = 6000 / 0 = ∞ → 表の行 70：e = 0.19（Fa/Fr > e のとき X = 0.56、Y = 2.28）");
    row("bearing, a life too short to draw", "Edit25=1e-200|Edit10=1e200|Button1", "Lh が 0 になるため、対数の図は描けません");
    // clang-format on
}

void TestDiagram::marksTheFieldsValues()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    run(steps);
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    const QStringList shown = values().split('\n');
    // The values are shown whole, without scrolling.
    QVERIFY(!diagram()->findChild<QTextBrowser *>("DiagramValues")->verticalScrollBar()->isVisible());
    for (QString line : lines) {
        for (const char *name :
             {"Label13", "Label15", "Label22", "Label28", "Label38", "Label59", "Edit20", "Edit22"})
            line.replace(QString("{%1}").arg(name), textOf(name).trimmed());
        QVERIFY2(shown.contains(line), qPrintable(line + "\nnot in\n" + shown.join('\n')));
    }
}

void TestDiagram::copiesAndSaves()
{
    run({"Button3"});
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    QTest::keyClick(diagram(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QGuiApplication::clipboard()->image().isNull());
    auto *text = diagram()->findChild<QTextBrowser *>("DiagramValues");
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), values());

    QTemporaryDir folder;
    const QString png = folder.filePath("図.png"), svg = folder.filePath("diagram.SVG");
    QCOMPARE(diagram()->saveImage(png), std::nullopt);
    QCOMPARE(diagram()->saveImage(svg), std::nullopt);
    const QSize size = diagram()->findChild<QWidget *>("DiagramView")->size();
    QCOMPARE(QImage(png).size(), size * 2);
    QSvgRenderer read(svg);
    QVERIFY(read.isValid());
    QCOMPARE(read.viewBox().size(), size);
    // Its width in mm is that many CSS pixels (96 an inch).
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const auto width = QRegularExpression(R"(width="([\d.]+)mm")").match(svgFile.readAll());
    QCOMPARE(qRound(width.captured(1).toDouble() / 25.4 * 96), size.width());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2); // no temporary file left
    // A name as long as a folder takes is saved too.
    QCOMPARE(diagram()->saveImage(folder.filePath(QString(251, 'a') + ".png")), std::nullopt);
}

void TestDiagram::savesAnSvgThatDrawsAsThePng_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text"); // a string the SVG keeps for searching
    QTest::newRow("Hertz") << QStringList{"Button3"} << "物体1の中心軸上の応力 [kgf/mm²]（引張が正）";
    QTest::newRow("beam") << QStringList{"Button2"} << "曲げモーメント M [kgf·mm]（下側引張が正）";
    QTest::newRow("bearing") << QStringList{"Button1"} << "P = 1500.0 kgf、Lh = 10666.7 時間";
}

// Another renderer (librsvg) draws the saved SVG as the program draws the
// PNG: the text is in outlines of the program's own glyphs, which no
// renderer lays out anew; its strings stay in the description.
void TestDiagram::savesAnSvgThatDrawsAsThePng()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    run(steps);
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    QTemporaryDir folder;
    const QString png = folder.filePath("diagram.png"), svg = folder.filePath("diagram.svg");
    QCOMPARE(diagram()->saveImage(png), std::nullopt);
    QCOMPARE(diagram()->saveImage(svg), std::nullopt);
    QFile written(svg);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(written.readAll());
    QVERIFY(!content.contains("<text"));
    const QString description = content.section("<desc>", 1).section("</desc>", 0, 0);
    QVERIFY2(description.split('\n').contains(text), qPrintable(description));

    const QImage drawn = QImage(png).convertToFormat(QImage::Format_Grayscale8);
    const QString rendered = folder.filePath("rendered.png");
    QCOMPARE(QProcess::execute("rsvg-convert", {"-w", QString::number(drawn.width()), "-h",
                                                QString::number(drawn.height()), svg, "-o", rendered}),
             0);
    const QImage other = QImage(rendered).convertToFormat(QImage::Format_Grayscale8);
    QCOMPARE(other.size(), drawn.size());
    // Blocks of 8 × 8 pixels whose mean grey differs visibly: a glyph moved
    // by a pixel or two, a text set apart or dropped, shows in several.
    constexpr int kBlock = 8;
    int blocks = 0, differing = 0;
    for (int top = 0; top + kBlock <= drawn.height(); top += kBlock) {
        for (int left = 0; left + kBlock <= drawn.width(); left += kBlock) {
            int sum = 0;
            for (int y = top; y < top + kBlock; ++y) {
                for (int x = left; x < left + kBlock; ++x)
                    sum += drawn.constScanLine(y)[x] - other.constScanLine(y)[x];
            }
            ++blocks;
            differing += std::abs(sum) > 24 * kBlock * kBlock;
        }
    }
    QVERIFY2(differing * 1000 <= blocks,
             qPrintable(QString("%1 of %2 blocks differ").arg(differing).arg(blocks)));
}

void TestDiagram::refusesAWrite_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "missing/図.png"
                                    << "保存先のフォルダがありません";
    QTest::newRow("a folder of that name") << "folder.svg"
                                           << "同じ名前のフォルダがあります";
}

void TestDiagram::refusesAWrite()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    run({"Button2"});
    form()->findChild<QTabWidget *>()->setCurrentIndex(1);
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("folder.svg");
    const QString path = folder.filePath(name);
    const QString failure = diagram()->saveImage(path).value_or(QString());
    QVERIFY2(failure.contains(path) && failure.contains(reason), qPrintable(failure));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 0);
}

void TestDiagram::savesUnderTheChosenFormat_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");    // how the file written starts
    QTest::addColumn<QByteArray>("existing"); // the file there before, replaced or kept
    const QString png = "PNG 画像 (*.png)", svg = "SVG 画像 (*.svg)";
    const QByteArray pngStart = "\x89PNG", svgStart = "<?xml";
    QTest::newRow("another format's suffix") << png << "image.pdf"
                                             << "image.pdf.png" << pngStart << QByteArray();
    QTest::newRow("no suffix") << png << "image"
                               << "image.png" << pngStart << QByteArray();
    QTest::newRow("SVG named under the PNG filter") << png << "image.SVG"
                                                    << "image.SVG" << svgStart << QByteArray();
    QTest::newRow("another suffix, SVG chosen") << svg << "image.jpg"
                                                << "image.jpg.svg" << svgStart << QByteArray();
    QTest::newRow("the name it becomes exists: kept")
        << png << "image.pdf"
        << "image.pdf.png" << QByteArray("old") << QByteArray("old");
}

// The dialog never writes one format under another's suffix.
void TestDiagram::savesUnderTheChosenFormat()
{
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, existing);
    run({"Button3"});
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    QTemporaryDir folder;
    QFile before(folder.filePath(written));
    QVERIFY(existing.isEmpty() || (before.open(QIODevice::WriteOnly) && before.write(existing) == 3));
    before.close();
    QString asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->setDirectory(folder.path());
            dialog->selectNameFilter(filter);
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked = box->text();
            box->done(QMessageBox::No);
        }
    });
    answer.start(0);
    diagram()->findChild<QAction *>("SaveImage")->trigger();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QCOMPARE(asked.isEmpty(), existing.isEmpty());
}

void TestDiagram::copiesTheTabFromTheTabBar()
{
    run({"Button1"});
    find<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QGuiApplication::clipboard()->clear();
    pressOnTabBar(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    QVERIFY(QGuiApplication::clipboard()->text().endsWith("日数\t444\t日\n"));
}

// Three marks close together in a small plot, a curve along its top: the
// labels stay inside, clear of each other, of every mark and of the curve
// where they can; one with no room is left out.
void TestDiagram::placesLabelsApart()
{
    const QRectF area(0, 0, 300, 150);
    const QSizeF size(80, 20);
    const std::vector<tavrel::LabelRequest> requests = {
        {{100, 50}, size}, {{110, 55}, size}, {{290, 140}, size}, {{10, 10}, QSizeF(400, 20)}};
    const auto onCurve = [](const QRectF &box) { return box.top() < 30; };
    const auto boxes = tavrel::placeLabels(requests, area, 6, onCurve);
    QCOMPARE(boxes.size(), requests.size());
    QVERIFY(!boxes[3]);
    for (std::size_t i = 0; i < 3; ++i) {
        QVERIFY(boxes[i] && area.contains(*boxes[i]) && !onCurve(*boxes[i]));
        for (std::size_t j = 0; j < requests.size(); ++j) {
            QVERIFY(!boxes[i]->contains(requests[j].point));
            QVERIFY(i == j || !boxes[j] || !boxes[i]->intersects(*boxes[j]));
        }
    }
    // Up and right, up and left cover the curve; down and right the second
    // mark: down and left. The second mark's label goes up and right
    // beside the first's, the third stays inside the corner.
    QCOMPARE(*boxes[0], QRectF(QPointF(14, 56), size));
    QCOMPARE(*boxes[1], QRectF(QPointF(116, 29 + 32), size));
    QCOMPARE(*boxes[2], QRectF(QPointF(220, 114), size));
    // Where every place covers a curve, the nearest.
    const auto anyway = tavrel::placeLabels({{{50, 50}, size}}, area, 6, [](const QRectF &) { return true; });
    QCOMPARE(anyway.front(), QRectF(QPointF(56, 24), size));
}

// The figures hold the pressed numbers at the places the curves put them.
void TestDiagram::drawsWhatWasPressed()
{
    using namespace tavrel;
    const HertzInput h{40, 100, 21000, 21000, 0.3, 0.3, 400};
    const HertzResult hr = computeHertz(ContactKind::SphereOnSphere, h);
    const Figure hertz = hertzDiagram({ContactKind::SphereOnSphere, h, hr}).figure;
    const Curve &pressure = hertz.plots[0].series[0].points;
    QCOMPARE(pressure.front().x, -1.5 * hr.contactSize);
    QCOMPARE(pressure[pressure.size() / 2].y, hr.pMax);
    QCOMPARE(hertz.plots[1].series[2].points.back().x, 3 * hr.contactSize);
    const ShearPeak peak = largestShear(ContactKind::SphereOnSphere, 0.3, 3);
    QCOMPARE(hertz.plots[1].marks[0].x, peak.z * hr.contactSize);
    QCOMPARE(hertz.plots[1].marks[0].y, peak.tau * hr.pMax);

    const BeamInput b{21000, 100, 40, 100, 20, 20, 20, 10, 10, 0, 0};
    const BeamResult br = computeBeam(LoadCase::SupportedUniform, SectionKind::SolidRectangle, b);
    const Figure beam = beamDiagram({LoadCase::SupportedUniform, SectionKind::SolidRectangle, b, br}).figure;
    QVERIFY(beam.plots[2].x.reversed && beam.plots[2].y.reversed); // x from the right, δ downwards
    QCOMPARE(beam.plots[2].marks.size(), 2u);                      // x = L is on the beam
    QCOMPARE(beam.plots[2].marks[1].x, 100.0);

    const BearingInput g{100, 6000, 6000, 1500, 200};
    const BearingResult gr = computeBearingLife(g);
    const Figure bearing = bearingDiagram({g, gr}).figure;
    QVERIFY(bearing.plots[0].x.logarithmic && bearing.plots[0].y.logarithmic && !bearing.plots[0].x.reversed);
    QCOMPARE(bearing.plots[0].marks[0].x, gr.P);
    QCOMPARE(bearing.plots[0].marks[0].y, gr.Lh);
    const BearingInput fast{1e7, 6000, 6000, 1500, 200}; // a life of minutes is drawn too
    QCOMPARE(bearingDiagram({fast, computeBearingLife(fast)}).figure.plots.size(), 1u);
    // Ten times a load of 1e308 is beyond a double: that part of the curve
    // is left out, and the values say so; a value beyond a double is said
    // in words.
    const BearingInput huge{1, 1e308, 1e308, 1e308, 0};
    QVERIFY(bearingDiagram({huge, computeBearingLife(huge)})
                .values.contains(
                    "「定格疲れ寿命 Lh [時間]」の曲線の一部は値が数値の範囲を超えるため描いていません"));
    QVERIFY(!bearingDiagram({g, gr}).values.join('\n').contains("範囲を超える"));
    QCOMPARE(shown(kPatternScientific, -INFINITY), "計算できません（数値の範囲外）");
}

void TestDiagram::marksTheCurvesOwnValues_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("P");
    QTest::addColumn<int>("marks"); // on the three plots, as V·100 + M·10 + δ
    // The largest M (twice at fixed ends), the largest δ and, but for the
    // point load between supports, δ at x.
    const int marks[] = {12, 12, 11, 12, 22};
    for (int loadCase = 0; loadCase < 5; ++loadCase) {
        for (double P : {100.0, -100.0})
            QTest::addRow("load case %d, P %g", loadCase, P) << loadCase << 40.0 << P << marks[loadCase];
    }
    QTest::newRow("load on the right support") << 2 << 0.0 << 100.0 << 100;
    QTest::newRow("load on the left support, upward") << 2 << 100.0 << -100.0 << 100;
    QTest::newRow("no load") << 3 << 40.0 << 0.0 << 0;
}

// Each mark stands on its curve and its label gives the curve's own value,
// with its sign, under a title that states the sign convention.
void TestDiagram::marksTheCurvesOwnValues()
{
    QFETCH(int, loadCase);
    QFETCH(double, L1);
    QFETCH(double, P);
    QFETCH(int, marks);
    using namespace tavrel;
    const BeamInput in{21000, 100, L1, 20, P, 20, 20, 10, 10, 0, 0};
    const BeamResult r = computeBeam(LoadCase(loadCase), SectionKind::SolidRectangle, in);
    const Figure figure = beamDiagram({LoadCase(loadCase), SectionKind::SolidRectangle, in, r}).figure;
    QCOMPARE(figure.plots.size(), 3u);
    int counted = 0;
    for (const Plot &plot : figure.plots) {
        counted = counted * 10 + int(plot.marks.size());
        QVERIFY2(plot.title.endsWith("が正）"), qPrintable(plot.title));
        const Curve &curve = plot.series.front().points;
        double height = 0;
        for (const CurvePoint &p : curve)
            height = std::max(height, std::abs(p.y));
        for (const Mark &m : plot.marks) {
            const double shown = StrToFloat(m.label.section(" = ", 1).toStdString());
            QVERIFY2(std::signbit(shown) == std::signbit(m.y) &&
                         std::abs(shown - m.y) <= 0.01 * std::abs(m.y),
                     qPrintable(m.label));
            // On the curve: one of its points, or between two of them.
            bool on = false;
            for (std::size_t i = 0; i < curve.size() && !on; ++i) {
                const CurvePoint &a = curve[i], &b = curve[std::min(i + 1, curve.size() - 1)];
                const double t = a.x == b.x ? 0 : (m.x - a.x) / (b.x - a.x);
                on = t >= 0 && t <= 1 && (a.x != b.x || a.x == m.x) &&
                     std::abs(a.y + t * (b.y - a.y) - m.y) <= 1e-4 * height;
            }
            QVERIFY2(on, qPrintable(m.label));
        }
    }
    QCOMPARE(counted, marks);
}

// The beam's sketch spans the plots' horizontal axis, its x = L at the left.
void TestDiagram::alignsTheSketchWithThePlots()
{
    tavrel::Figure figure;
    figure.plots.push_back(
        {"M", {"x [mm]", false, true}, {}, {{"", Qt::black, Qt::SolidLine, {{0, 0}, {100, 5}}}}, {}});
    figure.plots.push_back(figure.plots.front());
    QRectF header, plots;
    figure.header = {[&](QPainter &, const QRectF &area, const tavrel::XPlacement &at) {
                         header = area;
                         plots = QRectF(QPointF(at(100), 0), QPointF(at(0), 1));
                     },
                     3};
    QImage image(500, 400, QImage::Format_ARGB32);
    QPainter painter(&image);
    tavrel::drawFigure(painter, image.rect(), figure);
    QVERIFY(header.width() > 300 && header.top() < 20);
    QCOMPARE(plots.left(), header.left());
    QCOMPARE(plots.right(), header.right());
}

QTEST_MAIN(TestDiagram)
// The sketch holds each end as the load case does: a wall where it is
// fixed, a pin where it is supported, nothing where it is free. The beam
// runs from x = L on the left (at 50) to x = 0 on the right (at 350).
void TestDiagram::drawsEachLoadCasesSupports_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<QString>("ends"); // left, right
    QTest::newRow("cantilever, end load") << 0 << "wall free";
    QTest::newRow("cantilever, uniform") << 1 << "wall free";
    QTest::newRow("supported, point load") << 2 << "pin pin";
    QTest::newRow("supported, uniform") << 3 << "pin pin";
    QTest::newRow("fixed ends, uniform") << 4 << "wall wall";
}

void TestDiagram::drawsEachLoadCasesSupports()
{
    QFETCH(int, loadCase);
    QFETCH(QString, ends);
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    // Under the beam, where a wall's line and a pin's white inside stand.
    const int below = qRound(2.7 * QFontMetricsF(painter.font(), &image).height());
    tavrel::drawBeamSketch(
        painter, image.rect(), [](double x) { return 350 - 3 * x; },
        {static_cast<tavrel::LoadCase>(loadCase), 100, 40, 20, 1e6}, std::nullopt);
    const auto support = [&](int x) {
        const QColor colour = image.pixelColor(x, below);
        return colour == QColor(128, 0, 0) ? u"wall"_s : colour == Qt::white ? u"pin"_s : u"free"_s;
    };
    QCOMPARE(support(50) + ' ' + support(350), ends);
}

#include "tst_diagram.moc"
