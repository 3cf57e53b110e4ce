// The whole window offscreen, driven through the controls' object names:
// presses, refusals, selections, keys, copying, the fit of every text, the
// colours on a dark desktop, the menus, where the window opens, and a long
// run of random use.
#include "guitest.h"

#include "core/bearing/bearing_calc.h"
#include "core/calc_error.h"
#include "core/num/numtext.h"
#include "ui/palette.h"

#include <random>

namespace
{

// The beam's boxes that show results; other boxes scroll a typed text.
const QStringList kResultBoxes = {"Edit19", "Edit20", "Edit21", "Edit22"};

// The contrast ratio of two colours, from their relative luminances.
double contrast(const QColor &a, const QColor &b)
{
    const auto f = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const auto l = [&f](const QColor &c) {
        return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF());
    };
    return (std::max(l(a), l(b)) + 0.05) / (std::min(l(a), l(b)) + 0.05);
}

} // namespace

class TestWindow : public GuiTest
{
    Q_OBJECT

private slots:
    void behaves_data();
    void behaves();
    void marksStaleResults_data();
    void marksStaleResults();
    void fitsEveryText_data();
    void fitsEveryText();
    void keepsDesignedColoursOnDarkDesktop();
    void ringsTheFocus_data();
    void ringsTheFocus();
    void exposesNamedControlsOnly();
    void keepsPastesWhole();
    void opensAsDesigned();
    void staysConsistentUnderRandomUse();
    void driverNamesWhatItDrives_data();
    void driverNamesWhatItDrives();
    void driverShowsEachTab();
};

