// The beam tab and the material menu offscreen, driven through the
// controls' object names.
#include "guitest.h"

#include "app/calc_error.h"

#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

namespace
{

QStringList results(QObject *form)
{
    return textsOf(form, {"Label51", "Edit19", "Edit20", "Edit21", "Edit22"});
}

void select(QObject *form, const char *group, int id)
{
    child<QButtonGroup>(form, group)->button(id)->click();
}

bool enabled(QObject *form, const char *box)
{
    return child<QLineEdit>(form, box)->isEnabled();
}

} // namespace

class TestBeamTab : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsAsDesigned();
    void followsTabOrder();
    void selectsLoadCase_data();
    void selectsLoadCase();
    void selectsSectionKind_data();
    void selectsSectionKind();
    void computes_data();
    void computes();
    void readsBackShownI();
    void refusesBadInput_data();
    void refusesBadInput();
    void returnPressesCompute();
    void fillsModulusFromMaterialMenu_data();
    void fillsModulusFromMaterialMenu();
    void offersMaterialMenuOnModulusBoxesOnly();

private:
    std::unique_ptr<TForm1> form_;
};

void TestBeamTab::init()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    child<QTabWidget>(form_.get(), "PageControl1")->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestBeamTab::cleanup()
{
    form_.reset();
}

void TestBeamTab::startsAsDesigned()
{
    const std::pair<const char *, const char *> rows[] = {
        {"Label55", "数値入力"}, {"Label57", "E  = "}, {"Label41", "L  = "},    {"Label52", "mm"},
        {"Label60", "L1 = "},    {"Label42", "x  = "}, {"Label43", "P  = "},    {"Label53", "kgf"},
        {"Label44", "b1 ="},     {"Label45", "h1 = "}, {"Label46", "b2 = "},    {"Label47", "h2 = "},
        {"Label48", "I   = "},   {"Label54", "mm^4"},  {"Label49", "Mmax  = "}, {"Label50", "σmax = "},
        {"Label51", "δmax = "},  {"Edit23", "21000"},  {"Edit12", "100"},       {"Edit24", "40"},
        {"Edit13", "20"},        {"Edit14", "20"},     {"Edit15", "20"},        {"Edit16", "20"},
        {"Edit17", "10"},        {"Edit18", "10"},     {"Edit19", "0"},         {"Edit20", ""},
        {"Edit21", ""},          {"Edit22", ""},
    };
    for (const auto &[name, text] : rows)
        QCOMPARE(textOf(form_.get(), name), QString::fromUtf8(text));
    QCOMPARE(child<QPushButton>(form_.get(), "Button2")->text(), QStringLiteral("計   算"));
    QVERIFY(!enabled(form_.get(), "Edit17"));
    QVERIFY(!enabled(form_.get(), "Edit18"));
    for (const char *group : {"RadioGroup1", "RadioGroup2"}) {
        auto *items = child<QButtonGroup>(form_.get(), group);
        QCOMPARE(items->buttons().size(), 5);
        QCOMPARE(items->checkedId(), 0);
        for (QAbstractButton *item : items->buttons())
            QVERIFY(item->text().isEmpty());
    }
}

void TestBeamTab::followsTabOrder()
{
    QCOMPARE(tabStopsAfter(form_.get(), "Edit12", 11),
             (QStringList{"Edit13", "Edit14", "Edit15", "Edit16", "Edit19", "Edit20", "Edit21", "Edit22",
                          "Button2", "Edit23", "Edit24"}));
}

void TestBeamTab::selectsLoadCase_data()
{
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QString>("unit");
    QTest::newRow("point load at the free end") << QList<int>{1, 0} << QStringLiteral("kg");
    QTest::newRow("uniform load, cantilever") << QList<int>{1} << QStringLiteral("kg/mm");
    QTest::newRow("point load between supports after uniform") << QList<int>{1, 2} << QStringLiteral("kg");
    QTest::newRow("uniform load, simply supported") << QList<int>{3} << QStringLiteral("kg/mm");
    QTest::newRow("uniform load, both ends fixed") << QList<int>{4} << QStringLiteral("kg/mm");
}

void TestBeamTab::selectsLoadCase()
{
    QFETCH(QList<int>, items);
    QFETCH(QString, unit);
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    const QStringList shown = results(form_.get());
    for (int item : items)
        select(form_.get(), "RadioGroup1", item);
    QCOMPARE(textOf(form_.get(), "Label53"), unit);
    // A selection computes nothing and clears nothing.
    QCOMPARE(results(form_.get()), shown);
}

