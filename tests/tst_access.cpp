// What a screen reader asks of the window, in process through the
// accessibility interfaces: the text of a box at any offset, without
// looping, and attribute runs that cover the whole value.
#include "guitest.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "hertz/hertz_tab.h"

namespace
{

enum class Query { At, Before, After, Attributes };

// Every field of a calculator's table is bound once, with a caption, to a
// control of its kind: a box that takes typing, or a field that shows.
template <typename Id, std::size_t N>
void checkBindings(const tavrel::CalculatorTab &tab, const tavrel::FieldControls<Id> &bound,
                   const std::array<tavrel::FieldSpec<Id>, N> &table)
{
    QSet<const QWidget *> controls, captions;
    for (const tavrel::FieldSpec<Id> &field : table) {
        const QWidget *control = bound.control(field.id);
        QVERIFY(control && bound.caption(field.id));
        controls << control;
        captions << bound.caption(field.id);
        const auto *box = qobject_cast<const QLineEdit *>(control);
        QCOMPARE(box && !box->isReadOnly(), field.role != tavrel::FieldRole::Result);
    }
    QCOMPARE(controls.size(), qsizetype(N));
    QCOMPARE(captions.size(), qsizetype(N));
    QCOMPARE(tab.fields().size(), qsizetype(N));
}

} // namespace

class TestAccess : public GuiTest
{
    Q_OBJECT

private slots:
    void readsBoxText_data();
    void readsBoxText();
    void namesControls_data();
    void namesControls();
    void marksTheChoice_data();
    void marksTheChoice();
    void keepsTheFocus();
    void bindsEveryField();
    void readsTheDiagram_data();
    void readsTheDiagram();
};

void TestAccess::readsBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<Query>("query");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    const int c = QAccessible::CharBoundary, w = QAccessible::WordBoundary;
    const int s = QAccessible::SentenceBoundary, l = QAccessible::LineBoundary;
    QTest::newRow("word at the end") << "100" << 3 << Query::At << w << "100" << 0 << 3;
    QTest::newRow("last word, at -1") << "1 23" << -1 << Query::At << w << "23" << 2 << 4;
    QTest::newRow("word in an empty box") << "" << 0 << Query::At << w << "" << 0 << 0;
    QTest::newRow("word of a decimal") << "0.3" << 1 << Query::At << w << "0.3" << 0 << 3;
    QTest::newRow("word before the end") << "1 23" << 4 << Query::Before << w << "23" << 2 << 4;
    QTest::newRow("nothing after the last word") << "1 23" << 2 << Query::After << w << "" << 4 << 4;
    QTest::newRow("a character") << "100" << 1 << Query::At << c << "0" << 1 << 2;
    QTest::newRow("no character at the end") << "100" << 3 << Query::At << c << "" << 3 << 3;
    QTest::newRow("line at the end") << "0.3" << 3 << Query::At << l << "0.3" << 0 << 3;
    QTest::newRow("sentence at the end") << "1e-5" << 4 << Query::At << s << "1e-5" << 0 << 4;
    QTest::newRow("attributes cover the value") << "100" << 3 << Query::Attributes << 0 << "" << 0 << 3;
    QTest::newRow("attributes of an empty box") << "" << 0 << Query::Attributes << 0 << "" << 0 << 0;
}

// A query that loops fails by the test's timeout.
void TestAccess::readsBoxText()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(Query, query);
    QFETCH(int, boundary);
    run({"Edit1=" + text});
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(find<QLineEdit>("Edit1"));
    QAccessibleTextInterface *box = read->textInterface();
    QVERIFY(box && read->editableTextInterface() && !read->valueInterface());
    QCOMPARE(box->text(0, box->characterCount()), text);
    const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
    int start = -9, end = -9;
    QString answer;
    switch (query) {
    case Query::At:
        answer = box->textAtOffset(offset, type, &start, &end);
        break;
    case Query::Before:
        answer = box->textBeforeOffset(offset, type, &start, &end);
        break;
    case Query::After:
        answer = box->textAfterOffset(offset, type, &start, &end);
        break;
    case Query::Attributes:
        answer = box->attributes(offset, &start, &end);
        break;
    }
    QTEST(answer, "expected");
    QTEST(start, "start");
    QTEST(end, "end");
}