void TestWindow::behaves_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages"); // of the error boxes
    // "Name=text", "Name:on"/":off" (enabled), ":shown"/":hidden", ":focus",
    // "Name#rrggbb" (font colour), "Name?text" (tooltip holds the text),
    // "Name>A B C" (Tab pressed from Name reaches A, B, C), "clipboard=text"
    // ("?text": holds it),
    // "menu?text" (the open menu offers text, in the window's font; it is
    // chosen), "Name:selected" (a field's whole text is selected),
    // "Name:readonly"/":editable", "Name@text"/"Name~text" (a screen
    // reader's name or description).
    QTest::addColumn<QStringList>("expected");
    // Steps, expectations and messages are separated by "|".
    const auto row = [](const char *name, const char *steps, const QString &expected, QString messages = {}) {
        QTest::newRow(name) << QString(steps).split('|', Qt::SkipEmptyParts)
                            << messages.split('|', Qt::SkipEmptyParts)
                            << expected.split('|', Qt::SkipEmptyParts);
    };
    const QString fault = QString::fromUtf8(tavrel::kFloatFaultMessage);
    // clang-format off
    // Presses. Unequal values in every box pin which box feeds which input.
    row("sphere, unequal materials", "Edit3=7000|Edit5=0.25|Button3", "Label13= 0.785|Label14= 0.017|Label15= 77.514|Label20= 77.514|Label21= 10.335|Label22= 24.029");
    row("roller, same material typed in other forms", "N5|Edit6= 4e1 |Edit7=10|Edit1=1000|Edit4=0.30|Edit5=3e-1|Button3", "Label13= 0.664|Label14= 0.016|Label15= 95.823|Label20= -95.823|Label21=|Label22= 28.843");
    row("roller, materials differ: no approach, no shear", "N5|Button3|Edit7=10|Edit1=1000|Edit3=20000|Button3", "Label13= 0.673|Label14=|Label15= 94.647|Label20= -94.647|Label22=");
    row("beam, defaults", "Button2", "Label51=δx   =|Edit19= 1.33e4|Edit20= 2000|Edit21= 1.5|Edit22= 1.68e-2|Edit24=40");
    row("beam, point load beyond L1, hollow rectangle", "RadioGroup1:2|RadioGroup2:1|Edit23=20000|Edit12=120|Edit24=30|Edit13=50|Edit14=15|Edit15=30|Edit16=40|Edit17=20|Edit18=10|Button2", "Label51=δmax =|Edit19= 1.58e5|Edit20= 338|Edit21= 0.04|Edit22= 1.19e-4");
    row("beam, load beyond the span refused", "RadioGroup1:2|Button2|Edit24=100.5|Button2", "Edit24:focus|Edit20= 480|Edit24=100.5", "「L1」は 0 以上「L」以下の値にしてください。荷重の位置がはりの外にあります。");
    row("beam, load before the span refused", "RadioGroup1:2|Edit24=-0.01|Button2", "Edit24:focus|Edit20=|Label51=δmax = ", "「L1」は 0 以上「L」以下の値にしてください。荷重の位置がはりの外にあります。");
    row("beam, load on a support", "RadioGroup1:2|Edit24=100|Button2", "Edit20= 0|Edit22= 0e0|Label51=δmax =");
    row("beam, L1 unused by a cantilever", "Edit24=-5|Button2", "Edit20= 2000");
    row("beam, shown I read back, Z typed, x at mid-span", "Button2|RadioGroup1:3|RadioGroup2:4|Edit13=50|Edit18=250|Button2", "Label51=δmax =|Edit19= 1.33e4|Edit20= 25000|Edit21= 100|Edit22= 9.32e-2");
    row("bearing, axial load counts", "Edit8=1000|Edit9=6000|Edit25=10000|Edit10=1000|Edit11=600|Button1", "Label38= 1454.0|Label28= 5422.0|Label59= 226 日");
    // Refusals name the box, change no result, and hand the box the focus.
    row("Hertz, letters", "Button3|Edit2=abc|Button3<Space", "Label15= 124.898|Edit2:focus", "「縦弾性係数 E1」の「abc」は正しい数値ではありません。");
    row("Hertz, empty box named as designed", "Edit6=|Button3", "Label13=|Edit6:focus", "「球半径 R1[mm]」が空欄です。数値を入力してください。");
    row("Hertz, named as the roller renames it, bidi mark shown", "N5|Edit7=\u202E40|Button3", "", "「ﾛｰﾗ幅 B [mm]」の「⟨U+202E⟩40」は正しい数値ではありません。");
    row("Hertz, full-width digits typed", "Edit1=１０|Button3", "Edit1:focus", "「荷 重 P[kg]」の「１０」は正しい数値ではありません。全角の文字が含まれています。半角で入力してください。");
    row("a spreadsheet cell pasted", "clipboard=\t500\r\n|Edit10=|Edit10<Ctrl+V|Button1", "Edit10=500|Label38= 664.0");
    row("two cells refused whole", "clipboard=500\t200\r\n|Edit10<Ctrl+V", "Edit10=1500", "1 つの欄に入る値は 1 つだけです。貼り付けようとした文字列はタブか改行で区切られた複数の値を含むため、貼り付けませんでした。");
    row("a full-width number pasted from the menu", "clipboard=\u3000１２．５\n|Edit6=|Edit6^", "menu?貼り付け|Edit6=12.5");
    row("a minus from a Japanese document pasted", "clipboard=\u00A0\u221220\u2028|Edit14=|Edit14<Ctrl+V|Button2", "Edit14=-20|Edit20= -2000");
    row("a line separator inside a paste parts two cells", "clipboard=500\u2028200|Edit10<Ctrl+V", "Edit10=1500", "1 つの欄に入る値は 1 つだけです。貼り付けようとした文字列はタブか改行で区切られた複数の値を含むため、貼り付けませんでした。");
    row("Hertz, zero modulus", "Button3|Edit3=0|Button3<Space", "Label15= 124.898|Edit3:focus", "「E2」は 0 より大きい値にしてください。");
    row("Hertz, an overflow", "Button3|Edit1=1e308|Button3<Space", "Label15= 124.898|Button3:focus", fault);
    // Contacts that cannot be, refused by name at their boundaries.
    const QString poisson = "は -1 より大きく 0.5 以下の値にしてください。ポアソン比がこの範囲の外にある材料はありません。";
    row("Hertz, ν1 just above 0.5", "Button3|Edit4=0.5001|Button3", "Label21= 16.653|Edit4:focus", "「ポアソン比 ν1」" + poisson);
    row("Hertz, ν1 at 0.5 accepted", "Edit4=0.5|Button3", "Label21= 0.000|Label15= 132.800");
    row("Hertz, both ν 0.7: the first named", "Edit4=0.7|Edit5=0.7|Button3", "Edit4:focus|Label21=", "「ポアソン比 ν1」" + poisson);
    row("Hertz, ν2 at -1", "Edit5=-1|Button3", "Edit5:focus", "「ν2」" + poisson);
    const QString seat = "「R2[mm]」が負（凹面）のときは、その絶対値を「球半径 R1[mm]」より大きくしてください。凹面が球より小さいと、球は凹面の内側に接触できません。";
    row("Hertz, a seat smaller than the ball", "Edit6=10|Edit7=-8|Button3", "Edit7:focus|Label13=", seat);
    row("Hertz, a seat as large as the ball", "Edit7=-40|Button3", "Edit7:focus", seat);
    row("Hertz, a seat just larger accepted", "Edit7=-40.0001|Button3", "Label13= 47.027");
    row("Hertz, R2 zero", "Edit7=0|Button3", "Edit7:focus", "「R2[mm]」は 0 以外の値にしてください。凸球の半径は正の値、凹面（球面座）の半径は負の値で入力します。");
    row("Hertz, R1, P and B not above 0", "Edit6=-40|Button3|Edit6=40|Edit1=0|Button3|Edit1=100|N5|Edit7=0|Button3", "Edit7:focus|Label13=",
        "「球半径 R1[mm]」は 0 より大きい値にしてください。|「荷 重 P[kg]」は 0 より大きい値にしてください。|「ﾛｰﾗ幅 B [mm]」は 0 より大きい値にしてください。");
    row("beam, disabled box says which section enables it", "Edit17=x|Button2<Space", "Button2:focus", "「b2」の「x」は正しい数値ではありません。この欄は断面で「中空長方形」か「中空円形」を選ぶと入力できます。");
    row("beam, disabled empty box", "RadioGroup2:4|Edit15=|Button2", "", "「b1」が空欄です。数値を入力してください。この欄は断面で「中実長方形」「中空長方形」「中実円形」か「中空円形」を選ぶと入力できます。");
    row("beam, too large", "Edit23=1e999|Button2", "Edit23:focus", "「E」の「1e999」は大きすぎて扱えません。");
    row("beam, typed Z zero", "Button2|RadioGroup2:4|Edit18=0|Button2", "Edit20= 2000|Label51=δx   =|Edit18:focus", "「Z」は 0 より大きい値にしてください。");
    row("beam, typed I zero", "RadioGroup2:4|Button2", "Edit19:focus", "「I」は 0 より大きい値にしてください。");
    row("beam, E, L and x refused", "Edit23=0|Button2|Edit23=1|Edit12=-1|Button2|Edit12=100|Edit13=100.5|Button2", "Edit13:focus|Edit20=",
        "「E」は 0 より大きい値にしてください。|「L」は 0 より大きい値にしてください。|「x」は 0 以上「L」以下の値にしてください。たわみを求める位置がはりの外にあります。");
    row("beam, sections that are none", "RadioGroup2:1|Edit17=20|Button2|Edit17=0|Edit18=20|Button2|RadioGroup2:3|Edit17=20|Button2|RadioGroup2:0|Edit16=-20|Button2",
        "Edit15:focus", "「b2」は 0 以上で「b1」より小さい値にしてください。中空断面の内側の寸法は外側より小さくなければなりません。|"
        "「h2」は 0 以上で「h1」より小さい値にしてください。中空断面の内側の寸法は外側より小さくなければなりません。|"
        "「d2」は 0 以上で「d1」より小さい値にしてください。中空断面の内側の寸法は外側より小さくなければなりません。|"
        "「b1」「h1」の値では断面二次モーメント I か断面係数 Z が 0 以下になり、断面になりません。");
    row("bearing, last box blank", "Button1|Edit11= |Button1", "Label28= 10666.7|Edit11:focus", "「アキシアル荷重 Fa」が空欄です。数値を入力してください。");
    row("bearing, impossible inputs", "Edit8=0|Button1|Edit8=1|Edit9=-1|Button1|Edit9=1|Edit25=0|Button1|Edit25=1|Edit10=-300|Button1|Edit10=1|Edit11=-1|Button1",
        "Label38=      |Edit11:focus", "「回 転 数 n」は 0 より大きい値にしてください。|「静定格荷重 Cor」は 0 より大きい値にしてください。|"
        "「動定格荷重 Cr」は 0 より大きい値にしてください。|「ラジアル荷重 Fr」は 0 以上の値にしてください。|「アキシアル荷重 Fa」は 0 以上の値にしてください。");
    row("bearing, a purely axial load, then none", "Edit10=0|Button1|Edit11=0|Button1", "Label38= 384.0|Edit10:focus",
        "「ラジアル荷重 Fr」と「アキシアル荷重 Fa」がどちらも 0 です。荷重のかからない軸受の寿命は求められません。");
    // Selections.
    row("roller empties the results, keeps the boxes", "Button3|N5", "Label1=  円柱と平面  |Label11=ﾛｰﾗ半径R1[mm] = |Label12=ﾛｰﾗ幅  B [mm] = |Label7=接触面半幅      b [mm] = |Label16=注）δとτmaxはE1=E2               ν1=ν2=0.3の時計算可|Image5:shown|Image1:hidden|Label18#808080|Label13=|Label22=|Edit7=400|Image5?右クリックで接触の種類を選べます。");
    row("sphere after roller", "N5|Button3|N1", "Label11=球半径 R1[mm] = |Label12=       R2[mm] = |Label16=|Image1:shown|Image5:hidden|Label18#000000|Label14=");
    row("load case changes only the unit", "Button2|RadioGroup1:1|RadioGroup1:2", "Label53=kg|Edit20= 2000|Label51=δx   =|Edit14?= 196.133 N");
    row("uniform load", "RadioGroup1:3", "Label53=kg/mm");
    row("the first items again", "RadioGroup1:1|RadioGroup2:3|RadioGroup1:0|RadioGroup2:0", "Label53=kg|Label44=b1 =|Edit16:on|Edit17:off");
    row("solid circle", "RadioGroup2:2", "Label44=d1 =|Label46=d2 =|Label47=h2 =|Edit15:on|Edit16:off|Edit17:off|Edit18:off");
    row("hollow circle", "RadioGroup2:3", "Label45=h1 = |Edit15:on|Edit16:off|Edit17:on|Edit18:off");
    row("typed after solid circle keeps the d captions", "RadioGroup2:2|RadioGroup2:4", "Label44=d1 =|Label46=d2 =|Label47=Z =|Edit15:off|Edit16:off|Edit17:off|Edit18:on|Edit19:on|Edit17=10");
    row("hollow rectangle after typed", "RadioGroup2:4|RadioGroup2:1", "Label44=b1 =|Label47=h2 =|Edit15:on|Edit16:on|Edit17:on|Edit18:on");
    row("a material fills all three modulus boxes, results stay", "Button3|Edit2=1|Edit23=2|N27", "Edit2=7000|Edit3=7000|Edit23=7000|Label15= 124.898");
    row("another material", "N24", "Edit2=20400|Edit23=20400");
    // Keys, copying and tooltips.
    row("Return on a focused button", "Button3<Return", "Label15= 124.898");
    row("keypad Enter in a box", "Edit25<Enter", "Label28= 10666.7");
    row("Return in the I box of the beam", "Edit19<Return", "Edit20= 2000");
    const QString stale = "入力が変更されています。計算を押すと更新されます。";
    row("the tab copied as text", "Button1|Edit9<Ctrl+Shift+C", "clipboard=回 転 数 n\t100\tr/min\n静定格荷重 Cor\t6000\tkgf\n動定格荷重 Cr\t6000\tkgf\nラジアル荷重 Fr\t1500\tkgf\nアキシアル荷重 Fa\t200\tkgf\n動等価荷重 P\t1500.0\tkgf\n定格疲れ寿命 Lh\t10666.7\th\n日数\t444\t日\n");
    row("selections, units, disabled boxes left out", "RadioGroup1:4|RadioGroup2:3|N27|Button2|Edit12<Ctrl+Shift+C", "clipboard=支持・荷重\t両端固定・等分布荷重\n断面\t中空円形\nE\t7000\tkgf/mm²\nL\t100\tmm\nL1\t40\tmm\nx\t20\tmm\nP\t20\tkgf/mm\nd1\t20\tmm\nd2\t10\tmm\nI\t7.36e3\tmm⁴\nMmax\t16667\tkgf·mm\nσmax\t22.64\tkgf/mm²\nδx\t4.14e-2\tmm\n");
    row("nothing computed yet", "Edit8<Ctrl+Shift+C", "clipboard?Fa\t200\tkgf\n結果は未計算です\n");
    row("a box copied without the blanks a paste loses", "Edit11=\u200B200\u2029|Edit8<Ctrl+Shift+C", "clipboard?Fa\t200\tkgf\n");
    row("copied after an edit: inputs only", "Button3|Edit1=5|Edit1<Ctrl+Shift+C", "Label15?" + stale + "|clipboard=接触の種類\t球と凸球\n球半径 R1\t40\tmm\nR2\t400\tmm\n荷 重 P\t5\tkgf\n縦弾性係数 E1\t21000\tkgf/mm²\nE2\t21000\tkgf/mm²\nポアソン比 ν1\t0.3\t\nν2\t0.3\t\n結果は未計算です（入力が前回の計算から変更されています）\n");
    row("copied after a selection change", "Button2|RadioGroup2:2|Edit12<Ctrl+Shift+C", "Edit22?" + stale + "|clipboard?断面\t中実円形\n|clipboard?I\t1.33e4\tmm⁴\n結果は未計算です（入力が");
    row("a material choice, then the pressed one again", "Button2|N27|Edit23<Ctrl+Shift+C|N21", "clipboard?結果は未計算です（|Edit20?2000\n= 19613.3 N·mm");
    row("current again after a press", "Button3|Edit1=5|Button3|Edit1<Ctrl+Shift+C", "Label15?46.013\n= 451.233 MPa|clipboard?最大圧力 p_max\t46.013\tkgf/mm²\n");
    row("keyboard order, Hertz: designed, then results and picture", "", "Edit1>Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Button3 Label13 Label14 Label15 Label20 Label21 Label22 Image1");
    row("keyboard order, the roller's picture", "N5", "Label22>Image5");
    row("keyboard order, beam", "", "Edit12>Edit13 Edit14 Edit15 Edit16 Edit19 Edit20 Edit21 Edit22 Button2 Edit23 Edit24");
    row("keyboard order, bearing: designed, then results", "", "Button1>Edit25 Label38 Label28 Label59");
    row("Shift+F10 on the picture chooses the kind", "Image1<Shift+F10", "menu?円柱と平面|Image5:focus|Label1=  円柱と平面  ");
    row("Space on the picture", "Image1<Space", "menu?円柱と平面");
    row("Return on the picture", "Image1<Return", "menu?円柱と平面");
    row("keypad Enter on the picture", "Image1<Enter", "menu?円柱と平面");
    row("Shift+F10 on a modulus box", "Edit2<Shift+F10", "menu?FC30|Edit23=13000");
    row("Shift+F10 on a result", "Button1|Label28<Shift+F10", "menu?すべてを選択|Label28:selected");
    row("Ctrl+PageUp from the first tab turns round to the last", "Edit1<Ctrl+PgUp", "Edit8:shown");
    row("Ctrl+PageDown", "Edit23<Ctrl+PgDown", "Edit8:shown");
    row("a press brings its tab to the front", "Button1|Button3", "Label13:shown|Edit8:hidden");
    // Names for a screen reader.
    row("named choices", "", "RadioGroup1@支持・荷重条件|RadioGroup1Item1@片持ちはり・等分布荷重|RadioGroup2@断面|RadioGroup2Item4@数値入力|Image1@接触の種類: 球と凸球");
    row("results named with value and unit", "Button3", "Label13@接触円半径 a 0.618 mm|Label20@最大圧縮応力 σz_max 124.898 kgf/mm²|Label20~= 1224.83 MPa");
    row("a result not current says so", "Button3|Edit1=5", "Label15@最大圧力 p_max 124.898 kgf/mm²（未更新）|Label15~" + stale + "|Edit20@最大曲げモーメント Mmax 未計算");
    row("the beam's I not current", "Button2|Edit16=40", "Edit19@断面二次モーメント I [mm⁴]（未更新）|Edit19~" + stale + "|Edit20@最大曲げモーメント Mmax 2000 kgf·mm（未更新）");
    row("a typed I is no result", "Button2|RadioGroup2:4", "Edit19@断面二次モーメント I [mm⁴]|Edit21@最大曲げ応力 σmax 1.5 kgf/mm²（未更新）");
    const QString approximation = "欄の値は 0.31·p_max です（係数 0.31 は ν = 0.3 のときの値）。\n曲線の最大値 物体1（ν1 = 0.25）: 39.777 kgf/mm²（0.322 p_max）、深さ z = 0.289 mm\n曲線の最大値 物体2（ν2 = 0.3）: 38.336 kgf/mm²（0.310 p_max）、深さ z = 0.299 mm";
    row("τ_max says when it is an approximation", "Edit4=0.25|Button3", "Label22?" + approximation + "|Label22~= 375.918 MPa\n" + approximation);
    row("τ_max exact at ν 0.3", "Edit4=0.25|Button3|Edit4=0.3|Button3", "Label22~= 379.694 MPa");
    row("results not computed", "Button3|N5", "Label13@接触面半幅 b 未計算|Image5@接触の種類: 円柱と平面");
    row("beam results read only", "Button2", "Edit20@最大曲げモーメント Mmax 2000 kgf·mm|Edit22@位置 x のたわみ δx 1.68e-2 mm|Edit21:readonly|Edit19:editable|Edit19@断面二次モーメント I [mm⁴]");
    row("bearing results", "Button1", "Label38@動等価荷重 P 1500.0 kgf|Label59@日数 444 日|Label28@定格疲れ寿命 Lh 10666.7 h");
    row("a box's own edit menu, in Japanese", "Edit1^", "menu?元に戻す");
    row("the material menu on a modulus box", "Edit23^", "menu?SUS420J2");
    row("the contact-kind menu on the picture", "Image1^", "menu?円柱と平面");
    row("a result field's menu selects it whole", "Button3|Label13^", "menu?すべてを選択|Label13:selected");
    row("SI values in tooltips", "Button3|RadioGroup1:1", "Edit2?21000\n= 205.94 GPa|Label15?124.898\n= 1224.83 MPa|Edit14?= 196.133 N/mm|Edit9?= 58839.9 N");
    // clang-format on
}

