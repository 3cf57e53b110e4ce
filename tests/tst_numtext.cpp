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
    void readsText_data();
    void readsText();
    void runsUnderExpectedLocale();
    void namesBoxInMessage_data();
    void namesBoxInMessage();
    void quotesTextVisibly_data();
    void quotesTextVisibly();
    void formatsWithPattern_data();
    void formatsWithPattern();
};

void TestNumText::readsText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("fault"); // -1: reads
    const auto reads = [](const char *name, QByteArray text, double value) {
        QTest::newRow(name) << text << value << -1;
    };
    const auto refuses = [](const char *name, QByteArray text, ConvertFault fault) {
        QTest::newRow(name) << text << 0.0 << int(fault);
    };
    reads("integer", "40", 40.0);
    reads("leading blank, exponent", " 1.33e4", 13300.0);
    reads("minus", "-5", -5.0);
    reads("plus", "+5", 5.0);
    reads("no integer digit", ".5", 0.5);
    reads("no decimal digit", "5.", 5.0);
    reads("capital E, negative exponent", "1E-3", 0.001);
    reads("blanks both sides", "  12  ", 12.0);
    reads("exponent with plus", "2.5e+2", 250.0);
    reads("correctly rounded 0.1", "0.1", 0.1);
    reads("largest double", "1.7976931348623157e308", std::numeric_limits<double>::max());
    reads("subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min());
    reads("underflow reads as zero", "1e-400", 0.0);
    reads("huge negative exponent", "5e-99999999999999999999", 0.0);
    reads("zero with huge exponent", "0e99999", 0.0);
    reads("many digits", "000000000000000000001.50000000000000000000000", 1.5);
    reads("long zeros then a huge exponent", "0." + QByteArray(40000, '0') + "5e40001", 5.0);
    refuses("empty", "", ConvertFault::Empty);
    refuses("blanks only", "   ", ConvertFault::Empty);
    refuses("letters", "abc", ConvertFault::Malformed);
    refuses("two points", "1.2.3", ConvertFault::Malformed);
    refuses("decimal comma", "0,3", ConvertFault::Malformed);
    refuses("exponent sign only", "1e+", ConvertFault::Malformed);
    refuses("exponent without mantissa", "e5", ConvertFault::Malformed);
    refuses("point only", ".", ConvertFault::Malformed);
    refuses("sign only", "-", ConvertFault::Malformed);
    refuses("two signs", "+-5", ConvertFault::Malformed);
    refuses("hexadecimal", "0x10", ConvertFault::Malformed);
    refuses("infinity", "inf", ConvertFault::Malformed);
    refuses("inner blank", "1 2", ConvertFault::Malformed);
    refuses("tab", "\t5", ConvertFault::Malformed);
    refuses("full-width digits", "１２", ConvertFault::Malformed);
    refuses("embedded NUL",
            QByteArray("5\0"
                       "1",
                       3),
            ConvertFault::Malformed);
    refuses("overflow", "1e999", ConvertFault::TooLarge);
    refuses("overflow by digits", "-2" + QByteArray(400, '0'), ConvertFault::TooLarge);
}

void TestNumText::readsText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QFETCH(int, fault);
    const std::string s(text.constData(), static_cast<std::size_t>(text.size()));
    QCOMPARE(matchesNumberGrammar(s),
             fault != int(ConvertFault::Empty) && fault != int(ConvertFault::Malformed));
    try {
        QCOMPARE(StrToFloat(s), expected);
        QCOMPARE(fault, -1);
    } catch (const EConvertError &e) {
        QCOMPARE(int(e.fault()), fault);
        QCOMPARE(e.text(), s);
    }
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

void TestNumText::namesBoxInMessage_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("hint");
    QTest::addColumn<QByteArray>("message");
    const auto row = [](const char *text, const char *name, const char *hint, const char *message) {
        QTest::newRow(message) << QByteArray(text) << QByteArray(name) << QByteArray(hint)
                               << QByteArray(message);
    };
    row("abc", "E1", "", "「E1」の「abc」は正しい数値ではありません。");
    row("abc", "", "", "「abc」は正しい数値ではありません。");
    row(" ", "n", "", "「n」が空欄です。数値を入力してください。");
    row("1e400", "P", "", "「P」の「1e400」は大きすぎて扱えません。");
    row("x", "b2", "断面で「中空円形」",
        "「b2」の「x」は正しい数値ではありません。この欄は断面で「中空円形」を選ぶと入力できます。");
}

void TestNumText::namesBoxInMessage()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, hint);
    QFETCH(QByteArray, message);
    try {
        StrToFloat(text.toStdString());
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(QByteArray::fromStdString(conversionMessage(e, name.toStdString(), hint.toStdString())),
                 message);
    }
}

