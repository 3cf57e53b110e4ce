// The diagram window, driven as a user drives it: the three ways to open
// it, what it says before a press and after a change, the marked values
// against the fields' texts on every tab, copying, saving PNG and SVG and a
// refused save; the tab's copy shortcut from anywhere in the window; and
// the guide that F1 and the ヘルプ menu open.
#include "guitest.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "diagram/diagram_window.h"
#include "help/guide_help.h"
#include "hertz/hertz_tab.h"

#include <QSvgRenderer>

using tavrel::DiagramWindow;

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
    void opensTheGuide_data();
    void opensTheGuide();
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
    row("sphere", "Button3", "p_max = {Label15} kgf/mm²（r = 0.000 mm、接触の中心）|a = {Label13} mm|τ_max = 0.310 p_max、深さ z = 0.48 a = 0.297 mm|τ_max = {Label22} kgf/mm²|最大ミーゼス応力（物体1の中心軸上、ν1 = 0.3）：σv = 0.620 p_max = 77.442 kgf/mm²、深さ z = 0.48 a = 0.297 mm");
    row("sphere, ν1 0.25", "Edit4=0.25|Button3", "τ_max = 0.322 p_max、深さ z = 0.46 a = 0.289 mm|曲線の最大値 τ_max = 39.777 kgf/mm²（0.322 p_max）|欄の τ_max = {Label22} kgf/mm² は固定の係数 0.31 p_max によるもので、曲線の最大値より 3.6 % 小さい値です（この係数は ν1 = 0.3 の値です）");
    row("roller", "N5|Edit7=10|Edit1=1000|Button3", "p_max = {Label15} kgf/mm²（x = 0.000 mm、接触の中心）|τ_max = 0.300 p_max、深さ z = 0.79 b = 0.522 mm|τ_max = {Label22} kgf/mm²|b/R1 = 0.017（0.1 以下：接触域は曲率半径に比べて小さく、ヘルツの理論の前提を満たします）");
    row("roller, materials differ, small ν1", "N5|Edit4=0.1|Button3", "b = {Label13} mm|τ_max = 1.408 kgf/mm²（曲線の最大値）|ν1 = 0.1 では、ローラの軸方向の応力 σy = ν1·(σx + σz) との間のせん断応力の方が大きく、最大 0.408 p_max = 1.916 kgf/mm²（深さ z = 0.006 mm）です");
    // The curve's moment is negative at a fixed end under a downward load;
    // the field's follows the load. One line says so.
    const QString why = "Mmax 欄の {Edit20} kgf·mm は下向きの荷重を正とした値で、図の M（下側引張が正）では ";
    row("beam, cantilever, end load", "Button2", "x は自由端から測ります（L = 100.000 mm）|M = -2000 kgf·mm（x = 100.000 mm、絶対値が最大）|" + why + "-2000 kgf·mm です|δmax = 2.38e-2 mm（x = 0.000 mm）|δx = {Edit22} mm（x = 20.000 mm）");
    row("beam, cantilever, upward end load", "Edit12=1000|Edit14=-100|Button2", "M = 100000 kgf·mm（x = 1000.000 mm、絶対値が最大）|" + why + "100000 kgf·mm です|δmax = -1.19e2 mm（x = 0.000 mm）");
    row("beam, cantilever, uniform, x 0", "RadioGroup1:1|Edit13=0|Button2", "M = -100000 kgf·mm（x = 100.000 mm、絶対値が最大）|δmax = {Edit22} mm（x = 0.000 mm）");
    row("beam, point load", "RadioGroup1:2|Button2", "x は右の支点から測ります（L = 100.000 mm）|Mmax = {Edit20} kgf·mm（x = 40.000 mm）|δmax = {Edit22} mm（x = 47.085 mm）|x = 0.000 mm（単純支点）：反力 R = 12 kgf、たわみ角 θ = 4.57e-5 rad|x = 100.000 mm（単純支点）：反力 R = 8 kgf、たわみ角 θ = 4e-5 rad|最大せん断力 Vmax = 12 kgf（x = 0.000 mm、絶対値）|L/δmax = 70868.3（δmax はスパンの 1/70868.3）");
    row("beam, supported, uniform", "RadioGroup1:3|Edit13=50|Button2", "Mmax = {Edit20} kgf·mm（x = 50.000 mm）|δmax = {Edit22} mm（x = 50.000 mm）");
    row("beam, fixed ends", "RadioGroup1:4|Button2", "x は右の固定端から測ります（L = 100.000 mm）|M = -16667 kgf·mm（x = 0.000 mm と 100.000 mm、絶対値が最大）|δx = {Edit22} mm（x = 20.000 mm）|x = 100.000 mm（固定端）：反力 R = 1000 kgf、固定端モーメント = -16667 kgf·mm|最大せん断力 Vmax = 1000 kgf（x = 0.000 mm と 100.000 mm、絶対値）");
    row("beam, fixed ends, upward load", "RadioGroup1:4|Edit14=-100|Button2", "M = 83333 kgf·mm（x = 0.000 mm と 100.000 mm、絶対値が最大）|" + why + "83333 kgf·mm です");
    row("beam, supported, upward load: signs agree", "RadioGroup1:3|Edit14=-20|Button2", "Mmax = {Edit20} kgf·mm（x = 50.000 mm）");
    row("beam, load on the right support", "RadioGroup1:2|Edit24=0|Button2", "M = {Edit20} kgf·mm、δ = {Edit22} mm（はりの全長で 0）|荷重は右の支点の上にあり、支点がそのまま受けます（せん断力はその支点で段状に変わり、V = -20 kgf）");
    row("beam, load on the left support", "RadioGroup1:2|Edit24=100|Edit14=-2.5|Button2", "荷重は左の支点の上にあり、支点がそのまま受けます（せん断力はその支点で段状に変わり、V = -2.5 kgf）");
    row("bearing, axial load counts", "Edit8=1000|Edit25=10000|Edit10=1000|Edit11=1000|Button1", "Cor/Fa = 6000 / 1000 = 6.000 → 表の行 10：e = 0.29（Fa/Fr > e のとき X = 0.56、Y = 1.49）|Fa/Fr = 1000 / 1000 = 1.000 > e = 0.29 → X = 0.56、Y = 1.49|P = X·Fr + Y·Fa = 0.56 × 1000 + 1.49 × 1000 = {Label38} kgf|Lh = (Cr/P)³ × 10⁶/(60·n) = (10000 / {Label38})³ × 10⁶/(60 × 1000) = {Label28} h（{Label59}）|静等価荷重 P0 = max(0.6·Fr + 0.5·Fa, Fr) = 1100.0 kgf、静的安全係数 s0 = Cor/P0 = 5.45");
    row("bearing, axial load beyond the table", "Edit11=4000|Button1", "注意：Fa/Cor = 0.667 > 0.5（深溝玉軸受のアキシアル荷重の目安を超えています）|注意：Cor/Fa = 1.500 < 5（表の最初の行より小さく、表の範囲外です）");
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
    QTest::newRow("bearing") << QStringList{"Button1"} << "P = 1500.0 kgf、Lh = 10666.7 h";
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

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"

