// The whole window offscreen, driven through the controls' object names:
// presses and refusals of the three tabs, selections, keys, menus, the fit
// of every text, the colours on a dark desktop, copying and pasting.
#include "guitest.h"

#include "app/calc_error.h"
#include "bearing/bearing_calc.h"

#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

namespace
{

const QString kFault = QString::fromUtf8(tavrel::kFloatFaultMessage);

// The compute buttons of the three tabs, in tab order.
const QString kButtons[] = {"Button3", "Button2", "Button1"};

// Everything a press may write, per compute button.
const QHash<QString, QStringList> kResults = {
    {"Button3", {"Label13", "Label14", "Label15", "Label20", "Label21", "Label22"}},
    {"Button2", {"Label51", "Edit19", "Edit20", "Edit21", "Edit22"}},
    {"Button1", {"Label38", "Label28", "Label59"}},
};

double luminance(const QColor &colour)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The width a text takes in a widget's font, and the width it has there.
qreal textWidth(const QWidget *widget, const QString &text)
{
    return QFontMetricsF(widget->font()).horizontalAdvance(text);
}

} // namespace

class TestWindow : public GuiTest
{
    Q_OBJECT

    // Checks a row's expectations: "Name=text", "Name:on" or "Name:off"
    // (enabled), "Name:shown" or "Name:hidden", "Name#rrggbb" (font colour).
    void expect(const QStringList &expectations)
    {
        for (const QString &e : expectations) {
            if (e.contains(QLatin1Char('='))) {
                QCOMPARE(textOf(e.section(QLatin1Char('='), 0, 0)), e.section(QLatin1Char('='), 1));
                continue;
            }
            auto *widget = find<QWidget>(e.section(QRegularExpression("[:#]"), 0, 0));
            if (e.endsWith(QLatin1String(":on")) || e.endsWith(QLatin1String(":off")))
                QVERIFY2(widget->isEnabled() == e.endsWith(QLatin1String(":on")), qPrintable(e));
            else if (e.contains(QLatin1Char('#')))
                QCOMPARE(widget->palette().color(QPalette::WindowText).name(), e.mid(e.indexOf('#')));
            else
                QVERIFY2(widget->isVisible() == e.endsWith(QLatin1String(":shown")), qPrintable(e));
        }
    }

private slots:
    void presses_data();
    void presses();
    void refuses_data();
    void refuses();
    void selects_data();
    void selects();
    void followsKeyboardOrder_data();
    void followsKeyboardOrder();
    void pressesWithKeys_data();
    void pressesWithKeys();
    void fitsEveryText_data();
    void fitsEveryText();
    void keepsDesignedColoursOnDarkDesktop();
    void speaksJapaneseInMenus();
    void copiesTabAndGivesSiValues();
    void keepsPastesWhole();
    void opensOnScreen();
};

