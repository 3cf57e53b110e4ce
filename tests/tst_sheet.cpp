// The calculation sheet: written after a press of each tab and read back
// from the PDF as text, refused while the results do not match the boxes,
// and a refused write that leaves nothing behind.
#include "guitest.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "sheet/sheet_save.h"
#include "sheet/sheet_text.h"
#include "ui/calc_tab.h"
#include "ui/describe.h"

#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace
{

// When the tests press, and when they save: a day later.
const QDateTime kPressed(QDate(2026, 12, 7), QTime(14, 3));
const QDateTime kWhen(QDate(2026, 12, 8), QTime(9, 30));

// The page as pdftotext reads it, rows kept on their lines (or else in
// reading order, a column after the other).
QString pdfText(const QString &path, bool layout = true)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {layout ? QStringLiteral("-layout") : QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {};
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The value of the arithmetic the sheet prints with its numbers put in:
// + − · × /, ^, superscript powers, √, π, ln, min and parentheses, or none
// when anything else (a symbol left in) stands in it.
class Arithmetic
{
public:
    explicit Arithmetic(const QString &text) : s_(QString(text).remove(' ')) {}
    std::optional<double> value()
    {
        const double v = sum();
        return ok_ && i_ == s_.size() ? std::optional(v) : std::nullopt;
    }

private:
    bool take(QStringView token)
    {
        const bool found = QStringView(s_).mid(i_).startsWith(token);
        i_ += found ? token.size() : 0;
        return found;
    }
    void expect(QStringView token) { ok_ = take(token) && ok_; }
    double sum()
    {
        double v = product();
        for (;;) {
            if (take(u"+"))
                v += product();
            else if (take(u"−") || take(u"-"))
                v -= product();
            else
                return v;
        }
    }
    double product()
    {
        double v = unary();
        for (;;) {
            if (take(u"·") || take(u"×"))
                v *= unary();
            else if (take(u"/"))
                v /= unary();
            else
                return v;
        }
    }
    double unary()
    {
        if (take(u"−") || take(u"-"))
            return -unary();
        const double base = powered();
        return take(u"^") ? std::pow(base, unary()) : base;
    }
    double powered()
    {
        double v = primary();
        for (qsizetype power; i_ < s_.size() && (power = QStringView(u"⁰¹²³⁴⁵⁶⁷⁸⁹").indexOf(s_[i_])) >= 0;
             ++i_)
            v = std::pow(v, power);
        return v;
    }
    double primary()
    {
        double v = 0;
        if (take(u"π"))
            return std::numbers::pi;
        if (take(u"√"))
            return std::sqrt(powered());
        if (take(u"min(")) {
            v = sum();
            expect(u",");
            v = std::min(v, sum());
        } else if (take(u"ln(")) {
            v = std::log(sum());
        } else if (take(u"(")) {
            v = sum();
        } else {
            static const QRegularExpression number(u"\\G\\d+(\\.\\d*)?(e[-+]?\\d+)?"_s);
            const QRegularExpressionMatch m = number.match(s_, i_);
            ok_ = ok_ && m.hasMatch();
            i_ += m.capturedLength();
            return m.captured().toDouble();
        }
        expect(u")");
        return v;
    }

    QString s_;
    qsizetype i_ = 0;
    bool ok_ = true;
};

// The first part of a formula's lines that is arithmetic alone, its value,
// the value printed after it, and half a unit of that value's last digit.
struct Checked {
    double worked, shown, halfDigit;
};
std::optional<Checked> checkedOf(const tavrel::SheetFormula &formula)
{
    const QStringList parts = (formula.symbolic + ' ' + formula.withNumbers).split(u" = "_s);
    static const QRegularExpression number(u"^-?\\d+(\\.(\\d*))?(e([-+]?\\d+))?"_s);
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) {
        const QRegularExpressionMatch shown = number.match(parts[i + 1]);
        if (const std::optional<double> worked = Arithmetic(parts[i]).value(); worked && shown.hasMatch())
            return Checked{*worked, shown.captured().toDouble(),
                           0.5 * std::pow(10.0, shown.captured(4).toInt() - shown.captured(2).size())};
    }
    return std::nullopt;
}

} // namespace

