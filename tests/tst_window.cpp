// The main window offscreen: designed texts and states, the Hertz tab's
// contact kinds and presses, and the error box, all through object names.
#include "guitest.h"

#include "app/calc_error.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QSvgWidget>
#include <QTabWidget>

#include <memory>

namespace
{

QStringList hertzResults(QObject *form)
{
    return textsOf(form, {"Label13", "Label14", "Label15", "Label20", "Label21", "Label22"});
}

void chooseContactKind(QObject *form, const char *item)
{
    child<QAction>(form, item)->trigger();
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsFrame();
    void showsDesignedTexts_data();
    void showsDesignedTexts();
    void offersContactKinds();
    void followsTabOrder();
    void resizeMovesNothing();
    void namesBoxesForScreenReaders();
    void opensContactMenuOnVisiblePicture();

    void switchesContactKind_data();
    void switchesContactKind();
    void computesHertz_data();
    void computesHertz();
    void returnPressesCompute();
    void refusesUnreadableBox_data();
    void refusesUnreadableBox();
    void refusesFloatingPointFault_data();
    void refusesFloatingPointFault();

private:
    std::unique_ptr<TForm1> form_;
};

void TestWindow::init()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestWindow::cleanup()
{
    form_.reset();
}

void TestWindow::showsFrame()
{
    QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tavrel Ver. 1.01"));
    QCOMPARE(form_->size(), QSize(536, 442));
    auto *pages = child<QTabWidget>(form_.get(), "PageControl1");
    QCOMPARE(pages->geometry(), QRect(8, 10, 522, 425));
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("Hertz応力"));
    QCOMPARE(pages->tabText(1), QStringLiteral("応力計算"));
    QCOMPARE(pages->tabText(2), QStringLiteral("ﾍﾞｱﾘﾝｸﾞ"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(pages->widget(1)->objectName(), QStringLiteral("TabSheet2"));
    QCOMPARE(pages->widget(2)->objectName(), QStringLiteral("TabSheet3"));

    auto *menu = child<QMenu>(form_.get(), "PopupMenu4");
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(child<QAction>(form_.get(), "N9")->text(), QStringLiteral("保存"));
    QCOMPARE(child<QAction>(form_.get(), "Print1")->text(), QStringLiteral("印刷"));
    QVERIFY(!child<QAction>(form_.get(), "N9")->isEnabled());
    QVERIFY(!child<QAction>(form_.get(), "Print1")->isEnabled());

    // The window's own stray box lies under the page control; it must never
    // take the keyboard focus.
    QLineEdit *stray = nullptr;
    for (QLineEdit *edit : form_->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
        stray = edit->objectName().isEmpty() ? edit : stray;
    QVERIFY(stray);
    QCOMPARE(stray->text(), QStringLiteral("21000"));
    QCOMPARE(stray->focusPolicy(), Qt::NoFocus);
    QCOMPARE(textOf(form_.get(), "Label35"), QStringLiteral("      "));
}

void TestWindow::showsDesignedTexts_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");
    const std::pair<const char *, const char *> rows[] = {
        {"Label1", "  球と凸球  "},
        {"Label11", "球半径  R1[mm] = "},
        {"Label12", "          R2[mm] = "},
        {"Label2", "荷  重       P[kg] = "},
        {"Label3", "縦弾性係数   E1 = "},
        {"Label10", "[kg/mm^2]"},
        {"Label4", " E2 = "},
        {"Label5", "ポアソン比    ν1 = "},
        {"Label6", " ν2 = "},
        {"Label7", "接触円半径      a [mm] = "},
        {"Label8", "接 近 量         δ[mm] = "},
        {"Label9", "最大圧力 p_max [kg/mm2] = "},
        {"Label17", "最大圧縮応力 σz_max [\"] = "},
        {"Label18", "最大引張応力 σr_max [\"] = "},
        {"Label19", "最大ｾﾝ断応力  τ_max [\"] = "},
        {"Label16", ""},
        {"Label13", ""},
        {"Label22", ""},
        {"Button3", "計 算"},
        {"Edit6", "40"},
        {"Edit7", "400"},
        {"Edit1", "100"},
        {"Edit2", "21000"},
        {"Edit3", "21000"},
        {"Edit4", "0.3"},
        {"Edit5", "0.3"},
    };
    for (const auto &[name, text] : rows)
        QTest::newRow(name) << QByteArray(name) << QString::fromUtf8(text);
}

void TestWindow::showsDesignedTexts()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QObject *control = child<QObject>(form_.get(), name.constData());
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(textOf(form_.get(), name.constData()), text);
}

void TestWindow::offersContactKinds()
{
    auto *menu = child<QMenu>(form_.get(), "PopupMenu1");
    const QStringList captions = {"球と凸球",   "球と平面",     "球と凹球",          "円柱と円柱",
                                  "円柱と平面", "円柱と凹円面", "円中と円中（直交）"};
    QCOMPARE(menu->actions().size(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = menu->actions().at(i);
        QCOMPARE(item->objectName(), QStringLiteral("N%1").arg(i + 1));
        QCOMPARE(item->text(), captions.at(i));
        QCOMPARE(item->isEnabled(), i == 0 || i == 4);
    }
}

void TestWindow::followsTabOrder()
{
    QCOMPARE(tabStopsAfter(form_.get(), "Edit1", 7),
             (QStringList{"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Button3"}));
}

void TestWindow::resizeMovesNothing()
{
    const QRect pages = child<QWidget>(form_.get(), "PageControl1")->geometry();
    const QRect button = child<QWidget>(form_.get(), "Button3")->geometry();
    form_->resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(child<QWidget>(form_.get(), "PageControl1")->geometry(), pages);
    QCOMPARE(child<QWidget>(form_.get(), "Button3")->geometry(), button);
}

void TestWindow::namesBoxesForScreenReaders()
{
    // Every box and result field is named from its caption, on every tab.
    for (QWidget *control : form_->findChild<QWidget *>("PageControl1")->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        const bool field =
            QRegularExpression("^(Edit\\d+|Label(13|14|15|2[0-2]|28|38|59))$").match(name).hasMatch();
        if (field)
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
    }
    QCOMPARE(child<QWidget>(form_.get(), "Edit6")->accessibleName(), QStringLiteral("球半径 R1[mm]"));
    QCOMPARE(child<QWidget>(form_.get(), "Label59")->accessibleName(), QStringLiteral("日数"));
    // The names follow the captions when the contact kind changes them.
    chooseContactKind(form_.get(), "N5");
    QCOMPARE(child<QWidget>(form_.get(), "Edit7")->accessibleName(), QStringLiteral("ﾛｰﾗ幅 B [mm]"));
    QCOMPARE(child<QWidget>(form_.get(), "Label13")->accessibleName(), QStringLiteral("接触面半幅 b [mm]"));
}

void TestWindow::opensContactMenuOnVisiblePicture()
{
    auto *menu = child<QMenu>(form_.get(), "PopupMenu1");
    for (const char *kind : {"N5", "N1"}) {
        chooseContactKind(form_.get(), kind);
        auto *visible = child<QWidget>(form_.get(), kind == QByteArray("N5") ? "Image5" : "Image1");
        QVERIFY(visible->isVisible());
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100),
                                visible->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(visible, &event);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
}

void TestWindow::switchesContactKind_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions"); // Label1, Label11, Label12, Label7, Label16
    QTest::addColumn<bool>("sphereShown");
    QTest::addColumn<QColor>("label18Colour");
    const QString note = QStringLiteral("注）δとτmaxはE1=E2               ν1=ν2=0.3の時計算可");
    QTest::newRow("roller") << QStringList{"N5"}
                            << QStringList{"  円柱と平面  ", "ﾛｰﾗ半径R1[mm] = ", "ﾛｰﾗ幅  B [mm] = ",
                                           "接触面半幅      b [mm] = ", note}
                            << false << QColor(128, 128, 128);
    QTest::newRow("sphere after roller")
        << QStringList{"N5", "N1"}
        << QStringList{"  球と凸球  ",
                       "球半径 R1[mm] = ", "       R2[mm] = ", "接触円半径      a [mm] = ", ""}
        << true << QColor(Qt::black);
    QTest::newRow("roller chosen twice")
        << QStringList{"N5", "N5"}
        << QStringList{"  円柱と平面  ",
                       "ﾛｰﾗ半径R1[mm] = ", "ﾛｰﾗ幅  B [mm] = ", "接触面半幅      b [mm] = ", note}
        << false << QColor(128, 128, 128);
    QTest::newRow("sphere chosen at start")
        << QStringList{"N1"}
        << QStringList{"  球と凸球  ",
                       "球半径 R1[mm] = ", "       R2[mm] = ", "接触円半径      a [mm] = ", ""}
        << true << QColor(Qt::black);
}

void TestWindow::switchesContactKind()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);
    QFETCH(bool, sphereShown);
    QFETCH(QColor, label18Colour);
    const QStringList editsBefore =
        textsOf(form_.get(), {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"});
    for (const QString &item : items) {
        // Every selection empties the results, even of the kind already chosen.
        QVERIFY(press(form_.get(), "Button3").isEmpty());
        QVERIFY(!textOf(form_.get(), "Label13").isEmpty());
        chooseContactKind(form_.get(), item.toLatin1().constData());
        QCOMPARE(hertzResults(form_.get()), QStringList(6, QString()));
    }
    QCOMPARE(textsOf(form_.get(), {"Label1", "Label11", "Label12", "Label7", "Label16"}), captions);
    QCOMPARE(child<QSvgWidget>(form_.get(), "Image1")->isVisible(), sphereShown);
    QCOMPARE(child<QSvgWidget>(form_.get(), "Image5")->isVisible(), !sphereShown);
    QCOMPARE(child<QLabel>(form_.get(), "Label18")->palette().color(QPalette::WindowText), label18Colour);
    QCOMPARE(textsOf(form_.get(), {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"}),
             editsBefore);
}

void TestWindow::computesHertz_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QStringList>("inputs");  // Edit6 R1, Edit1 P, Edit2 E1, Edit3 E2, Edit4, Edit5, Edit7
    QTest::addColumn<QStringList>("results"); // Label13, 14, 15, 20, 21, 22
    QTest::newRow("sphere, defaults")
        << QByteArray("N1") << QStringList{"40", "100", "21000", "21000", "0.3", "0.3", "400"}
        << QStringList{" 0.618", " 0.011", " 124.898", " 124.898", " 16.653", " 38.718"};
    QTest::newRow("roller, same material")
        << QByteArray("N5") << QStringList{"40", "1000", "21000", "21000", "0.3", "0.3", "10"}
        << QStringList{" 0.664", " 0.016", " 95.823", " -95.823", "", " 28.843"};
    QTest::newRow("roller, nu typed 0.30 and 0.300 with blanks and exponent")
        << QByteArray("N5") << QStringList{" 4e1 ", "1000", "21000", "2.1E4", "0.30", "0.300", "10"}
        << QStringList{" 0.664", " 0.016", " 95.823", " -95.823", "", " 28.843"};
    QTest::newRow("roller, materials differ")
        << QByteArray("N5") << QStringList{"40", "1000", "21000", "21000", "0.3", "0.29", "10"}
        << QStringList{" 0.665", "", " 95.668", " -95.668", "", ""};
}

void TestWindow::computesHertz()
{
    QFETCH(QByteArray, kind);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    chooseContactKind(form_.get(), kind.constData());
    // A first press with the defaults, so the rows with empty results show
    // that a press empties a field that held a number.
    QVERIFY(press(form_.get(), "Button3").isEmpty());
    const char *boxes[] = {"Edit6", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit7"};
    for (int i = 0; i < 7; ++i)
        child<QLineEdit>(form_.get(), boxes[i])->setText(inputs.at(i));
    QCOMPARE(press(form_.get(), "Button3"), QStringList());
    QCOMPARE(hertzResults(form_.get()), results);
}

void TestWindow::returnPressesCompute()
{
    auto *box = child<QLineEdit>(form_.get(), "Edit5");
    box->setFocus();
    const QStringList errors = answeringErrorBoxes([&] { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(errors.isEmpty());
    QCOMPARE(textOf(form_.get(), "Label15"), QStringLiteral(" 124.898"));
}

void TestWindow::refusesUnreadableBox_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("R1 empty") << QByteArray("Edit6") << QString();
    QTest::newRow("P letters") << QByteArray("Edit1") << QStringLiteral("abc");
    QTest::newRow("E1 two points") << QByteArray("Edit2") << QStringLiteral("1.2.3");
    QTest::newRow("E2 thousands separator") << QByteArray("Edit3") << QStringLiteral("21,000");
    QTest::newRow("nu1 decimal comma") << QByteArray("Edit4") << QStringLiteral("0,3");
    QTest::newRow("nu2 full-width digits") << QByteArray("Edit5") << QStringLiteral("０．３");
    QTest::newRow("R2 overflow, the last box read") << QByteArray("Edit7") << QStringLiteral("1e999");
}

void TestWindow::refusesUnreadableBox()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QVERIFY(press(form_.get(), "Button3").isEmpty());
    const QStringList before = hertzResults(form_.get());
    auto *edit = child<QLineEdit>(form_.get(), box.constData());
    edit->setText(text);
    child<QWidget>(form_.get(), "Button3")->setFocus();

    const QStringList errors = press(form_.get(), "Button3");
    QCOMPARE(errors, QStringList{QStringLiteral("「%1」は正しい数値ではありません。").arg(text)});
    QCOMPARE(hertzResults(form_.get()), before);
    // The user can retype at once.
    QTRY_COMPARE(form_->focusWidget(), edit);
    QCOMPARE(edit->selectedText(), text);
}

void TestWindow::refusesFloatingPointFault_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("sphere, E1 zero") << QByteArray("N1") << QByteArray("Edit2") << QStringLiteral("0");
    QTest::newRow("sphere, R1 + R2 zero") << QByteArray("N1") << QByteArray("Edit7") << QStringLiteral("-40");
    QTest::newRow("sphere, negative load")
        << QByteArray("N1") << QByteArray("Edit1") << QStringLiteral("-100");
    QTest::newRow("roller, width zero") << QByteArray("N5") << QByteArray("Edit7") << QStringLiteral("0");
    QTest::newRow("roller, E2 zero") << QByteArray("N5") << QByteArray("Edit3") << QStringLiteral("0");
}

void TestWindow::refusesFloatingPointFault()
{
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    chooseContactKind(form_.get(), kind.constData());
    QVERIFY(press(form_.get(), "Button3").isEmpty());
    const QStringList before = hertzResults(form_.get());
    child<QLineEdit>(form_.get(), box.constData())->setText(text);
    QCOMPARE(press(form_.get(), "Button3"), QStringList{QString::fromUtf8(tavrel::kFloatFaultMessage)});
    QCOMPARE(hertzResults(form_.get()), before);
    QVERIFY(!hertzResults(form_.get()).join(' ').contains(QLatin1String("INF")));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