void TestWindow::presses_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    // Unequal bodies (E1 != E2, nu1 != nu2) pin which box feeds which input.
    QTest::newRow("sphere, unequal materials")
        << QStringList{"Edit6=40",   "Edit7=400", "Edit1=100",  "Edit2=21000",
                       "Edit3=7000", "Edit4=0.3", "Edit5=0.25", "Button3"}
        << QStringList{"Label13= 0.785",  "Label14= 0.017",  "Label15= 77.514",
                       "Label20= 77.514", "Label21= 10.335", "Label22= 24.029"};
    QTest::newRow("sphere on a flat, bodies swapped")
        << QStringList{"Edit6=12.5",  "Edit7=1e9",  "Edit1=50",  "Edit2=7000",
                       "Edit3=21000", "Edit4=0.33", "Edit5=0.3", "Button3"}
        << QStringList{"Label13= 0.431", "Label14= 0.015", "Label15= 128.600", "Label21= 14.575"};
    QTest::newRow("roller, same material, nu typed 0.30 and with an exponent")
        << QStringList{"N5", "Edit6= 4e1 ", "Edit7=10", "Edit1=1000", "Edit4=0.30", "Edit5=3e-1", "Button3"}
        << QStringList{"Label13= 0.664",   "Label14= 0.016", "Label15= 95.823",
                       "Label20= -95.823", "Label21=",       "Label22= 28.843"};
    QTest::newRow("roller, materials differ: no approach, no shear")
        << QStringList{"N5", "Button3", "Edit6=40", "Edit7=10", "Edit1=1000", "Edit3=20000", "Button3"}
        << QStringList{"Label13= 0.673", "Label14=", "Label15= 94.647", "Label20= -94.647", "Label22="};
    QTest::newRow("beam, end load, narrow and tall")
        << QStringList{"Edit15=10", "Edit16=30", "Button2"}
        << QStringList{"Label51=δx   =", "Edit19= 2.25e4", "Edit20= 2000", "Edit21= 1.33", "Edit22= 9.93e-3"};
    QTest::newRow("beam, both ends fixed, hollow rectangle")
        << QStringList{"RadioGroup1:4", "RadioGroup2:1", "Edit13=30", "Edit15=30",
                       "Edit16=40",     "Edit17=20",     "Edit18=10", "Button2"}
        << QStringList{"Label51=δx    =", "Edit19= 1.58e5", "Edit20= 8333", "Edit21= 1.05",
                       "Edit22= 1.31e-3"};
    QTest::newRow("beam, point load beyond x, solid circle")
        << QStringList{"RadioGroup1:2", "RadioGroup2:2", "Edit13=70", "Edit15=30", "Button2"}
        << QStringList{"Label51=δx    =", "Edit19= 3.98e4", "Edit20= 420", "Edit21= 0.16", "Edit22= 4.73e-4"};
    QTest::newRow("beam, cantilever uniform, hollow circle, x 0")
        << QStringList{"RadioGroup1:1", "RadioGroup2:3", "Edit13=0", "Edit15=40", "Edit17=30", "Button2"}
        << QStringList{"Label51=δmax =", "Edit19= 8.59e4", "Edit20= 100000", "Edit21= 23.28"};
    QTest::newRow("beam, shown I read back, typed Z, x L/2")
        << QStringList{"Button2", "RadioGroup1:3", "RadioGroup2:4", "Edit13=50", "Edit18=250", "Button2"}
        << QStringList{"Label51=δmax =", "Edit19= 1.33e4", "Edit20= 25000", "Edit21= 100", "Edit22= 9.32e-2"};
    QTest::newRow("bearing, defaults")
        << QStringList{"Button1"} << QStringList{"Label38= 1500.0", "Label28= 10666.7", "Label59= 444 日"};
    QTest::newRow("bearing, axial load counts")
        << QStringList{"Edit8=1000", "Edit9=6000", "Edit25=10000", "Edit10=1000", "Edit11=600", "Button1"}
        << QStringList{"Label38= 1454.0", "Label28= 5422.0", "Label59= 226 日"};
}

void TestWindow::presses()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QCOMPARE(run(steps), QStringList());
    expect(shown);
}

void TestWindow::refuses_data()
{
    QTest::addColumn<QStringList>("steps"); // the last one presses
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // the box handed the focus, if any
    QTest::newRow("Hertz, letters") << QStringList{"Edit2=abc", "Button3"}
                                    << "「縦弾性係数 E1」の「abc」は正しい数値ではありません。"
                                    << "Edit2";
    QTest::newRow("Hertz, empty box, named as designed")
        << QStringList{"Edit6=", "Button3"} << "「球半径 R1[mm]」が空欄です。数値を入力してください。"
        << "Edit6";
    QTest::newRow("Hertz, named as the roller renames it, bidi mark shown")
        << QStringList{"N5", "Edit7=\u202E40", "Button3"}
        << "「ﾛｰﾗ幅 B [mm]」の「⟨U+202E⟩40」は正しい数値ではありません。"
        << "Edit7";
    QTest::newRow("Hertz, zero modulus") << QStringList{"Edit3=0", "Button3"} << kFault << "";
    QTest::newRow("beam, disabled box says which section enables it")
        << QStringList{"Edit17=x", "Button2"}
        << "「b2」の「x」は正しい数値ではありません。この欄は断面で「中空長方形」か「中空円形」を選ぶと入力で"
           "きます。"
        << "";
    QTest::newRow("beam, disabled empty box in the typed section")
        << QStringList{"RadioGroup2:4", "Edit15=", "Button2"}
        << "「b1」が空欄です。数値を入力してください。この欄は断面で「長方形」「中空長方形」「円形」か「中空"
           "円形」を選"
           "ぶと入力できます。"
        << "";
    QTest::newRow("beam, too large") << QStringList{"Edit23=1e999", "Button2"}
                                     << "「E」の「1e999」は大きすぎて扱えません。"
                                     << "Edit23";
    QTest::newRow("beam, typed Z zero")
        << QStringList{"RadioGroup2:4", "Edit18=0", "Button2"} << kFault << "";
    QTest::newRow("bearing, last box empty")
        << QStringList{"Edit11= ", "Button1"} << "「アキシアル荷重 Fa」が空欄です。数値を入力してください。"
        << "Edit11";
    QTest::newRow("bearing, no load-factor row")
        << QStringList{"Edit9=-6000", "Button1"} << QString::fromUtf8(tavrel::kNoLoadFactorMessage) << "";
}

