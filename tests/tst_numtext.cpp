// Reading and showing numbers: the grammar of StrToFloat, the rounding and
// shape rules of FormatFloat, and FloatToStr's general form.
#include "app/numtext.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale.h>

using namespace tavrel;

class TestNumText : public QObject
{
    Q_OBJECT

private slots:
    void readsValidText_data();
    void readsValidText();
    void rejectsInvalidText_data();
    void rejectsInvalidText();
    void runsUnderExpectedLocale();
    void conversionErrorQuotesText();
    void formatsWithPattern_data();
    void formatsWithPattern();
    void showsPlainNumber_data();
    void showsPlainNumber();
};

void TestNumText::readsValidText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("integer") << QByteArray("40") << 40.0;
    QTest::newRow("leading blank, exponent") << QByteArray(" 1.33e4") << 13300.0;
    QTest::newRow("trailing zero") << QByteArray("0.30") << 0.3;
    QTest::newRow("minus") << QByteArray("-5") << -5.0;
    QTest::newRow("plus") << QByteArray("+5") << 5.0;
    QTest::newRow("no integer digit") << QByteArray(".5") << 0.5;
    QTest::newRow("no decimal digit") << QByteArray("5.") << 5.0;
    QTest::newRow("capital E, negative exponent") << QByteArray("1E-3") << 0.001;
    QTest::newRow("blanks both sides") << QByteArray("  12  ") << 12.0;
    QTest::newRow("exponent with plus") << QByteArray("2.5e+2") << 250.0;
    QTest::newRow("own output read back") << QByteArray(" 1.68e-2") << 0.0168;
    QTest::newRow("correctly rounded 0.3") << QByteArray("0.3") << 0.3;
    QTest::newRow("0.1 is the nearest double") << QByteArray("0.1") << 0.1;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308")
                                    << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << QByteArray("4.9406564584124654e-324")
                               << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflow reads as zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("huge negative exponent") << QByteArray("5e-99999999999999999999") << 0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
    QTest::newRow("many digits") << QByteArray("000000000000000000001.50000000000000000000000") << 1.5;
}

void TestNumText::readsValidText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(StrToFloat(text.toStdString()), expected);
    QVERIFY(matchesNumberGrammar(text.toStdString()));
}

void TestNumText::rejectsInvalidText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blanks only") << QByteArray("   ");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("two points") << QByteArray("1.2.3");
    QTest::newRow("thousands comma") << QByteArray("1,000");
    QTest::newRow("decimal comma") << QByteArray("0,3");
    QTest::newRow("exponent without digits") << QByteArray("1e");
    QTest::newRow("exponent sign only") << QByteArray("1e+");
    QTest::newRow("exponent without mantissa") << QByteArray("e5");
    QTest::newRow("point only") << QByteArray(".");
    QTest::newRow("sign only") << QByteArray("-");
    QTest::newRow("two signs") << QByteArray("+-5");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("infinity") << QByteArray("inf");
    QTest::newRow("nan") << QByteArray("nan");
    QTest::newRow("inner blank") << QByteArray("1 2");
    QTest::newRow("blank after sign") << QByteArray("- 5");
    QTest::newRow("tab") << QByteArray("\t5");
    QTest::newRow("full-width digits") << QByteArray("１２");
    QTest::newRow("full-width point") << QByteArray("1．5");
    QTest::newRow("overflow") << QByteArray("1e999");
    QTest::newRow("overflow by digits") << QByteArray("2" + QByteArray(400, '0'));
    QTest::newRow("trailing letter") << QByteArray("5a");
    QTest::newRow("embedded NUL") << QByteArray("5\0"
                                                "1",
                                                3);
}

void TestNumText::rejectsInvalidText()
{
    QFETCH(QByteArray, text);
    const std::string s(text.constData(), static_cast<std::size_t>(text.size()));
    QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(s));
    if (text != "1e999" && !text.startsWith("2000"))
        QVERIFY(!matchesNumberGrammar(s));
}

void TestNumText::runsUnderExpectedLocale()
{
    // The suite runs a second time under a decimal-comma locale (see
    // tests/CMakeLists.txt); make sure that run really has one, or it would
    // prove nothing about locale independence.
    if (qEnvironmentVariableIsEmpty("TAVREL_EXPECT_DECIMAL_COMMA"))
        QSKIP("runs under the default locale");
    QCOMPARE(std::string(std::localeconv()->decimal_point), std::string(","));
}