void TestNumText::quotesTextVisibly_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("quoted");
    QTest::newRow("plain and Japanese") << QByteArray("１２ abc") << QByteArray("１２ abc");
    QTest::newRow("NUL keeps what follows") << QByteArray("4\0 0", 4) << QByteArray("4⟨U+0000⟩ 0");
    QTest::newRow("tab and delete") << QByteArray("\t1\x7f") << QByteArray("⟨U+0009⟩1⟨U+007F⟩");
    QTest::newRow("right-to-left override") << QByteArray("\u202E40") << QByteArray("⟨U+202E⟩40");
    QTest::newRow("no-break space") << QByteArray("40\u00A0") << QByteArray("40⟨U+00A0⟩");
    QTest::newRow("zero-width space") << QByteArray("\u200B40") << QByteArray("⟨U+200B⟩40");
    QTest::newRow("ideographic space") << QByteArray("\u300040") << QByteArray("⟨U+3000⟩40");
    QTest::newRow("byte-order mark") << QByteArray("\uFEFF1") << QByteArray("⟨U+FEFF⟩1");
    QTest::newRow("combining mark first") << QByteArray("\u03011\u0301") << QByteArray("⟨U+0301⟩1\u0301");
    QTest::newRow("not UTF-8") << QByteArray("1\xff\xc3") << QByteArray("1⟨0xFF⟩⟨0xC3⟩");
    QTest::newRow("long text cut at 40 characters")
        << QByteArray(40, 'x') + "漢y" << QByteArray(40, 'x') + "…";
    QTest::newRow("40 characters whole") << QByteArray(39, 'x') + "漢" << QByteArray(39, 'x') + "漢";
}

void TestNumText::quotesTextVisibly()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, quoted);
    QCOMPARE(QByteArray::fromStdString(visibleText(std::string_view(text.constData(), text.size()))), quoted);
}

void TestNumText::formatsWithPattern_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, const char *pattern, double value, const char *expected) {
        QTest::newRow(name) << QByteArray(pattern) << value << QByteArray(expected);
    };
    const double largest = std::numeric_limits<double>::max();
    row("round up third decimal", kPatternThreeDecimals, 1234.5678, " 1234.568");
    row("required zeros", kPatternThreeDecimals, 0.5, " 0.500");
    row("exact half away from zero", kPatternThreeDecimals, 0.0625, " 0.063");
    row("minus after the leading blank", kPatternThreeDecimals, -0.0625, " -0.063");
    row("tiny negative shows no minus", kPatternThreeDecimals, -0.0001, " 0.000");
    row("negative zero", kPatternThreeDecimals, -0.0, " 0.000");
    row("more integer digits than placeholders", kPatternThreeDecimals, 123456.0, " 123456.000");
    row("carry through nines", kPatternThreeDecimals, 9999.9996, " 10000.000");
    row("1.0005 is below half in binary", kPatternThreeDecimals, 1.0005, " 1.000");
    row("large but fixed", kPatternThreeDecimals, 1e17, " 100000000000000000.000");
    row("1e18 in general form", kPatternThreeDecimals, -2.5e20, "-2.5E20");
    row("one decimal", kPatternOneDecimal, 10666.66667, " 10666.7");
    row("days with unit, half up", kPatternDays, 2.5, " 3 日");
    row("days negative", kPatternDays, -12.7, " -13 日");
    row("point without decimals", kPatternWhole, 2.5, " 3");
    row("point without decimals, below half", kPatternWhole, 0.49, " 0");
    row("optional decimals dropped", kPatternTwoDecimals, 75.0, " 75");
    row("2.675 is below half in binary", kPatternTwoDecimals, 2.675, " 2.67");
    row("one optional decimal", kPatternTwoDecimals, 1.5, " 1.5");
    row("optional decimals carry", kPatternTwoDecimals, 0.999, " 1");
    row("sci three digits", kPatternScientific, 13333.33, " 1.33e4");
    row("sci negative exponent", kPatternScientific, 0.0167619, " 1.68e-2");
    row("sci trailing zeros dropped", kPatternScientific, 5000.0, " 5e3");
    row("sci carry to next power", kPatternScientific, 9996.0, " 1e4");
    row("sci zero", kPatternScientific, 0.0, " 0e0");
    row("sci negative value", kPatternScientific, -0.00140763, " -1.41e-3");
    row("sci subnormal", kPatternScientific, 4.9406564584124654e-324, " 4.94e-324");
    row("sci largest double is cut, not rounded past it", kPatternScientific, -largest, " -1.79e308");
    row("sci near largest double rounds as usual", kPatternScientific, 1.7949e308, " 1.79e308");
    row("fixed largest double in general form", kPatternThreeDecimals, largest, "1.79769313486231E308");
    row("sci signed exponent", "0.00E+00", 12345.0, "1.23E+04");
    row("sci two integer digits", "00.0e-0", 12345.0, "12.3e3");
    row("quoted text copied", "0.0\"#0.\"", 1.25, "1.3#0.");
    row("infinity", kPatternThreeDecimals, std::numeric_limits<double>::infinity(), "INF");
    row("negative infinity", kPatternScientific, -std::numeric_limits<double>::infinity(), "-INF");
    row("nan", kPatternOneDecimal, std::numeric_limits<double>::quiet_NaN(), "NAN");
    // The plain general form (no pattern).
    row("steel", nullptr, 21000.0, "21000");
    row("half", nullptr, 0.5, "0.5");
    row("negative", nullptr, -2.25, "-2.25");
    row("negative zero", nullptr, -0.0, "0");
    row("large", nullptr, 1e20, "1E20");
    row("smallest fixed", nullptr, 0.0001, "0.0001");
    row("largest exponent general", nullptr, 1e-5, "1E-5");
    row("fifteen digits fixed", nullptr, 123456789012345.0, "123456789012345");
    row("sixteen digits general", nullptr, 1234567890123456.0, "1.23456789012346E15");
    row("0.1 plus 0.2 rounds at fifteen", nullptr, 0.1 + 0.2, "0.3");
}

void TestNumText::formatsWithPattern()
{
    QFETCH(QByteArray, pattern);
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    const std::string text = pattern.isNull() ? FloatToStr(value) : FormatFloat(pattern.toStdString(), value);
    QCOMPARE(QByteArray::fromStdString(text), expected);
}

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"