void TestDiagram::opensTheGuide_data()
{
    QTest::addColumn<QStringList>("steps"); // a last "F1" is pressed in the diagram window
    QTest::addColumn<QString>("shown");     // the chapter opened, or the message's first line
    QTest::newRow("F1, Hertz tab") << QStringList{"Edit6<F1"} << "4-hertz応力タブヘルツの接触応力";
    // F1 there is the shortcut of its ヘルプ menu's item.
    QTest::newRow("F1, diagram window") << QStringList{"Edit8<Ctrl+G", "F1"} << "6-ﾍﾞｱﾘﾝｸﾞタブ玉軸受の寿命";
    QTest::newRow("no browser") << QStringList{"Edit6<F1"}
                                << "説明書を開けませんでした。Web ブラウザで次のファイルを開いてください：";
    QTest::newRow("no guide") << QStringList{"Edit6<F1"}
                              << "説明書（guide.ja.html）が見つかりません。次の場所を探しました：";
}

// The guide opens in the browser at the tab's chapter, one the built HTML
// has; where it cannot, the message names the file (or the places looked in).
void TestDiagram::opensTheGuide()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    const bool guideThere = !shown.contains("見つかりません"), browserOpens = !shown.contains("開けません");
    QTemporaryDir dir;
    const QString guide = dir.filePath("guide.ja.html"), missing = dir.filePath("missing.html");
    QFile file(guide);
    QVERIFY(!guideThere || file.open(QIODevice::WriteOnly));
    tavrel::GuideHelp &help = tavrel::guideHelp();
    const tavrel::GuideHelp kept = help;
    QList<QUrl> opened;
    help = {{missing, guide}, [&](const QUrl &url) { return opened << url, browserOpens; }};
    const bool inDiagram = steps.endsWith("F1");
    const QStringList messages = run(inDiagram ? steps.mid(0, steps.size() - 1) : steps);
    if (inDiagram) {
        QTRY_COMPARE(QApplication::activeWindow(), diagram());
        QTest::keyClick(diagram(), Qt::Key_F1);
    }
    help = kept;
    if (!guideThere || !browserOpens) {
        QCOMPARE(messages, QStringList{shown + '\n' + (guideThere ? guide : missing + '\n' + guide)});
        return;
    }
    QCOMPARE(messages, QStringList());
    QCOMPARE(opened, QList<QUrl>{QUrl(QUrl::fromLocalFile(guide).toString() + '#' + shown)});
    QFile html(QStringLiteral(TAVREL_GUIDE_HTML));
    QVERIFY(html.open(QIODevice::ReadOnly) && html.readAll().contains(("id=\"" + shown + '"').toUtf8()));
}