void TestWindow::refuses()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const QString button = steps.takeLast();
    find<QTabWidget>("PageControl1")->setCurrentWidget(find<QWidget>(button)->parentWidget());
    QCOMPARE(run(QStringList{button} + steps), QStringList());
    const QStringList before = textsOf(kResults[button]);
    find<QWidget>(button)->setFocus();
    QCOMPARE(run({button}), QStringList{message});
    QCOMPARE(textsOf(kResults[button]), before);
    if (focus.isEmpty()) {
        QCOMPARE(form()->focusWidget(), find<QWidget>(button));
    } else {
        QTRY_COMPARE(form()->focusWidget(), find<QWidget>(focus));
        QCOMPARE(find<QLineEdit>(focus)->selectedText(), textOf(focus));
    }
}

void TestWindow::selects_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("roller empties the results")
        << QStringList{"Button3", "N5"}
        << QStringList{"Label1=  円柱と平面  ",
                       "Label11=ﾛｰﾗ半径R1[mm] = ",
                       "Label12=ﾛｰﾗ幅  B [mm] = ",
                       "Label7=接触面半幅      b [mm] = ",
                       "Label16=注）δとτmaxはE1=E2               ν1=ν2=0.3の時計算可",
                       "Image5:shown",
                       "Image1:hidden",
                       "Label18#808080",
                       "Label13=",
                       "Label22=",
                       "Edit7=400"};
    QTest::newRow("sphere after roller") << QStringList{"N5", "Button3", "N1"}
                                         << QStringList{"Label11=球半径 R1[mm] = ",
                                                        "Label12=       R2[mm] = ",
                                                        "Label16=",
                                                        "Image1:shown",
                                                        "Image5:hidden",
                                                        "Label18#000000",
                                                        "Label14="};
    QTest::newRow("load case changes the unit only")
        << QStringList{"Button2", "RadioGroup1:1", "RadioGroup1:2"}
        << QStringList{"Label53=kg", "Edit20= 2000", "Label51=δx   ="};
    QTest::newRow("uniform load") << QStringList{"RadioGroup1:3"} << QStringList{"Label53=kg/mm"};
    QTest::newRow("solid circle") << QStringList{"RadioGroup2:2"}
                                  << QStringList{"Label44=d1 =", "Label46=d2 =", "Label47=h2 =", "Edit15:on",
                                                 "Edit16:off",   "Edit17:off",   "Edit18:off"};
    QTest::newRow("hollow circle") << QStringList{"RadioGroup2:3"}
                                   << QStringList{"Label45=h1 = ", "Edit15:on", "Edit16:off", "Edit17:on",
                                                  "Edit18:off"};
    QTest::newRow("typed after solid circle keeps the d captions")
        << QStringList{"RadioGroup2:2", "RadioGroup2:4"}
        << QStringList{"Label44=d1 =", "Label46=d2 =", "Label47=Z =", "Edit15:off", "Edit16:off",
                       "Edit17:off",   "Edit18:on",    "Edit19:on",   "Edit17=10"};
    QTest::newRow("hollow rectangle after typed")
        << QStringList{"RadioGroup2:4", "RadioGroup2:1"}
        << QStringList{"Label44=b1 =", "Label47=h2 =", "Edit15:on", "Edit16:on", "Edit17:on", "Edit18:on"};
    QTest::newRow("material fills all three modulus boxes, results stay")
        << QStringList{"Button3", "Edit2=1", "Edit23=2", "N27"}
        << QStringList{"Edit2=7000", "Edit3=7000", "Edit23=7000", "Label15= 124.898"};
    QTest::newRow("another material") << QStringList{"N24"} << QStringList{"Edit2=20400", "Edit23=20400"};
}

void TestWindow::selects()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QCOMPARE(run(steps), QStringList());
    expect(expected);
}

void TestWindow::followsKeyboardOrder_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Hertz") << "Edit1"
                           << QStringList{"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Button3"};
    QTest::newRow("beam") << "Edit12"
                          << QStringList{"Edit13", "Edit14", "Edit15",  "Edit16", "Edit19", "Edit20",
                                         "Edit21", "Edit22", "Button2", "Edit23", "Edit24"};
    QTest::newRow("bearing") << "Edit8" << QStringList{"Edit9", "Edit10", "Edit11", "Button1", "Edit25"};
}

void TestWindow::followsKeyboardOrder()
{
    QFETCH(QString, start);
    QFETCH(QStringList, order);
    QCOMPARE(tabStopsAfter(start, static_cast<int>(order.size())), order);
}