class TestSheet : public GuiTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tavrel::CalculatorTab::setClock([] { return kPressed; });
        // The remembered details go to the test's own folder.
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
    }
    void writesWhatTheFieldsShow_data();
    void writesWhatTheFieldsShow();
    void keepsWithinThePage_data();
    void keepsWithinThePage();
    void keepsNumbersWhole_data();
    void keepsNumbersWhole();
    void savesThroughTheDialog();
    void refusesResultsThatNoLongerMatch();
    void refusedWriteLeavesNothing();
    void formulasGiveWhatTheyShow();

private:
    const tavrel::CalculatorTab &currentTab() { return driver().shownTab(); }
    QTemporaryDir dir_;
};

void TestSheet::writesWhatTheFieldsShow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("fields"); // results whose texts the page shows among the results
    QTest::addColumn<QStringList>("lines");  // texts the page holds, each on a line of its own
    QTest::addColumn<QString>("picture");    // the picture of the selection: file#parts
    const auto row = [](const char *name, const char *steps, const char *fields, const char *lines,
                        const char *picture) {
        QTest::newRow(name) << QString(steps).split('|') << QString(fields).split('|')
                            << QString(lines).split('|') << QString(picture);
    };
    // clang-format off
    row("sphere, negative ν1", "Edit4=-0.5|Button3", "Label13|Label14|Label15|Label20|Label21|Label22",
        "ヘルツの接触応力|接触の種類 球と凸球|最大セン断応力 τ_max|= 40·400/(40 + 400) = 36.3636 mm|= (1 − 2·(-0.5))/3·132.8 = 88.533 kgf/mm²|τ_max: 欄の値は 0.31·p_max です（係数 0.31 は ν = 0.3 のときの値）。", "image1.svg#");
    row("roller, materials differ", "N5|N25|Edit7=10|Edit1=1000|Edit3=20000|Button3", "Label13|Label15|Label20",
        "接触の種類 円柱と平面|ローラ半径 R1 40|E1 の材料 FC30|E2 の材料 E のみ入力|= 1000/10 = 100 kgf/mm|H: 二つの物体の弾性をまとめた量。|δ と τ_max は E1 = E2、ν1 = ν2 = 0.3 の入力に限って示すため、", "image5.svg#");
    row("beam, hollow rectangle, point load", "RadioGroup1:2|RadioGroup2:1|N22|Edit24=60|Button2", "Edit19|Edit20|Edit21|Edit22",
        "はりの曲げ応力|E の材料 SS400|この条件で使わない入力（x）は載せていません。|断面 中空長方形|= (20·20³ − 10·10³)/12 = 12500 mm⁴|= min(60, 100 − 60) = 40 mm|= 20·60·(100 − 60)/100 = 480 kgf·mm|Mmax = 480 kgf·mm（x = 60.000 mm）", "image2.svg#case2,section1");
    row("beam, typed I and Z, fixed ends", "RadioGroup1:4|RadioGroup2:4|Edit19=5000|Edit18=10|Button2", "Edit20|Edit21|Edit22",
        "I = 入力値|= 5000 mm⁴|= 20·100²/12 = 16667 kgf·mm|δx: 右の固定端から x の位置のたわみ", "image2.svg#case4");
    row("bearing, axial load counts", "Edit8=1000|Edit25=10000|Edit10=1000|Edit11=1000|Button1", "Label38|Label28|Label59",
        "玉軸受の寿命|Fa/Fr = 1000 / 1000 = 1.000 > e = 0.29 → X = 0.56、Y = 1.49|計算した点：P = 2050.0 kgf、Lh = 1934.6 h", "#");
    row("beam, cantilever, upward load", "Edit12=1000|Edit14=-100|Button2", "Edit19|Edit20|Edit21|Edit22",
        "= (-100)·1000 = -100000 kgf·mm|E の材料 E のみ入力|この条件で使わない入力（L1、b2、h2）は載せていません。", "image2.svg#case0,section0");
    // clang-format on
}