void TestWindow::behaves()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, expected);
    QCOMPARE(run(steps), messages);
    for (const QString &e : expected) {
        const QString name = e.section(QRegularExpression("[=:#?>@~]"), 0, 0), value = e.mid(name.size() + 1);
        const QChar kind = e[name.size()];
        if (name == "clipboard") {
            const QString clip = QGuiApplication::clipboard()->text();
            QVERIFY2(kind == '=' ? clip == value : clip.contains(value), qPrintable(clip));
        } else if (name == "menu") {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY2(menu && menu->font() == form()->font(), "no menu in the window's font");
            const QList<QAction *> items = menu->actions();
            const auto item = std::find_if(items.begin(), items.end(),
                                           [&](QAction *a) { return a->text().contains(value); });
            QVERIFY(item != items.end());
            (*item)->trigger();
            menu->close();
        } else if (kind == '=') {
            QCOMPARE(textOf(name), value);
        } else if (QWidget *widget = find<QWidget>(name); kind == '>') {
            showTabOf(name)->setFocus();
            QStringList reached;
            while (reached.size() < value.count(' ') + 1) {
                QTest::keyClick(form()->focusWidget(), Qt::Key_Tab);
                reached << form()->focusWidget()->objectName();
            }
            QCOMPARE(reached.join(' '), value);
        } else if (kind == '@' || kind == '~') {
            const auto text = kind == '@' ? QAccessible::Name : QAccessible::Description;
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(text), value);
        } else if (kind == '#') {
            QCOMPARE(widget->palette().color(QPalette::WindowText).name(), "#" + value);
        } else if (kind == '?') {
            QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
            QApplication::sendEvent(widget, &hover);
            QVERIFY2(widget->toolTip().endsWith(value), qPrintable(widget->toolTip()));
        } else if (value == "focus") {
            QTRY_COMPARE(form()->focusWidget(), widget);
            if (auto *box = qobject_cast<QLineEdit *>(widget))
                QCOMPARE(box->selectedText(), box->text());
        } else {
            QVERIFY2(value == (widget->isEnabled() ? "on" : "off") ||
                         value == (widget->isVisible() ? "shown" : "hidden") ||
                         value == (widget->property("readOnly").toBool() ? "readonly" : "editable") ||
                         (value == "selected" && widget->property("selectedText").toString() == textOf(name)),
                     qPrintable(e));
        }
    }
}