void TestAccess::namesControls_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("text");
    QTest::addColumn<QString>("expected");

    const int name = QAccessible::Name, description = QAccessible::Description;
    QTest::newRow("a box: words without blanks, its unit")
        << QStringList{} << "Edit1" << name << "荷重 P [kgf]";
    QTest::newRow("its caption, which a screen reader reads")
        << QStringList{} << "Label2" << name << "荷重 P [kgf]";
    QTest::newRow("a box of a pure number, and its body")
        << QStringList{} << "Edit4" << name << "物体 1 のポアソン比 ν1";
    QTest::newRow("a box of the other body")
        << QStringList{} << "Edit3" << name << "物体 2 の縦弾性係数 E2 [kgf/mm²]";
    QTest::newRow("what the picture shows of x") << QStringList{"RadioGroup1:4"} << "Edit13" << description
                                                 << "たわみを求める位置。右の固定端から左へ測ります";
    QTest::newRow("a load per length")
        << QStringList{"RadioGroup1:1"} << "Edit14" << name << "等分布荷重 P [kgf/mm]";
    QTest::newRow("the compute button") << QStringList{} << "Button3" << name << "計算";
    QTest::newRow("a result before a press")
        << QStringList{} << "Label21" << name << "最大引張応力 σr_max 未計算";
    QTest::newRow("a result that does not apply")
        << QStringList{"N5"} << "Label21" << name << "最大引張応力 σr_max この条件では計算しません";
    QTest::newRow("a result of a kind, not of its inputs")
        << QStringList{"N5", "Edit4=0.25", "Edit1<Return"} << "Label14" << name
        << "接近量 δ この条件では計算しません";
    QTest::newRow("the roller's note on the results it governs")
        << QStringList{"N5", "Edit4=0.25", "Edit1<Return"} << "Label14" << description
        << "注）δとτmaxはE1=E2、ν1=ν2=0.3の時計算可";
    QTest::newRow("the results after a press")
        << QStringList{"Edit1<Return"} << "Button3" << description
        << "接触円半径 a 0.618 mm、接近量 δ 0.011 mm、最大圧力 p_max 124.898 kgf/mm²、最大圧縮応力 σz_max "
           "124.898 kgf/mm²、最大引張応力 σr_max 16.653 kgf/mm²、最大せん断応力 τ_max 38.718 kgf/mm²";
    QTest::newRow("the results after an edit")
        << QStringList{"Edit1<Return", "Edit1=5"} << "Button3" << description
        << "入力が変更されています。押すと結果が更新されます。";
    QTest::newRow("no results after a new kind")
        << QStringList{"Edit1<Return", "N5"} << "Button3" << description << "";
    QTest::newRow("a refused box says why") << QStringList{"Edit1=x", "Button3"} << "Edit1" << description
                                            << "「荷 重 P[kg]」の「x」は正しい数値ではありません。";
    QTest::newRow("until it changes")
        << QStringList{"Edit1=x", "Button3", "Edit1=5"} << "Edit1" << description << "";
    QTest::newRow("a menu item not offered says why")
        << QStringList{} << "N9" << description
        << "ここでは保存できません。計算ボタンを押したあと、図のウィンドウ（Ctrl+"
           "G）の「ファイル」メニューで計算書を保存"
           "できます。";
    QTest::newRow("an image to save after a press")
        << QStringList{"Edit1<Ctrl+G"} << "SaveImage" << description
        << "計算ボタンを押すと図が表示され、保存できます。";
    QTest::newRow("an item offered needs no reason")
        << QStringList{"Edit1<Return", "Edit1<Ctrl+G"} << "SaveImage" << description << "";
}

void TestAccess::namesControls()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, control);
    QFETCH(int, text);
    run(steps);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(find<QObject>(control));
    QTEST(read->text(static_cast<QAccessible::Text>(text)), "expected");
}

// A menu marks the current choice, and opens on it.
void TestAccess::marksTheChoice_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("checked");

    QTest::newRow("the first kind") << QStringList{"Image1^"} << "PopupMenu1"
                                    << "N1";
    QTest::newRow("a kind chosen") << QStringList{"N5", "Image5^"} << "PopupMenu1"
                                   << "N5";
    QTest::newRow("the material of the box") << QStringList{"Edit3=2.02e4", "Edit3^"} << "PopupMenu2"
                                             << "N22";
    QTest::newRow("no material") << QStringList{"Edit2=21001", "Edit2^"} << "PopupMenu2"
                                 << "";
}

void TestAccess::marksTheChoice()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, menu);
    QFETCH(QString, checked);
    run(steps);
    auto *popup = find<QMenu>(menu);
    QStringList marked;
    for (const QAction *action : popup->actions()) {
        if (action->isChecked())
            marked << action->objectName();
    }
    QCOMPARE(marked.join(','), checked);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->activeAction() ? popup->activeAction()->objectName() : QString(), checked);
    // The item opened on is read as focused and checked, and can be pressed.
    if (QAction *current = popup->activeAction()) {
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(current);
        QVERIFY(item->state().focused && item->state().checked && item->actionInterface());
    }
    popup->close();
}

// Without a screen reader listening, a press leaves the focus where it was.
void TestAccess::keepsTheFocus()
{
    run({"Edit1<Return"});
    QVERIFY(find<QLineEdit>("Edit1")->hasFocus());
}

void TestAccess::bindsEveryField()
{
    const auto *hertz = find<tavrel::HertzTab>("TabSheet1");
    checkBindings(*hertz, hertz->bound(), tavrel::kHertzFields);
    const auto *beam = find<tavrel::BeamTab>("TabSheet2");
    checkBindings(*beam, beam->bound(), tavrel::kBeamFields);
    const auto *bearing = find<tavrel::BearingTab>("TabSheet3");
    checkBindings(*bearing, bearing->bound(), tavrel::kBearingFields);
}

// The diagram window is a window that opens on its values, the shear's
// too, or on why there are none.
void TestAccess::readsTheDiagram_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("heard");

    QTest::newRow("before a press") << QStringList{"Edit12<Ctrl+G"} << "DiagramMessage"
                                    << "計算ボタンを押すと図が表示されます";
    QTest::newRow("after a press") << QStringList{"Edit12<Return", "Edit12<Ctrl+G"} << "DiagramValues"
                                   << "。最大せん断力 Vmax = 20 kgf（";
}

void TestAccess::readsTheDiagram()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, focus);
    QFETCH(QString, heard);
    form()->show();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    run(steps);
    auto *window = find<QWidget>("DiagramWindow");
    QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    QCOMPARE(window->focusWidget(), find<QWidget>(focus));
    const QString name =
        QAccessible::queryAccessibleInterface(window->focusWidget())->text(QAccessible::Name);
    QVERIFY2(name.contains(heard), qPrintable(name));
    window->close();
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