void TestSheet::writesWhatTheFieldsShow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, lines);
    QFETCH(QString, picture);
    QCOMPARE(run(steps), QStringList());
    const tavrel::SheetPicture drawn = tavrel::sheetOf(currentTab())->picture;
    QCOMPARE(QFileInfo(drawn.resource).fileName() + '#' + drawn.elements.join(','), picture);
    const QString path = dir_.filePath("sheet.pdf");
    QCOMPARE(tavrel::saveSheet(currentTab(), path, kWhen), std::nullopt);
    const QString page = pdfText(path);
    QVERIFY2(page.contains(QRegularExpression(
                 "計算日時 2026-12-07 14:03 +保存日時 2026-12-08 09:30 +Tavrel Ver. 1.01")),
             qPrintable(page));
    // Every box that applies above the results and every field among them,
    // its text beside its caption (blanks aside, which the reader drops
    // between Japanese characters; a unit in brackets stands in a column of
    // its own).
    const QStringList rows = QString(page).remove(' ').split('\n');
    const QString flat = pdfText(path, false).remove(QRegularExpression("\\s"));
    const qsizetype results = rows.indexOf(QRegularExpression("^3\\.結果.*"));
    QList<QWidget *> shown;
    for (QLineEdit *box : currentTab().controls().inputs()) {
        if (!fields.contains(box->objectName()))
            shown << box;
    }
    for (const QString &field : fields)
        shown << find<QWidget>(field);
    // The inputs the selection does not use, disabled or not, are named in
    // one note and left out of the table.
    const QStringList leftOut =
        tavrel::sheetOf(currentTab())->inputNote.section("（", 1).section("）", 0, 0).split("、");
    for (QWidget *control : shown) {
        const QString caption =
            tavrel::captionName(control).remove(QRegularExpression("\\[.*\\]$")).trimmed();
        const QString pair = tavrel::fullWidthKana(caption + textOf(control->objectName())).remove(' ');
        const bool result = fields.contains(control->objectName());
        const QStringList part = result ? rows.mid(results) : rows.mid(0, results);
        const bool omitted = !result && leftOut.contains(caption);
        QVERIFY2(control->isEnabled() || omitted, qPrintable(caption));
        QVERIFY2(!control->isEnabled() || part.filter(pair).size() == (omitted ? 0 : 1), qPrintable(pair));
        // Its value in SI units beside its unit, as its tooltip gives it.
        const QString si = control->toolTip().section('\n', 1, 1).remove(' ');
        QVERIFY2(!control->isEnabled() || !si.startsWith('=') || flat.contains(si), qPrintable(si));
    }
    for (const QString &line : lines)
        QVERIFY2(rows.filter(QString(line).remove(' ')).size() == 1, qPrintable(line));
    // A material stands right under its modulus.
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QRegularExpressionMatch material = QRegularExpression("^(E\\d?)の材料").match(rows[i]);
        QVERIFY2(!material.hasMatch() ||
                     rows[i - 1].contains(QRegularExpression(material.captured(1) + "\\d")),
                 qPrintable(rows[i]));
    }
    // The diagram window's values, among them what a sign means, are
    // printed as it shows them.
    const QString marked = tavrel::sheetOf(currentTab())->marked.join(QString()).remove(' ');
    QVERIFY2(QString(pdfText(path, false)).remove(QRegularExpression("\\s")).contains(marked),
             qPrintable(marked));
}

void TestSheet::keepsWithinThePage_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("everyDetail"); // each particular at its longest, every allowable given
    // clang-format off
    QTest::newRow("sphere, long typed radius") << QStringList{"Edit6=0." + QString(3000, '0') + "4e3002", "Edit1=1e-7", "Button3"} << true;
    QTest::newRow("beam, results of 300 digits") << QStringList{"RadioGroup2:4", "Edit14=1e300", "Edit18=1e-5", "Edit19=1e-5", "Button2"} << true;
    QTest::newRow("bearing, long life") << QStringList{"Edit10=150", "Edit11=20", "Button1"} << true;
    QTest::newRow("bearing, no details") << QStringList{"Button1"} << false;
    // clang-format on
}