void TestWindow::marksStaleResults_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("stale");   // results drawn as no longer current
    QTest::addColumn<QStringList>("current"); // results drawn as designed
    QTest::addColumn<QString>("button");      // the tab's compute button
    QTest::addColumn<bool>("due");            // whether it asks for a press
    const auto row = [](const char *name, const char *steps, const char *stale, const char *current,
                        const char *button, bool due) {
        const auto list = [](const char *names) { return QString(names).split('|', Qt::SkipEmptyParts); };
        QTest::newRow(name) << list(steps) << list(stale) << list(current) << QString(button) << due;
    };
    const char *hertz = "Label13|Label14|Label15|Label20|Label21|Label22";
    const char *beam = "Edit19|Edit20|Edit21|Edit22";
    const char *bearing = "Label38|Label28|Label59";
    // clang-format off
    row("Hertz, pressed", "Button3", "", hertz, "Button3", false);
    row("Hertz, an edit", "Button3|Edit1=5", hertz, "", "Button3", true);
    row("Hertz, the box put back", "Button3|Edit1=5|Edit1=100", "", hertz, "Button3", false);
    row("Hertz, pressed again", "Button3|Edit1=5|Button3", "", hertz, "Button3", false);
    row("Hertz, a material chosen on the beam tab", "Button3|Edit23^|N27", hertz, "", "Button3", true);
    row("Hertz, a kind chosen empties the results", "Button3|Edit1=5|N5", "", "", "Button3", false);
    row("beam, a section chosen", "Button2|RadioGroup2:2", beam, "", "Button2", true);
    row("beam, the section chosen back", "Button2|RadioGroup2:2|RadioGroup2:0", "", beam, "Button2", false);
    row("beam, a typed I is no result", "Button2|RadioGroup2:4", "Edit20|Edit21|Edit22", "Edit19", "Button2", true);
    row("beam, a load case chosen, then pressed", "Button2|RadioGroup1:4|Button2", "", beam, "Button2", false);
    row("bearing, an edit", "Button1|Edit10=1600", bearing, "", "Button1", true);
    row("bearing, an edit before any press", "Edit10=1600", "", "", "Button1", false);
    row("bearing, another tab's material", "Button1|N27", "", bearing, "Button1", false);
    // clang-format on
}