void TestNumText::conversionErrorQuotesText()
{
    try {
        StrToFloat("abc");
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(e.text(), std::string("abc"));
        QCOMPARE(std::string(e.what()), std::string("「abc」は正しい数値ではありません。"));
    }
    // A very long text is shortened in the message but kept whole in the error.
    const std::string longText(5000, 'x');
    try {
        StrToFloat(longText);
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(e.text(), longText);
        QVERIFY(std::string(e.what()).size() < 200);
    }
}

void TestNumText::formatsWithPattern_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    // Fixed form, three decimals.
    QTest::newRow("round up third decimal")
        << QByteArray(" ###0.000") << 1234.5678 << QByteArray(" 1234.568");
    QTest::newRow("required zeros") << QByteArray(" ###0.000") << 0.5 << QByteArray(" 0.500");
    QTest::newRow("exact half away from zero") << QByteArray(" ###0.000") << 0.0625 << QByteArray(" 0.063");
    QTest::newRow("negative half away from zero")
        << QByteArray(" ###0.000") << -0.0625 << QByteArray(" -0.063");
    QTest::newRow("tiny negative shows no minus")
        << QByteArray(" ###0.000") << -0.0001 << QByteArray(" 0.000");
    QTest::newRow("negative zero") << QByteArray(" ###0.000") << -0.0 << QByteArray(" 0.000");
    QTest::newRow("minus after leading blank")
        << QByteArray(" ###0.000") << -95.8226 << QByteArray(" -95.823");
    QTest::newRow("more integer digits than placeholders")
        << QByteArray(" ###0.000") << 123456.0 << QByteArray(" 123456.000");
    QTest::newRow("carry through nines") << QByteArray(" ###0.000") << 9999.9996 << QByteArray(" 10000.000");
    QTest::newRow("half at first dropped digit") << QByteArray(" ###0.000") << 0.0005 << QByteArray(" 0.001");
    QTest::newRow("below half of last decimal") << QByteArray(" ###0.000") << 0.00049 << QByteArray(" 0.000");
    QTest::newRow("1.0005 is below half in binary")
        << QByteArray(" ###0.000") << 1.0005 << QByteArray(" 1.000");
    QTest::newRow("large but fixed") << QByteArray(" ###0.000") << 1e17
                                     << QByteArray(" 100000000000000000.000");
    QTest::newRow("1e18 in general form") << QByteArray(" ###0.000") << 1e18 << QByteArray("1E18");
    QTest::newRow("negative 1e18 in general form")
        << QByteArray(" ###0.000") << -2.5e20 << QByteArray("-2.5E20");
    // One decimal, and whole numbers with a unit.
    QTest::newRow("one decimal") << QByteArray(" ####0.0") << 10666.66667 << QByteArray(" 10666.7");
    QTest::newRow("one decimal zero") << QByteArray(" ####0.0") << 1500.0 << QByteArray(" 1500.0");
    QTest::newRow("days with unit") << QByteArray(" ####0 日") << 444.44 << QByteArray(" 444 日");
    QTest::newRow("days half up") << QByteArray(" ####0 日") << 2.5 << QByteArray(" 3 日");
    QTest::newRow("days negative") << QByteArray(" ####0 日") << -12.7 << QByteArray(" -13 日");
    // Whole number with a point but no decimals.
    QTest::newRow("point without decimals") << QByteArray(" ###0.") << 2.5 << QByteArray(" 3");
    QTest::newRow("point without decimals, large")
        << QByteArray(" ###0.") << 100000.0 << QByteArray(" 100000");
    QTest::newRow("point without decimals, below half") << QByteArray(" ###0.") << 0.49 << QByteArray(" 0");
    // Optional decimals.
    QTest::newRow("optional decimals dropped") << QByteArray(" ###0.##") << 75.0 << QByteArray(" 75");
    QTest::newRow("2.675 is below half in binary") << QByteArray(" ###0.##") << 2.675 << QByteArray(" 2.67");
    QTest::newRow("optional decimal trailing zero") << QByteArray(" ###0.##") << 0.24 << QByteArray(" 0.24");
    QTest::newRow("one optional decimal") << QByteArray(" ###0.##") << 1.5 << QByteArray(" 1.5");
    QTest::newRow("optional decimals round to whole")
        << QByteArray(" ###0.##") << 6.2499999 << QByteArray(" 6.25");
    QTest::newRow("optional decimals carry") << QByteArray(" ###0.##") << 0.999 << QByteArray(" 1");
    // Scientific form.
    QTest::newRow("sci three digits") << QByteArray(" #.##e-0") << 13333.33 << QByteArray(" 1.33e4");
    QTest::newRow("sci negative exponent") << QByteArray(" #.##e-0") << 0.0167619 << QByteArray(" 1.68e-2");
    QTest::newRow("sci trailing zeros dropped") << QByteArray(" #.##e-0") << 5000.0 << QByteArray(" 5e3");
    QTest::newRow("sci carry to next power") << QByteArray(" #.##e-0") << 9996.0 << QByteArray(" 1e4");
    QTest::newRow("sci zero") << QByteArray(" #.##e-0") << 0.0 << QByteArray(" 0e0");
    QTest::newRow("sci one") << QByteArray(" #.##e-0") << 1.0 << QByteArray(" 1e0");
    QTest::newRow("sci negative value") << QByteArray(" #.##e-0") << -0.00140763 << QByteArray(" -1.41e-3");
    QTest::newRow("sci large exponent") << QByteArray(" #.##e-0") << 1.2345e300 << QByteArray(" 1.23e300");
    QTest::newRow("sci subnormal") << QByteArray(" #.##e-0") << 4.9406564584124654e-324
                                   << QByteArray(" 4.94e-324");
    QTest::newRow("sci largest double is cut, not rounded past it")
        << QByteArray(" #.##e-0") << -std::numeric_limits<double>::max() << QByteArray(" -1.79e308");
    QTest::newRow("sci near largest double rounds as usual")
        << QByteArray(" #.##e-0") << 1.7949e308 << QByteArray(" 1.79e308");
    QTest::newRow("fixed largest double in general form")
        << QByteArray(" ###0.000") << std::numeric_limits<double>::max()
        << QByteArray("1.79769313486231E308");
    QTest::newRow("sci signed exponent") << QByteArray("0.00E+00") << 12345.0 << QByteArray("1.23E+04");
    QTest::newRow("sci signed zero") << QByteArray("0.00E+00") << 0.0 << QByteArray("0.00E+00");
    QTest::newRow("sci two integer digits") << QByteArray("00.0e-0") << 12345.0 << QByteArray("12.3e3");
    // Quoted text and non-finite values.
    QTest::newRow("quoted text copied") << QByteArray("0.0\"#0.\"") << 1.25 << QByteArray("1.3#0.");
    QTest::newRow("infinity") << QByteArray(" ###0.000") << std::numeric_limits<double>::infinity()
                              << QByteArray("INF");
    QTest::newRow("negative infinity")
        << QByteArray(" #.##e-0") << -std::numeric_limits<double>::infinity() << QByteArray("-INF");
    QTest::newRow("nan") << QByteArray(" ####0.0") << std::numeric_limits<double>::quiet_NaN()
                         << QByteArray("NAN");
}