void TestSheet::keepsWithinThePage()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, everyDetail);
    QCOMPARE(run(steps), QStringList());
    tavrel::SheetDetails details;
    if (everyDetail) {
        details.particulars.fill(QString(tavrel::kLongestParticular, QChar(u'寿')));
        details.allowables.fill(1.0);
    }
    // The page at 60 dots an inch: nothing but paper within 8 mm of its edges.
    const QString path = dir_.filePath("page.pdf");
    QCOMPARE(tavrel::saveSheet(currentTab(), path, kWhen, details), std::nullopt);
    QCOMPARE(QProcess::execute("pdftoppm", {"-r", "60", "-gray", "-singlefile", path, dir_.filePath("page")}),
             0);
    const QImage page(dir_.filePath("page.pgm"));
    QCOMPARE(page.size(), QSize(496, 702)); // A4 portrait
    const QRect paper = page.rect().adjusted(19, 19, -19, -19);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); x += paper.contains(x, y) ? paper.width() : 1)
            QVERIFY2(qGray(page.pixel(x, y)) == 255, qPrintable(QString("ink at %1, %2").arg(x).arg(y)));
    }
}

void TestSheet::keepsNumbersWhole_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("fields"); // the boxes and fields whose texts the page holds whole
    // clang-format off
    QTest::newRow("typed, 20 characters") << QStringList{"Edit12=123.4567890123456789", "Button2"} << QStringList{"Edit12"};
    QTest::newRow("typed, 40 characters") << QStringList{"Edit14=1.23456789012345678901234567890123456e-5", "Button2"} << QStringList{"Edit14"};
    QTest::newRow("a point after one digit, a result of 19 characters") << QStringList{"Edit14=1.6666666666666666e38", "Button2"} << QStringList{"Edit14", "Edit20"};
    // clang-format on
}

// A number on a page to be signed reads as one: never broken across lines.
void TestSheet::keepsNumbersWhole()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, fields);
    QCOMPARE(run(steps), QStringList());
    const QString path = dir_.filePath("whole.pdf");
    QCOMPARE(tavrel::saveSheet(currentTab(), path, kWhen), std::nullopt);
    const QString page = pdfText(path);
    for (const QString &field : fields) {
        const QString number = textOf(field).trimmed();
        QVERIFY(number.size() >= 19);
        QVERIFY2(page.contains(number), qPrintable(number));
    }
}

void TestSheet::savesThroughTheDialog()
{
    run({"N5", "Button3"});
    static_cast<TForm1 *>(form())->showDiagram();
    // The details are asked first: one box refused by name, then the
    // particulars and the allowable taken and remembered. The file dialog
    // offers today's name; saved in the test's folder.
    QString offered;
    QStringList refusals;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            refusals << box->text();
            box->accept();
        } else if (modal && modal->objectName() == "SheetDetails") {
            const QList<QLineEdit *> boxes = modal->findChildren<QLineEdit *>();
            for (int i = 0; i < 4; ++i)
                boxes[i]->setText(QStringList{"軸受台", "D-1024", "押さえローラ", "山田"}[i]);
            boxes[4]->setText(refusals.isEmpty() ? "-1" : "4");
            QMetaObject::invokeMethod(modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                                      "click", Qt::QueuedConnection);
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->setDirectory(dir_.path());
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    answer.start(0);
    QAction *save = find<QAction>("SaveSheet");
    QCOMPARE(save->shortcut(), QKeySequence("Ctrl+Shift+S"));
    save->trigger();
    const QString name = "tavrel-hertz-" + QDate::currentDate().toString("yyyy-MM-dd") + ".pdf";
    QCOMPARE(offered, name);
    QCOMPARE(refusals, {"「許容接触圧力 pa」は 0 より大きい値にしてください。空欄にすると判定しません。"});
    const QString text = pdfText(dir_.filePath(name), false);
    for (const char *shown : {"円柱と平面", "件名", "軸受台", "D-1024", "押さえローラ", "山田",
                              "p_max = 4.791 kgf/mm² > pa = 4 kgf/mm² 否（20 % 超過）"})
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    QCOMPARE(tavrel::rememberedSheetDetails()[tavrel::Allowable::ContactPressure], 4.0);
}