// A result that no longer belongs to the boxes keeps its text, muted but
// readable at 4.5:1 on its fill, framed by a dashed mark, and named 未更新;
// the compute button takes the press-due colour.
void TestWindow::marksStaleResults()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, stale);
    QFETCH(QStringList, current);
    QFETCH(QString, button);
    QFETCH(bool, due);
    QCOMPARE(run(steps), QStringList());
    QCoreApplication::processEvents();
    // Dashes three pixels in five round the field, along its very edge,
    // clear of its text.
    const auto marked = [](QWidget *field) {
        const QImage image = field->grab().toImage();
        const int edge = qCeil(image.devicePixelRatio());
        const QRect inside = image.rect().adjusted(edge, edge, -edge, -edge);
        int dashes = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y), m = tavrel::kStaleMarkColour;
                const int off = std::abs(c.red() - m.red()) + std::abs(c.green() - m.green()) +
                                std::abs(c.blue() - m.blue());
                if (off < 60 && inside.contains(x, y))
                    return false;
                dashes += off < 60;
            }
        }
        return dashes >= (image.width() + image.height()) / image.devicePixelRatio();
    };
    for (const QString &name : stale + current) {
        QWidget *field = find<QWidget>(name);
        const bool label = qobject_cast<QLabel *>(field);
        const QColor ink = field->palette().color(label ? QPalette::WindowText : QPalette::Text);
        const QColor fill = field->palette().color(label ? QPalette::Window : QPalette::Base);
        const QString said = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        const bool isStale = stale.contains(name);
        QVERIFY2(contrast(ink, fill) >= 4.5, qPrintable(name));
        QVERIFY2((ink == QColor(Qt::black)) != isStale, qPrintable(name + " " + ink.name()));
        QVERIFY2(marked(field) == isStale, qPrintable(name));
        QVERIFY2(said.contains("未更新") == isStale, qPrintable(said));
        QCOMPARE(textOf(name).isEmpty(), false);
    }
    // A disabled box keeps its own grey, whatever the results.
    for (QLineEdit *box : form()->findChildren<QLineEdit *>()) {
        if (!box->isEnabled())
            QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Text), QColor("#696969"));
    }
    auto *compute = find<QPushButton>(button);
    QCOMPARE(compute->palette().color(QPalette::Button) == tavrel::kPressDueColour, due);
    QCOMPARE(compute->accessibleDescription().contains("押すと結果が更新されます"), due);
}

