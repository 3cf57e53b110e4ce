// The diagram window, driven as a user drives it: the three ways to open
// it, what it says before a press and after a change, the marked values
// against the fields' texts on every tab, copying, saving PNG and SVG and a
// refused save; and the tab's copy shortcut from anywhere in the window.
#include "guitest.h"

#include "diagram/diagram_window.h"

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
    void saysWhyNothingIsDrawn();
    void marksTheFieldsValues_data();
    void marksTheFieldsValues();
    void copiesAndSaves();
    void refusesAWrite_data();
    void refusesAWrite();
    void copiesTheTabFromTheTabBar();
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
    for (int request = 0; request < 2; ++request) {
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
    }
    QCOMPARE(form()->findChildren<DiagramWindow *>().size(), 1);
    QVERIFY(diagram()->isVisible() && diagram()->isWindow());
    QCOMPARE(diagram()->windowTitle(), title);
    QTRY_COMPARE(QApplication::activeWindow(), diagram());
    QTest::keyClick(diagram(), Qt::Key_Escape);
    QVERIFY(!diagram()->isVisible());
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
    const auto row = [](const char *name, const char *steps, const char *lines) {
        QTest::newRow(name) << QString(steps).split('|', Qt::SkipEmptyParts) << QString(lines).split('|');
    };
    // clang-format off
    row("sphere", "Button3", "p_max = {Label15} kgf/mm²（r = 0.000 mm、接触の中心）|a = {Label13} mm|τmax = 0.310 p_max、深さ z = 0.48 a = 0.297 mm|τ_max = {Label22} kgf/mm²");
    row("sphere, ν1 0.25", "Edit4=0.25|Button3", "τmax = 0.322 p_max、深さ z = 0.46 a = 0.289 mm|曲線の最大値 τmax = 39.777 kgf/mm²（0.322 p_max）|欄の τ_max = {Label22} kgf/mm² は固定の係数 0.31 p_max によるもので、曲線の最大値より 3.6 % 小さい値です（この係数は ν1 = 0.3 の値です）");
    row("roller", "N5|Edit7=10|Edit1=1000|Button3", "p_max = {Label15} kgf/mm²（x = 0.000 mm、接触の中心）|τmax = 0.300 p_max、深さ z = 0.79 b = 0.522 mm|τ_max = {Label22} kgf/mm²");
    row("roller, materials differ, small ν1", "N5|Edit4=0.1|Button3", "b = {Label13} mm|τmax = 1.408 kgf/mm²（曲線の最大値）|ν1 = 0.1 では、ころの軸方向の応力 σy = ν1·(σx + σz) との間のせん断応力の方が大きく、最大 0.408 p_max = 1.916 kgf/mm²（深さ z = 0.006 mm）です");
    row("beam, cantilever, end load", "Button2", "x は自由端から測ります（L = 100.000 mm）|Mmax = {Edit20} kgf·mm（x = 100.000 mm）|δmax = 2.38e-2 mm（x = 0.000 mm）|δx = {Edit22} mm（x = 20.000 mm）");
    row("beam, cantilever, uniform, x 0", "RadioGroup1:1|Edit13=0|Button2", "Mmax = {Edit20} kgf·mm（x = 100.000 mm）|δmax = {Edit22} mm（x = 0.000 mm）");
    row("beam, point load", "RadioGroup1:2|Button2", "x は右の支点から測ります（L = 100.000 mm）|Mmax = {Edit20} kgf·mm（x = 40.000 mm）|δmax = {Edit22} mm（x = 47.085 mm）");
    row("beam, supported, uniform", "RadioGroup1:3|Edit13=50|Button2", "Mmax = {Edit20} kgf·mm（x = 50.000 mm）|δmax = {Edit22} mm（x = 50.000 mm）");
    row("beam, fixed ends", "RadioGroup1:4|Button2", "x は右端から測ります（L = 100.000 mm）|Mmax = {Edit20} kgf·mm（x = 0.000 mm と 100.000 mm）|δx = {Edit22} mm（x = 20.000 mm）");
    row("bearing, axial load counts", "Edit8=1000|Edit25=10000|Edit10=1000|Edit11=1000|Button1", "Cor/Fa = 6000 / 1000 = 6.000 → 表の行 10：e = 0.29（Fa/Fr > e のとき X = 0.56、Y = 1.49）|Fa/Fr = 1000 / 1000 = 1.000 > e = 0.29 → X = 0.56、Y = 1.49|P = X·Fr + Y·Fa = 0.56 × 1000 + 1.49 × 1000 = {Label38} kgf|Lh = (Cr/P)³ × 10⁶/(60·n) = (10000 / {Label38})³ × 10⁶/(60 × 1000) = {Label28} 時間（{Label59}）");
    row("bearing, a tie with e", "Edit9=4000|Edit10=800|Button1", "Fa/Fr = 200 / 800 = 0.250 ≦ e = 0.25 → X = 1、Y = 0");
    row("bearing, no axial load", "Edit11=0|Button1", "Cor/Fa = 6000 / 0 = ∞ → 表の行 70：e = 0.19（Fa/Fr > e のとき X = 0.56、Y = 2.28）");
    // clang-format on
}

void TestDiagram::marksTheFieldsValues()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    run(steps);
    pressOnTabBar(Qt::CTRL | Qt::Key_G);
    const QStringList shown = values().split('\n');
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
    QCOMPARE(diagram()->saveImage(png), QString());
    QCOMPARE(diagram()->saveImage(svg), QString());
    const QSize size = diagram()->findChild<QWidget *>("DiagramView")->size();
    QCOMPARE(QImage(png).size(), size * 2);
    QSvgRenderer read(svg);
    QVERIFY(read.isValid());
    QCOMPARE(read.viewBox().size(), size);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2); // no temporary file left
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
    const QString failure = diagram()->saveImage(path);
    QVERIFY2(failure.contains(path) && failure.contains(reason), qPrintable(failure));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 0);
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