void TestBeamTab::selectsSectionKind_data()
{
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QStringList>("captions"); // Label44, Label45, Label46, Label47
    QTest::addColumn<QList<bool>>("boxes");    // Edit15 to Edit18 enabled
    QTest::newRow("solid rectangle after hollow")
        << QList<int>{1, 0} << QStringList{"b1 =", "h1 = ", "b2 =", "h2 ="}
        << QList<bool>{true, true, false, false};
    QTest::newRow("hollow rectangle after typed")
        << QList<int>{4, 1} << QStringList{"b1 =", "h1 = ", "b2 =", "h2 ="}
        << QList<bool>{true, true, true, true};
    QTest::newRow("hollow circle") << QList<int>{3} << QStringList{"d1 =", "h1 = ", "d2 =", "h2 ="}
                                   << QList<bool>{true, false, true, false};
    QTest::newRow("typed after solid circle keeps d captions")
        << QList<int>{2, 4} << QStringList{"d1 =", "h1 = ", "d2 =", "Z ="}
        << QList<bool>{false, false, false, true};
    QTest::newRow("typed at start keeps designed captions")
        << QList<int>{4} << QStringList{"b1 =", "h1 = ", "b2 = ", "Z ="}
        << QList<bool>{false, false, false, true};
}

void TestBeamTab::selectsSectionKind()
{
    QFETCH(QList<int>, items);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, boxes);
    const QStringList boxTexts = textsOf(form_.get(), {"Edit15", "Edit16", "Edit17", "Edit18", "Edit19"});
    for (int item : items)
        select(form_.get(), "RadioGroup2", item);
    QCOMPARE(textsOf(form_.get(), {"Label44", "Label45", "Label46", "Label47"}), captions);
    QCOMPARE((QList<bool>{enabled(form_.get(), "Edit15"), enabled(form_.get(), "Edit16"),
                          enabled(form_.get(), "Edit17"), enabled(form_.get(), "Edit18")}),
             boxes);
    QVERIFY(enabled(form_.get(), "Edit19"));
    QCOMPARE(textsOf(form_.get(), {"Edit15", "Edit16", "Edit17", "Edit18", "Edit19"}), boxTexts);
}

void TestBeamTab::computes_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<int>("sectionKind");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QStringList>("shown"); // Label51, Edit19 .. Edit22
    QTest::newRow("defaults") << 0 << 0 << "20"
                              << QStringList{"δx   =", " 1.33e4", " 2000", " 1.5", " 1.68e-2"};
    QTest::newRow("end load, x 0") << 0 << 0 << "0"
                                   << QStringList{"δmax =", " 1.33e4", " 2000", " 1.5", " 2.38e-2"};
    QTest::newRow("point load, x L/2 beyond L1")
        << 2 << 0 << "50" << QStringList{"δmax =", " 1.33e4", " 500", " 0.38", " 1.41e-3"};
    QTest::newRow("simply supported uniform, x 0")
        << 3 << 0 << "0" << QStringList{"δx    =", " 1.33e4", " 25000", " 18.75", " 0e0"};
    QTest::newRow("solid circle") << 0 << 2 << "20"
                                  << QStringList{"δx   =", " 7.85e3", " 2000", " 2.55", " 2.85e-2"};
    QTest::newRow("hollow circle") << 0 << 3 << "20"
                                   << QStringList{"δx   =", " 7.36e3", " 2000", " 2.72", " 3.04e-2"};
}

void TestBeamTab::computes()
{
    QFETCH(int, loadCase);
    QFETCH(int, sectionKind);
    QFETCH(QString, x);
    QFETCH(QStringList, shown);
    select(form_.get(), "RadioGroup1", loadCase);
    select(form_.get(), "RadioGroup2", sectionKind);
    child<QLineEdit>(form_.get(), "Edit13")->setText(x);
    QCOMPARE(press(form_.get(), "Button2"), QStringList());
    QCOMPARE(results(form_.get()), shown);
    QCOMPARE(textOf(form_.get(), "Edit24"), QStringLiteral("40"));
}

void TestBeamTab::readsBackShownI()
{
    // The shown I, 1.33e4, is what the typed-in section kind then uses.
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    select(form_.get(), "RadioGroup2", 4);
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    // sigma = 2000 / Z with Z = 10 from Edit18; delta with I = 13300.
    QCOMPARE(results(form_.get()), (QStringList{"δx   =", " 1.33e4", " 2000", " 200", " 1.68e-2"}));
    child<QLineEdit>(form_.get(), "Edit19")->setText(QStringLiteral("5000"));
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    QCOMPARE(textOf(form_.get(), "Edit19"), QStringLiteral(" 5e3"));
}