void TestNumText::formatsWithPattern()
{
    QFETCH(QByteArray, pattern);
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(FormatFloat(pattern.toStdString(), value)), expected);
}

void TestNumText::showsPlainNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("steel") << 21000.0 << QByteArray("21000");
    QTest::newRow("aluminium") << 7000.0 << QByteArray("7000");
    QTest::newRow("half") << 0.5 << QByteArray("0.5");
    QTest::newRow("negative") << -2.25 << QByteArray("-2.25");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("0");
    QTest::newRow("large") << 1e20 << QByteArray("1E20");
    QTest::newRow("small") << 1.5e-7 << QByteArray("1.5E-7");
    QTest::newRow("smallest fixed") << 0.0001 << QByteArray("0.0001");
    QTest::newRow("largest exponent general") << 1e-5 << QByteArray("1E-5");
    QTest::newRow("fifteen digits fixed") << 123456789012345.0 << QByteArray("123456789012345");
    QTest::newRow("sixteen digits general") << 1234567890123456.0 << QByteArray("1.23456789012346E15");
    QTest::newRow("0.1 plus 0.2 rounds at fifteen") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::newRow("third") << 1.0 / 3 << QByteArray("0.333333333333333");
    QTest::newRow("largest double reads back")
        << std::numeric_limits<double>::max() << QByteArray("1.79769313486231E308");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("INF");
}

void TestNumText::showsPlainNumber()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(FloatToStr(value)), expected);
}

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"
