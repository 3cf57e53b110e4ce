// The bearing tab offscreen: designed texts, presses through the boxes and
// the button found by object name, and presses that must change nothing.
#include "guitest.h"

#include "app/calc_error.h"
#include "bearing/bearing_calc.h"

#include <QTabWidget>

#include <memory>

namespace
{

const char *const kBoxes[] = {"Edit8", "Edit9", "Edit25", "Edit10", "Edit11"}; // n Cor Cr Fr Fa

QStringList results(QObject *form)
{
    return textsOf(form, {"Label38", "Label28", "Label59"});
}

void typeInputs(QObject *form, const QStringList &inputs)
{
    for (int i = 0; i < 5; ++i)
        child<QLineEdit>(form, kBoxes[i])->setText(inputs.at(i));
}

} // namespace

class TestBearingTab : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsDesignedTexts();
    void followsTabOrder();
    void computesLife_data();
    void computesLife();
    void returnPressesCompute();
    void refusesBadInput_data();
    void refusesBadInput();

private:
    std::unique_ptr<TForm1> form_;
};

void TestBearingTab::init()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    child<QTabWidget>(form_.get(), "PageControl1")->setCurrentIndex(2);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestBearingTab::cleanup()
{
    form_.reset();
}

void TestBearingTab::showsDesignedTexts()
{
    const std::pair<const char *, const char *> rows[] = {
        {"Label23", "回  転  数       n = "},
        {"Label24", "静定格荷重   Cor ="},
        {"Label25", "ラジアル荷重    Fr = "},
        {"Label26", "アキシアル荷重 Fa = "},
        {"Label27", "定格疲れ寿命 Lh ="},
        {"Label28", "      "},
        {"Label29", "r/min"},
        {"Label33", "時間"},
        {"Label37", "動等価荷重      P ="},
        {"Label38", "      "},
        {"Label40", "   単列深溝玉軸受けの寿命計算   "},
        {"Label58", "(日数 =                  )"},
        {"Label59", ""},
        {"Label61", "動定格荷重   Cr  ="},
        {"Edit8", "100"},
        {"Edit9", "6000"},
        {"Edit10", "1500"},
        {"Edit11", "200"},
        {"Edit25", "6000"},
    };
    for (const auto &[name, text] : rows)
        QCOMPARE(textOf(form_.get(), name), QString::fromUtf8(text));
    QCOMPARE(child<QPushButton>(form_.get(), "Button1")->text(), QStringLiteral("計  算"));
    for (const char *unit : {"Label30", "Label31", "Label32", "Label39", "Label62"})
        QCOMPARE(textOf(form_.get(), unit), QStringLiteral("kgf"));
}

void TestBearingTab::followsTabOrder()
{
    QCOMPARE(tabStopsAfter(form_.get(), "Edit8", 5),
             (QStringList{"Edit9", "Edit10", "Edit11", "Button1", "Edit25"}));
}

void TestBearingTab::computesLife_data()
{
    QTest::addColumn<QStringList>("inputs"); // n, Cor, Cr, Fr, Fa
    QTest::addColumn<QStringList>("shown");  // P, Lh, days
    QTest::newRow("defaults, radial only")
        << QStringList{"100", "6000", "6000", "1500", "200"} << QStringList{" 1500.0", " 10666.7", " 444 日"};
    QTest::newRow("Fa/Fr just above e")
        << QStringList{"100", "4020", "6000", "800", "201"} << QStringList{" 801.8", " 69850.5", " 2910 日"};
    QTest::newRow("pure axial load, Fr zero")
        << QStringList{"100", "6000", "6000", "0", "200"} << QStringList{" 384.0", " 635782.9", " 26491 日"};
}

void TestBearingTab::computesLife()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, shown);
    typeInputs(form_.get(), inputs);
    QCOMPARE(press(form_.get(), "Button1"), QStringList());
    QCOMPARE(results(form_.get()), shown);
    // A result too long for its designed field can still be read whole.
    QCOMPARE(child<QLabel>(form_.get(), "Label28")->toolTip(), shown.at(1).trimmed());
    // Only the results change.
    QCOMPARE(textsOf(form_.get(), {"Edit8", "Edit9", "Edit25", "Edit10", "Edit11"}), inputs);
}

void TestBearingTab::returnPressesCompute()
{
    auto *box = child<QLineEdit>(form_.get(), "Edit25");
    box->setFocus();
    QVERIFY(answeringErrorBoxes([&] { QTest::keyClick(box, Qt::Key_Return); }).isEmpty());
    QCOMPARE(results(form_.get()), (QStringList{" 1500.0", " 10666.7", " 444 日"}));
}

void TestBearingTab::refusesBadInput_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString noRow = QString::fromUtf8(tavrel::kNoLoadFactorMessage);
    const QString fault = QString::fromUtf8(tavrel::kFloatFaultMessage);
    QTest::newRow("n letters") << QByteArray("Edit8") << QStringLiteral("abc")
                               << QStringLiteral("「abc」は正しい数値ではありません。");
    QTest::newRow("Fa empty, the last box read")
        << QByteArray("Edit11") << QString() << QStringLiteral("「」は正しい数値ではありません。");
    QTest::newRow("Cr two points") << QByteArray("Edit25") << QStringLiteral("6.0.0")
                                   << QStringLiteral("「6.0.0」は正しい数値ではありません。");
    QTest::newRow("Cor zero") << QByteArray("Edit9") << QStringLiteral("0") << noRow;
    QTest::newRow("Cor negative") << QByteArray("Edit9") << QStringLiteral("-6000") << noRow;
    QTest::newRow("Fa negative") << QByteArray("Edit11") << QStringLiteral("-200") << noRow;
    QTest::newRow("n zero") << QByteArray("Edit8") << QStringLiteral("0") << fault;
}

void TestBearingTab::refusesBadInput()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QVERIFY(press(form_.get(), "Button1").isEmpty());
    const QStringList before = results(form_.get());
    child<QLineEdit>(form_.get(), box.constData())->setText(text);
    QCOMPARE(press(form_.get(), "Button1"), QStringList{message});
    QCOMPARE(results(form_.get()), before);
}

QTEST_MAIN(TestBearingTab)
#include "tst_bearing_tab.moc"