void TestBeamTab::refusesBadInput_data()
{
    QTest::addColumn<int>("sectionKind");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString fault = QString::fromUtf8(tavrel::kFloatFaultMessage);
    QTest::newRow("E letters") << 0 << QByteArray("Edit23") << "abc"
                               << "「abc」は正しい数値ではありません。";
    QTest::newRow("disabled b2 still read") << 0 << QByteArray("Edit17") << "x"
                                            << "「x」は正しい数値ではありません。";
    QTest::newRow("disabled b1 in typed kind") << 4 << QByteArray("Edit15") << ""
                                               << "「」は正しい数値ではありません。";
    QTest::newRow("I empty, the last box read") << 0 << QByteArray("Edit19") << ""
                                                << "「」は正しい数値ではありません。";
    QTest::newRow("E zero") << 0 << QByteArray("Edit23") << "0" << fault;
    QTest::newRow("L zero") << 0 << QByteArray("Edit12") << "0" << fault;
    QTest::newRow("typed Z zero") << 4 << QByteArray("Edit18") << "0" << fault;
    QTest::newRow("hollow rectangle h1 zero") << 1 << QByteArray("Edit16") << "0" << fault;
}

void TestBeamTab::refusesBadInput()
{
    QFETCH(int, sectionKind);
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    // A first press leaves results and the caption "δx   =" to protect.
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    select(form_.get(), "RadioGroup2", sectionKind);
    child<QLineEdit>(form_.get(), "Edit13")->setText(QStringLiteral("0"));
    child<QLineEdit>(form_.get(), box.constData())->setText(text);
    const QStringList before = results(form_.get());
    QCOMPARE(press(form_.get(), "Button2"), QStringList{message});
    QCOMPARE(results(form_.get()), before);
}

void TestBeamTab::returnPressesCompute()
{
    auto *box = child<QLineEdit>(form_.get(), "Edit24");
    box->setFocus();
    QVERIFY(answeringErrorBoxes([&] { QTest::keyClick(box, Qt::Key_Return); }).isEmpty());
    QCOMPARE(textOf(form_.get(), "Edit20"), QStringLiteral(" 2000"));
}

void TestBeamTab::fillsModulusFromMaterialMenu_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("modulus");
    QTest::newRow("steel") << QByteArray("N21") << "鋼"
                           << "21000";
    QTest::newRow("SS400") << QByteArray("N22") << "SS400"
                           << "20200";
    QTest::newRow("SUS304") << QByteArray("N23") << "SUS304"
                            << "19700";
    QTest::newRow("SUS420J2") << QByteArray("N24") << "SUS420J2"
                              << "20400";
    QTest::newRow("FC30") << QByteArray("N25") << "FC30"
                          << "13000";
    QTest::newRow("FCD45") << QByteArray("N26") << "FCD45"
                           << "17000";
    QTest::newRow("aluminium") << QByteArray("N27") << "アルミ"
                               << "7000";
}

void TestBeamTab::fillsModulusFromMaterialMenu()
{
    QFETCH(QByteArray, item);
    QFETCH(QString, caption);
    QFETCH(QString, modulus);
    auto *menu = child<QMenu>(form_.get(), "PopupMenu2");
    auto *action = child<QAction>(form_.get(), item.constData());
    QCOMPARE(action->text(), caption);
    QCOMPARE(menu->actions().indexOf(action), item.mid(1).toInt() - 21);
    // Results on both tabs stay as they were until the next press.
    QVERIFY(press(form_.get(), "Button2").isEmpty());
    QVERIFY(press(form_.get(), "Button3").isEmpty());
    for (const char *box : {"Edit2", "Edit3", "Edit23"})
        child<QLineEdit>(form_.get(), box)->setText(QStringLiteral("1"));
    const QStringList shown = results(form_.get()) + textsOf(form_.get(), {"Label13", "Label15"});
    action->trigger();
    QCOMPARE(textsOf(form_.get(), {"Edit2", "Edit3", "Edit23"}), QStringList(3, modulus));
    QCOMPARE(results(form_.get()) + textsOf(form_.get(), {"Label13", "Label15"}), shown);
}

void TestBeamTab::offersMaterialMenuOnModulusBoxesOnly()
{
    auto *menu = child<QMenu>(form_.get(), "PopupMenu2");
    for (const char *box : {"Edit2", "Edit3", "Edit23", "Edit12", "Edit1"}) {
        auto *edit = child<QLineEdit>(form_.get(), box);
        child<QTabWidget>(form_.get(), "PageControl1")->setCurrentWidget(edit->parentWidget());
        const bool modulusBox = QByteArray(box) != "Edit12" && QByteArray(box) != "Edit1";
        QCOMPARE(edit->contextMenuPolicy() == Qt::CustomContextMenu, modulusBox);
        if (!modulusBox)
            continue;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &event);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
}

QTEST_MAIN(TestBeamTab)
#include "tst_beam_tab.moc"