void TestWindow::pressesWithKeys_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Return on the Hertz button")
        << 0 << "Button3" << int(Qt::Key_Return) << "Label15= 124.898";
    QTest::newRow("keypad Enter on the beam button")
        << 1 << "Button2" << int(Qt::Key_Enter) << "Edit20= 2000";
    QTest::newRow("keypad Enter in a box") << 2 << "Edit25" << int(Qt::Key_Enter) << "Label28= 10666.7";
    QTest::newRow("Return in a box") << 0 << "Edit5" << int(Qt::Key_Return) << "Label13= 0.618";
}

void TestWindow::pressesWithKeys()
{
    QFETCH(int, tab);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, shown);
    find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
    QWidget *widget = find<QWidget>(focus);
    widget->setFocus();
    const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QCOMPARE(answeringErrorBoxes([&] { QTest::keyClick(widget, Qt::Key(key), modifier); }), QStringList());
    expect({shown});
}

void TestWindow::fitsEveryText_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("whole"); // shown whole, not cut with "…"
    QTest::newRow("Hertz, five-digit stress")
        << 0 << QStringList{"Edit1=1e6", "Button3"} << QStringList{"Label15", "Label20", "Label22"};
    QTest::newRow("Hertz, huge load") << 0 << QStringList{"Edit1=1e17", "Button3"} << QStringList{};
    QTest::newRow("Hertz, roller, tiny load")
        << 0 << QStringList{"N5", "Edit1=1e-300", "Button3"} << QStringList{"Label13", "Label20"};
    QTest::newRow("beam, 10 m cantilever, uniform load")
        << 1 << QStringList{"RadioGroup1:1", "Edit12=10000", "Edit13=0", "Edit14=1",
                            "Edit15=200",    "Edit16=200",   "Button2"}
        << QStringList{"Edit19", "Edit20", "Edit21", "Edit22"};
    QTest::newRow("beam, huge negative load") << 1 << QStringList{"Edit14=-1.7e300", "Edit12=1e-5", "Button2"}
                                              << QStringList{"Edit19", "Edit21", "Edit22"};
    QTest::newRow("bearing, long life") << 2 << QStringList{"Edit10=150", "Edit11=20", "Button1"}
                                        << QStringList{"Label38", "Label28", "Label59"};
    QTest::newRow("bearing, endless life")
        << 2 << QStringList{"Edit8=1", "Edit10=0.01", "Edit11=1e-4", "Button1"} << QStringList{"Label38"};
}

void TestWindow::fitsEveryText()
{
    QFETCH(int, tab);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, whole);
    auto *pages = find<QTabWidget>("PageControl1");
    pages->setCurrentIndex(tab);
    QCOMPARE(run(steps), QStringList());
    QCoreApplication::processEvents();
    QList<QWidget *> texts;
    for (QWidget *widget : pages->currentWidget()->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(widget);
        auto *box = qobject_cast<QLineEdit *>(widget);
        if (!widget->isVisible() || !(label || box || qobject_cast<QPushButton *>(widget)))
            continue;
        texts << widget;
        // A typed text scrolls in its box as in any edit box.
        if (box && !kResults[kButtons[tab]].contains(widget->objectName()))
            continue;
        const QString text = label ? label->text() : box ? box->text() : QString();
        const bool wraps = label && label->wordWrap();
        // A box draws its text inside a 1-pixel frame and 2-pixel margins.
        const qreal room = box ? widget->width() - 6 : widget->contentsRect().width();
        const bool fits = wraps ? QFontMetricsF(label->font())
                                          .boundingRect(label->contentsRect(), Qt::TextWordWrap, text)
                                          .height() <= label->height()
                                : textWidth(widget, text) <= room;
        const QByteArray where = widget->objectName().toUtf8() + " \"" + text.toUtf8() + '"';
        // Only a text that is not whole may be cut; its tooltip keeps it.
        QVERIFY2(fits ||
                     (!whole.contains(widget->objectName()) && widget->toolTip().startsWith(text.trimmed())),
                 where);
        const int stretch = widget->font().stretch();
        QVERIFY2(widget->font().pixelSize() >= 9 && (stretch == QFont::AnyStretch || stretch >= 70), where);
        if (box && whole.contains(widget->objectName()))
            QVERIFY2(box->cursorPosition() == 0, where);
    }
    // No two texts overlap; the days stand in the blanks of their frame.
    for (QWidget *a : texts) {
        for (QWidget *b : texts) {
            const QStringList pair{a->objectName(), b->objectName()};
            if (a < b && !(pair.contains("Label58") && pair.contains("Label59")))
                QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(pair.join(" overlaps ")));
        }
    }
    if (tab == 2) {
        auto *frame = find<QLabel>("Label58");
        const qreal close = frame->x() + textWidth(frame, frame->text().chopped(1));
        QVERIFY(find<QLabel>("Label59")->x() + textWidth(find<QLabel>("Label59"), textOf("Label59")) < close);
    }
}