void TestWindow::fitsEveryText_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("whole"); // results shown whole, not cut with "…"
    const auto row = [](const char *name, int tab, const char *steps, const char *whole) {
        QTest::newRow(name) << tab << QString(steps).split('|') << QString(whole).split('|');
    };
    // clang-format off
    row("Hertz, five-digit stresses", 0, "Edit1=1e6|Button3", "Label15|Label20|Label22");
    row("Hertz, huge load", 0, "Edit1=1e17|Button3", "");
    row("Hertz, roller, tiny load", 0, "N5|Edit1=1e-300|Button3", "Label13|Label20");
    row("beam, 10 m cantilever", 1, "RadioGroup1:1|Edit12=10000|Edit13=0|Edit14=1|Edit15=200|Edit16=200|Button2",
        "Edit19|Edit20|Edit21|Edit22");
    row("beam, huge negative load", 1, "Edit14=-1.7e300|Edit12=1e-5|Edit13=0|Button2", "Edit19|Edit21|Edit22");
    row("bearing, long life", 2, "Edit10=150|Edit11=20|Button1", "Label38|Label28|Label59");
    // clang-format on
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
        if (widget->isVisible() && (label || box || qobject_cast<QPushButton *>(widget)))
            texts << widget;
        if (!widget->isVisible() || (!label && !kResultBoxes.contains(widget->objectName())))
            continue;
        const QString text = label ? label->text() : box->text();
        const QFontMetricsF metrics(widget->font());
        // A box draws its text inside a 1-pixel frame and 2-pixel margins; a
        // label up to a pixel before its edge.
        const QRectF room =
            box ? QRectF(widget->rect()).adjusted(3, 0, -3, 0) : widget->contentsRect().adjusted(0, 0, -1, 0);
        const bool fits = label && label->wordWrap()
                              ? metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height()
                              : metrics.horizontalAdvance(text) <= room.width();
        // Only a text that need not be whole may be cut; its tooltip keeps it.
        const bool cut =
            !whole.contains(widget->objectName()) && widget->toolTip().startsWith(text.trimmed());
        // An empty text keeps its designed font; a text too wide is drawn
        // narrower, then smaller: below the smallest designed size only at
        // the narrowest stretch.
        const int stretch = widget->font().stretch(), pixels = widget->font().pixelSize();
        QVERIFY2((fits || cut) && pixels >= 9 && widget->font().letterSpacing() >= -1.5 &&
                     (stretch == QFont::AnyStretch ||
                      (!text.isEmpty() && (stretch == 70 || (stretch > 70 && pixels >= 13)))),
                 qPrintable(widget->objectName() + " \"" + text + '"'));
        QVERIFY(!box || box->cursorPosition() == 0);
    }
    // No two texts overlap; the days stand in the blanks of their frame.
    for (QWidget *a : texts) {
        for (QWidget *b : texts) {
            const QString pair = a->objectName() + " overlaps " + b->objectName();
            if (a < b && !(pair.contains("Label58") && pair.contains("Label59")))
                QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(pair));
        }
    }
    if (tab == 2) {
        auto *frame = find<QLabel>("Label58"), *days = find<QLabel>("Label59");
        QVERIFY(days->x() + QFontMetricsF(days->font()).horizontalAdvance(days->text()) <
                frame->x() + QFontMetricsF(frame->font()).horizontalAdvance(frame->text().chopped(1)));
    }
}

void TestWindow::keepsDesignedColoursOnDarkDesktop()
{
    // The desktop turns dark while the window is open, as a theme switch does.
    const QPalette original = QApplication::palette();
    QApplication::setPalette(QPalette(QColor("#e6e6e6"), QColor("#2d2d2d")));
    run({"Button3"});
    for (QWidget *widget : form()->findChildren<QWidget *>()) {
        const QPalette &p = widget->palette();
        const auto group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        QColor ink = p.color(group, QPalette::ButtonText), ground = p.color(group, QPalette::Button);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().trimmed().isEmpty())
                continue;
            ink = p.color(QPalette::WindowText);
            ground =
                (label->autoFillBackground() ? label : label->parentWidget())->palette().window().color();
        } else if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            ink = p.color(group, QPalette::Text);
            ground = p.color(group, QPalette::Base);
            QVERIFY2(box->isEnabled() || ground != p.color(QPalette::Active, QPalette::Base),
                     "looks enabled");
        } else if (!qobject_cast<QPushButton *>(widget)) {
            continue;
        }
        QVERIFY2(contrast(ink, ground) >= 4.5, qPrintable(widget->objectName()));
    }
    QCOMPARE(find<QWidget>("Edit20")->palette().base().color().name(), "#ffffb5");
    QCOMPARE(find<QWidget>("Label40")->palette().window().color().name(), "#80ffff");
    QApplication::setPalette(original);
}

void TestWindow::ringsTheFocus_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("control");
    for (const auto &[tab, control] : {std::pair{0, "qt_tabwidget_tabbar"},
                                       {0, "Edit1"},
                                       {0, "Button3"},
                                       {0, "Image1"},
                                       {0, "Label13"},
                                       {1, "RadioGroup1Item2"},
                                       {1, "Edit20"},
                                       {2, "Label59"}})
        QTest::newRow(control) << tab << QString(control);
}

// The focus turns pixels around the control into a ring that stands out by
// 3:1 or more from what they showed before, over at least the length of a
// ring round the control, counted in the screen's pixels at each scale.
void TestWindow::ringsTheFocus()
{
    QFETCH(int, tab);
    QFETCH(QString, control);
    find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
    QWidget *widget = find<QWidget>(control), *around = widget->parentWidget();
    const QRect area = widget->geometry().adjusted(-4, -4, 4, 4);
    form()->setFocus();
    const QImage before = around->grab(area).toImage();
    widget->setFocus();
    const QImage after = around->grab(area).toImage();
    const auto changed = [&](int x, int y) {
        return contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
    };
    qreal ringed = 0;
    QRect ring;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (changed(x, y)) {
                ++ringed;
                ring |= QRect(x, y, 1, 1);
            }
        }
    }
    const qreal scale = after.devicePixelRatio();
    QVERIFY2(ringed >= 6 * std::min(widget->width(), widget->height()) * scale * scale,
             qPrintable(QString::number(ringed)));
    // Closed on all four sides, two pixels wide; there while the focus
    // stays, gone when it leaves.
    const auto side = [&](QPoint at, QPoint inwards) {
        for (int i = 0; i < 2 * scale; ++i, at += inwards) {
            if (!changed(at.x(), at.y()))
                return false;
        }
        return true;
    };
    const QPoint middle = ring.center();
    QVERIFY(side({ring.left(), middle.y()}, {1, 0}) && side({ring.right(), middle.y()}, {-1, 0}) &&
            side({middle.x(), ring.top()}, {0, 1}) && side({middle.x(), ring.bottom()}, {0, -1}));
    QCOMPARE(around->grab(area).toImage(), after);
    form()->setFocus();
    QCOMPARE(around->grab(area).toImage(), before);
}