void TestSheet::refusesResultsThatNoLongerMatch()
{
    const QString path = dir_.filePath("stale.pdf");
    run({"RadioGroup1:1"});
    QCOMPARE(*tavrel::saveSheet(currentTab(), path, kWhen),
             "結果は未計算です。\n「計算」を押してから計算書を保存してください。");
    run({"Button2", "Edit14=5"});
    QVERIFY(tavrel::saveSheet(currentTab(), path, kWhen)->startsWith("結果は未計算です（入力が前回の"));
    // The diagram window's item says so too, for the tab shown.
    static_cast<TForm1 *>(form())->showDiagram();
    QVERIFY(run({"SaveSheet"}).value(0).startsWith("結果は未計算です"));
    run({"Edit14=20", "RadioGroup2:3"});
    QVERIFY(tavrel::saveSheet(currentTab(), path, kWhen)->startsWith("結果は未計算です"));
    QVERIFY(!QFile::exists(path));
    run({"RadioGroup2:0"});
    QCOMPARE(tavrel::saveSheet(currentTab(), path, kWhen), std::nullopt);
}

void TestSheet::refusedWriteLeavesNothing()
{
    run({"Button3"});
    const QTemporaryDir dir;
    const QString missing = dir.filePath("missing/sheet.pdf");
    QVERIFY(tavrel::saveSheet(currentTab(), missing, kWhen)
                ->startsWith("計算書を保存できませんでした。\n\n保存先：" +
                             QDir::toNativeSeparators(missing) + "\n理由：保存先のフォルダがありません"));
    QVERIFY(
        tavrel::saveSheet(currentTab(), dir.path(), kWhen)->contains("理由：同じ名前のフォルダがあります"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// Every formula printed with its numbers put in gives the value printed
// after it, to the digits shown: every load case with every section, every
// contact kind with equal and unequal materials, and the bearing.
void TestSheet::formulasGiveWhatTheyShow()
{
    QList<QStringList> presses;
    for (int loadCase = 0; loadCase < 5; ++loadCase) {
        for (int section = 0; section < 5; ++section)
            presses << QStringList{u"RadioGroup1:%1"_s.arg(loadCase),
                                   u"RadioGroup2:%1"_s.arg(section),
                                   "Edit13=30",
                                   "Edit24=30",
                                   "Edit19=5000",
                                   "Button2"};
    }
    for (const char *kind : {"N1", "N5"}) {
        presses << QStringList{kind, "Edit1=100000", "Edit7=10", "Edit3=21000", "Edit5=0.3", "Button3"}
                << QStringList{kind, "Edit3=7000", "Edit5=0.25", "Button3"};
    }
    presses << QStringList{"Button1"} << QStringList{"Edit11=2000", "Button1"};
    for (const QStringList &steps : std::as_const(presses)) {
        QCOMPARE(run(steps), QStringList());
        int checked = 0;
        const std::optional<tavrel::SheetContent> sheet = tavrel::sheetOf(currentTab());
        for (const tavrel::SheetFormula &formula : sheet->formulas) {
            const std::optional<Checked> line = checkedOf(formula);
            QVERIFY2(!line || std::abs(line->worked - line->shown) <=
                                  line->halfDigit + 1e-4 * std::abs(line->shown),
                     qPrintable(steps.join(' ') + ": " + formula.symbolic + " " + formula.withNumbers));
            checked += line ? 1 : 0;
        }
        QVERIFY2(checked >= 3, qPrintable(steps.join(' ')));
    }
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