void TestWindow::keepsDesignedColoursOnDarkDesktop()
{
    QPalette dark(QColor(230, 230, 230), QColor(45, 45, 45), QColor(70, 70, 70), QColor(20, 20, 20),
                  QColor(50, 50, 50), QColor(240, 240, 240), QColor(30, 30, 30));
    const QPalette original = QApplication::palette();
    QApplication::setPalette(dark);
    TForm1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QPushButton *>("Button3")->click();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const QPalette &p = widget->palette();
        QColor ink, ground;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().trimmed().isEmpty()) {
            ink = p.color(QPalette::WindowText);
            ground = label->autoFillBackground() ? p.color(QPalette::Window)
                                                 : label->parentWidget()->palette().color(QPalette::Window);
        } else if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            const auto group = box->isEnabled() ? QPalette::Active : QPalette::Disabled;
            ink = p.color(group, QPalette::Text);
            ground = p.color(group, QPalette::Base);
            if (!box->isEnabled())
                QVERIFY2(ground != p.color(QPalette::Active, QPalette::Base), "a disabled box looks enabled");
        } else if (qobject_cast<QPushButton *>(widget)) {
            ink = p.color(QPalette::ButtonText);
            ground = p.color(QPalette::Button);
        } else {
            continue;
        }
        QVERIFY2(contrast(ink, ground) >= 4.5, qPrintable(widget->objectName()));
    }
    QApplication::setPalette(original);
}

void TestWindow::speaksJapaneseInMenus()
{
    // A box's own edit menu, and the contact-kind menu, in the window's font.
    for (const QString &owner : {QStringLiteral("Edit1"), QStringLiteral("Image1")}) {
        QWidget *widget = find<QWidget>(owner);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &event);
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QStringList captions;
        for (QAction *action : menu->actions())
            captions << action->text();
        QVERIFY2(captions.join(' ').contains(owner == "Edit1" ? "元に戻す" : "球と凸球"),
                 qPrintable(captions.join(' ')));
        QCOMPARE(menu->font().family(), form()->font().family());
        QCOMPARE(menu->font().pixelSize(), 15);
        menu->close();
    }
}

void TestWindow::copiesTabAndGivesSiValues()
{
    QCOMPARE(run({"Edit3=7000", "Button3"}), QStringList());
    auto *box = find<QLineEdit>("Edit1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines.first(), QStringLiteral("球半径 R1[mm]\t40"));
    QVERIFY(lines.contains(QStringLiteral("E2 [kg/mm^2]\t7000")));
    QCOMPARE(lines.at(9), QStringLiteral("最大圧力 p_max [kg/mm2]\t%1").arg(textOf("Label15").trimmed()));

    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(find<QWidget>("Edit2"), &hover);
    QCOMPARE(find<QWidget>("Edit2")->toolTip(), QStringLiteral("21000\n= 205.94 GPa"));
    QVERIFY(find<QWidget>("Label15")->toolTip().endsWith(" MPa"));
}

void TestWindow::keepsPastesWhole()
{
    auto *box = find<QLineEdit>("Edit11");
    box->clear();
    box->setFocus();
    // 0.000...05e40001 is 5: cut short it would read as 0.
    const QString five = "0." + QString(40000, '0') + "5e40001";
    QGuiApplication::clipboard()->setText(five);
    QCOMPARE(answeringErrorBoxes([&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); }),
             QStringList());
    QCOMPARE(box->text(), five);
    QGuiApplication::clipboard()->setText(QString(100001, '1'));
    const QStringList refused =
        answeringErrorBoxes([&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); });
    QCOMPARE(refused.size(), 1);
    QCOMPARE(box->text(), five);
}

void TestWindow::opensOnScreen()
{
    const QRect free = form()->screen()->availableGeometry();
    const QRect designed(302, 122, 544, 469);
    const QRect frame(form()->pos(), designed.size());
    if (free.contains(designed))
        QCOMPARE(frame, designed);
    // Elsewhere each edge that can be on the screen is; a frame too large
    // for the screen starts at its top-left corner.
    QVERIFY(frame.left() >= free.left() && (frame.right() <= free.right() || frame.left() == free.left()));
    QVERIFY(frame.top() >= free.top() && (frame.bottom() <= free.bottom() || frame.top() == free.top()));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