// A screen reader finds a name on every control it can reach, and in the
// window and the tab nothing hidden, nor the captions that the results'
// names carry.
void TestWindow::exposesNamedControlsOnly()
{
    for (QWidget *widget : form()->findChildren<QWidget *>()) {
        const bool control = widget->inherits("QAbstractButton") || widget->inherits("QGroupBox") ||
                             (widget->focusPolicy() & Qt::TabFocus && !widget->inherits("QTabWidget"));
        if (control && !widget->isHidden() && !widget->objectName().startsWith("qt_"))
            QVERIFY2(!QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
    }
    const auto listed = [](QWidget *parent) {
        QStringList names;
        QAccessibleInterface *listing = QAccessible::queryAccessibleInterface(parent);
        for (int i = 0; i < listing->childCount(); ++i)
            names << listing->child(i)->object()->objectName();
        return names;
    };
    QCOMPARE(listed(form()), QStringList{"PageControl1"});
    run({"N5"});
    const QStringList hertz = listed(find<QWidget>("TabSheet1"));
    QVERIFY(hertz.contains("Image5") && hertz.contains("Label13") && hertz.contains("Label11"));
    QVERIFY(!hertz.contains("Image1") && !hertz.contains("Label7"));
}

void TestWindow::keepsPastesWhole()
{
    // 0.000...05e40001 is 5: cut short, it would read as 0.
    const QString five = "0." + QString(40000, '0') + "5e40001";
    QGuiApplication::clipboard()->setText(five);
    QCOMPARE(run({"Edit11=", "Edit11<Ctrl+V"}), QStringList());
    QCOMPARE(textOf("Edit11"), five);
    QGuiApplication::clipboard()->setText(QString(100001, '1'));
    QCOMPARE(run({"Edit11=", "Edit11<Ctrl+V"}).size(), 1);
    QCOMPARE(textOf("Edit11"), QString());
    // A character typed into a full box is refused with a message too.
    QCOMPARE(run({"Edit11=" + QString(100000, '1'), "Edit11<2"}).size(), 1);
}

void TestWindow::opensAsDesigned()
{
    QCOMPARE(form()->size(), QSize(536, 442));
    form()->resize(300, 200);
    QCOMPARE(form()->size(), QSize(536, 442));
    QCOMPARE(find<QWidget>("PageControl1")->geometry(), QRect(8, 10, 522, 425));
    QCOMPARE(find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(find<QButtonGroup>("RadioGroup1")->checkedId(), 0);
    QVERIFY(!find<QAction>("N9")->isEnabled() && !find<QAction>("Print1")->isEnabled());
    QCOMPARE(QFontInfo(form()->font()).pixelSize(), 15);
    QCOMPARE(QFontInfo(find<QWidget>("Label48")->font()).family(), "IPAPMincho");
    // Numbers go into the boxes half-width even with a Japanese input method on.
    QVERIFY(!find<QWidget>("Edit1")->testAttribute(Qt::WA_InputMethodEnabled));
    // At its designed position where it fits on the screen; elsewhere moved
    // the least that brings each edge onto the screen, or to its top-left
    // corner where the screen is smaller than the window.
    const QRect free = form()->screen()->availableGeometry(), designed(302, 122, 544, 469);
    const QRect frame(form()->pos(), designed.size());
    if (free.contains(designed))
        QCOMPARE(frame, designed);
    QVERIFY(frame.left() >= free.left() && (frame.right() <= free.right() || frame.left() == free.left()));
    QVERIFY(frame.top() >= free.top() && (frame.bottom() <= free.bottom() || frame.top() == free.top()));
    QVERIFY(frame.left() == designed.left() || frame.right() == free.right() || frame.left() == free.left());
    QVERIFY(frame.top() == designed.top() || frame.bottom() == free.bottom() || frame.top() == free.top());
    // The five items of each radio group fill equal slots down its frame; a
    // click anywhere in a slot picks its item.
    for (const char *group : {"RadioGroup1", "RadioGroup2"}) {
        const QList<QAbstractButton *> items = find<QButtonGroup>(group)->buttons();
        QCOMPARE(items.size(), 5);
        const QRect frame = items[0]->parentWidget()->rect();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(items[i]->geometry().translated(0, -i * items[0]->height()), items[0]->geometry());
            QVERIFY(frame.contains(items[i]->geometry()));
        }
        QTest::mouseClick(items[4], Qt::LeftButton, {},
                          QPoint(items[4]->width() - 1, items[4]->height() / 2));
        QVERIFY(items[4]->isChecked());
    }
}

// A long run of random user actions on the whole window, from a fixed seed:
// typing all kinds of text, pressing the three compute buttons, choosing
// contact kinds, radio items and materials, answering every error box.
// After each action the window must still be consistent. It runs on its own
// as tst_random_use (labelled slow); TAVREL_RANDOM_SEED and
// TAVREL_RANDOM_ACTIONS override the seed and the number of actions, and a
// failure names both, so it can be replayed.
void TestWindow::staysConsistentUnderRandomUse()
{
    if (qEnvironmentVariableIsEmpty("TAVREL_RANDOM_USE"))
        QSKIP("runs as tst_random_use");
    const quint64 seed = qEnvironmentVariable("TAVREL_RANDOM_SEED", "20261206").toULongLong();
    const int actions = qEnvironmentVariable("TAVREL_RANDOM_ACTIONS", "40000").toInt();
    std::mt19937_64 rng(seed);
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    // Mostly numbers, so that many presses get through to their results.
    const QStringList odd = {"", "   ", "abc", "１２", "0", "1e400", "\u202E4", QString(3000, '7')};
    const auto text = [&] {
        const double number = (pick(5) ? 1 : -1) * std::pow(10.0, pick(1400) / 100.0 - 6);
        return pick(5) ? QString::number(number, 'g', pick(17) + 1) : odd[pick(odd.size())];
    };
    // What each button's press may write; a written number must read back.
    const QStringList buttons{"Button1", "Button2", "Button3"};
    const QList<QStringList> results{{"Label38", "Label28", "Label59"},
                                     {"Edit19", "Edit20", "Edit21", "Edit22"},
                                     {"Label13", "Label14", "Label15", "Label20", "Label21", "Label22"}};
    const auto readsBack = [](QString shown) {
        try {
            tavrel::StrToFloat(shown.remove(" 日").trimmed().isEmpty() ? "0" : shown.toStdString());
            return true;
        } catch (const tavrel::EConvertError &) {
            return false;
        }
    };
    QList<QLineEdit *> boxes = form()->findChildren<QLineEdit *>();
    boxes.removeIf([](QLineEdit *box) { return box->objectName().isEmpty(); });

    for (int step = 0; step < actions; ++step) {
        const QByteArray where = QStringLiteral("seed %1, action %2").arg(seed).arg(step).toUtf8();
        QHash<QString, QString> before;
        for (QLineEdit *box : boxes)
            before[box->objectName()] = box->text();
        const int kind = pick(20);
        if (kind < 9) {
            QLineEdit *box = boxes[pick(boxes.size())];
            run({box->objectName() + "=" + text()});
            before[box->objectName()] = box->text();
        } else if (kind < 15) {
            const int tab = pick(3);
            QStringList shown;
            for (const QString &field : results[tab])
                shown << textOf(field);
            const bool refused = !run({buttons[tab]}).isEmpty();
            for (int i = 0; i < shown.size(); ++i) {
                const QString now = textOf(results[tab][i]);
                QVERIFY2(refused ? now == shown[i] : readsBack(now), where + " " + now.toUtf8());
                before[results[tab][i]] = now;
            }
        } else if (kind < 17) {
            run({QStringLiteral("RadioGroup%1:%2").arg(pick(2) + 1).arg(pick(5))});
        } else if (kind < 18) {
            run({QStringList{"N1", "N5", "N2"}[pick(3)]});
        } else {
            const int item = pick(7);
            run({QStringLiteral("N2%1").arg(item + 1)});
            const char *moduli[] = {"21000", "20200", "19700", "20400", "13000", "17000", "7000"};
            before["Edit2"] = before["Edit3"] = before["Edit23"] = moduli[item];
        }
        // A box changes only when typed into, by the material menu, or by a
        // beam press (I and the three result boxes).
        for (QLineEdit *box : boxes)
            QVERIFY2(box->text() == before[box->objectName()], where + " " + box->objectName().toUtf8());
        QVERIFY2(find<QWidget>("Image1")->isHidden() != find<QWidget>("Image5")->isHidden(), where);
    }
}

// The driver's words for the boxes and results (tools type and read by
// them) name the control a user knows by that symbol.
void TestWindow::driverNamesWhatItDrives_data()
{
    using namespace tavrel::driver;
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("symbol"); // in the control's name for a screen reader
    const std::pair<Box, const char *> boxes[] = {
        {Box::HertzR1, "R1"},   {Box::HertzR2, "R2"},     {Box::HertzLoad, "P"},    {Box::HertzE1, "E1"},
        {Box::HertzE2, "E2"},   {Box::HertzNu1, "ν1"},    {Box::HertzNu2, "ν2"},    {Box::BeamE, "E"},
        {Box::BeamL, "L"},      {Box::BeamL1, "L1"},      {Box::BeamX, "x"},        {Box::BeamLoad, "P"},
        {Box::BeamB1, "b1"},    {Box::BeamH1, "h1"},      {Box::BeamB2, "b2"},      {Box::BeamH2, "h2"},
        {Box::BeamI, "I"},      {Box::BearingSpeed, "n"}, {Box::BearingCor, "Cor"}, {Box::BearingCr, "Cr"},
        {Box::BearingFr, "Fr"}, {Box::BearingFa, "Fa"}};
    for (const auto &[box, symbol] : boxes)
        QTest::addRow("box %s", qPrintable(controlName(box))) << controlName(box) << symbol;
    const std::pair<Shown, const char *> results[] = {
        {Shown::HertzContactSize, "a"},    {Shown::HertzApproach, "δ"},       {Shown::HertzPMax, "p_max"},
        {Shown::HertzSigmaZMax, "σz_max"}, {Shown::HertzSigmaRMax, "σr_max"}, {Shown::HertzTauMax, "τ_max"},
        {Shown::BeamMMax, "Mmax"},         {Shown::BeamSigmaMax, "σmax"},     {Shown::BeamDeflection, "δmax"},
        {Shown::BearingLoad, "P"},         {Shown::BearingLife, "Lh"},        {Shown::BearingDays, "日数"}};
    for (const auto &[shown, symbol] : results)
        QTest::addRow("result %s", qPrintable(controlName(shown))) << controlName(shown) << symbol;
}

void TestWindow::driverNamesWhatItDrives()
{
    QFETCH(QString, control);
    QFETCH(QString, symbol);
    const QString name = find<QWidget>(control)->accessibleName();
    QVERIFY2(name.split(u' ').contains(symbol), qPrintable(name));
}

void TestWindow::driverShowsEachTab()
{
    using namespace tavrel::driver;
    for (const auto &[tab, box] : {std::pair{Tab::Bearing, Box::BearingFa},
                                   std::pair{Tab::Hertz, Box::HertzR1}, std::pair{Tab::Beam, Box::BeamE}}) {
        driver().showTab(tab);
        QVERIFY2(find<QWidget>(controlName(box))->isVisible(), qPrintable(controlName(box)));
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
