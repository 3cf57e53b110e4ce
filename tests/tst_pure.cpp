// The number rules and the three calculations, without any window: reading
// and refusing texts, the messages and their quoting, the display patterns,
// what a paste takes, where the sheet's lines break, the Hertz results through the texts the tab shows, the
// beam and bearing results against exact values, and the inputs each calculation refuses.
#include "core/beam/beam_calc.h"
#include "core/bearing/bearing_calc.h"
#include "core/calc_error.h"
#include "core/hertz/hertz_calc.h"
#include "core/num/numtext.h"
#include "core/num/paste_text.h"
#include "sheet/sheet_text.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace tavrel;

namespace
{

constexpr int kReads = -1;
constexpr auto kEmpty = int(ConvertFault::Empty), kMalformed = int(ConvertFault::Malformed),
               kTooLarge = int(ConvertFault::TooLarge);
constexpr double kMax = std::numeric_limits<double>::max(), kInf = std::numeric_limits<double>::infinity();

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

class TestPure : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void formats_data();
    void formats();
    void pastes_data();
    void pastes();
    void wrapsLines_data();
    void wrapsLines();
    void calculates_data();
    void calculates();
};

void TestPure::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("quoted"); // as a message quotes a refused text, if not as typed
    // clang-format off
    const struct {
        std::string_view text;
        double value;
        int fault;
        std::string_view quoted = {};
    } rows[] = {
        {"40", 40, kReads}, {" 1.33e4", 13300, kReads}, {"-5", -5, kReads}, {"+.5", 0.5, kReads},
        {"5.", 5, kReads}, {" 1E-3 ", 0.001, kReads}, {"2.5e+2", 250, kReads}, {"0.1", 0.1, kReads},
        {"1.7976931348623157e308", kMax, kReads}, {"4.9406564584124654e-324", 5e-324, kReads},
        {"1e-400", 0, kReads}, {"5e-99999999999999999999", 0, kReads}, {"0e99999", 0, kReads},
        {"000001.5000000000000000000000", 1.5, kReads}, {"", 0, kEmpty}, {" ", 0, kEmpty},
        {"abc", 0, kMalformed}, {"1.2.3", 0, kMalformed}, {"0,3", 0, kMalformed}, {"1e+", 0, kMalformed},
        {"e5", 0, kMalformed}, {".", 0, kMalformed}, {"-", 0, kMalformed}, {"+-5", 0, kMalformed},
        {"0x10", 0, kMalformed}, {"inf", 0, kMalformed}, {"1 2", 0, kMalformed}, {"１２ abc", 0, kMalformed},
        {"1e999", 0, kTooLarge}, {"-2000000000000000000e300", 0, kTooLarge},
        {{"4\0 0", 4}, 0, kMalformed, "4⟨U+0000⟩ 0"}, {"\t1\x7f", 0, kMalformed, "⟨U+0009⟩1⟨U+007F⟩"},
        {"\u202E40", 0, kMalformed, "⟨U+202E⟩40"}, {"40\u00A0", 0, kMalformed, "40⟨U+00A0⟩"},
        {"\u200B\u300040", 0, kMalformed, "⟨U+200B⟩⟨U+3000⟩40"}, {"\uFEFF1", 0, kMalformed, "⟨U+FEFF⟩1"},
        {"1\xf8\x90\x80\x80\xed\xbf\xbf\xc3", 0, kMalformed, "1⟨0xF8⟩⟨0x90⟩⟨0x80⟩⟨0x80⟩⟨0xED⟩⟨0xBF⟩⟨0xBF⟩⟨0xC3⟩"},
        {"\U0010FFFD\U0001F600", 0, kMalformed}, {"\u03011\u0301", 0, kMalformed, "⟨U+0301⟩1\u0301"},
        {"\xc2\x80\u0800\U00010000", 0, kMalformed, "⟨U+0080⟩\u0800\U00010000"},
        {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx漢y", 0, kMalformed, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…"},
        {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx漢", 0, kMalformed},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(bytes(row.text).toPercentEncoding(" +-.,").constData())
            << bytes(row.text) << row.value << row.fault << bytes(row.quoted.empty() ? row.text : row.quoted);
    QTest::newRow("40000 zeros, then a huge exponent")
        << "0." + QByteArray(40000, '0') + "5e40001" << 5.0 << kReads << QByteArray();
}

void TestPure::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(int, fault);
    QFETCH(QByteArray, quoted);
    const std::string s = text.toStdString();
    QCOMPARE(matchesNumberGrammar(s), fault == kReads || fault == kTooLarge);
    try {
        QCOMPARE(StrToFloat(s), value);
        QCOMPARE(fault, kReads);
    } catch (const EConvertError &e) {
        QCOMPARE(int(e.fault()), fault);
        QCOMPARE(e.text(), s);
        // The message names the box and quotes its text visibly, or says it
        // is empty.
        const QByteArray message = bytes(conversionMessage(e, "E1"));
        QCOMPARE(message, fault == kEmpty ? "「E1」が空欄です。数値を入力してください。"
                                          : "「E1」の「" + quoted +
                                                (fault == kTooLarge ? "」は大きすぎて扱えません。"
                                                                    : "」は正しい数値ではありません。"));
    }
}

void TestPure::formats_data()
{
    QTest::addColumn<QByteArray>("pattern"); // null: FloatToStr
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    const char *three = kPatternThreeDecimals, *sci = kPatternScientific, *two = kPatternTwoDecimals;
    // clang-format off
    const struct {
        const char *pattern;
        double value;
        const char *expected;
    } rows[] = {
        {three, 1234.5678, " 1234.568"}, {three, 0.5, " 0.500"}, {three, 0.0625, " 0.063"},
        {three, -0.0625, " -0.063"}, {three, -0.0001, " 0.000"}, {three, -0.0, " 0.000"},
        {three, 123456.0, " 123456.000"}, {three, 9999.9996, " 10000.000"}, {three, 1.0005, " 1.000"},
        {three, 1e17, " 100000000000000000.000"}, {three, -1e18, "-1E18"},
        {three, kMax, "1.79769313486231E308"}, {kPatternOneDecimal, 10666.66667, " 10666.7"},
        {kPatternDays, 2.5, " 3 日"}, {kPatternDays, -12.7, " -13 日"}, {kPatternWhole, 2.5, " 3"},
        {kPatternWhole, 0.5, " 1"}, {two, 75.0, " 75"}, {two, 2.675, " 2.67"}, {two, 1.5, " 1.5"},
        {two, 0.999, " 1"}, {sci, 13333.33, " 1.33e4"}, {sci, 0.0167619, " 1.68e-2"}, {sci, 5000.0, " 5e3"},
        {sci, 9996.0, " 1e4"}, {sci, 0.0, " 0e0"}, {sci, -0.00140763, " -1.41e-3"},
        {sci, 5e-324, " 4.94e-324"}, {sci, -kMax, " -1.79e308"}, {sci, 1.7949e308, " 1.79e308"},
        {"0.00E+00", 12345.0, "1.23E+04"}, {"00.0e-0", 12345.0, "12.3e3"}, {"000.0", 5.25, "005.3"},
        {"0.0\"#0.\"", 1.25, "1.3#0."}, {"0x-0", 5.0, "0x-5"},
        {three, kInf, "INF"}, {sci, -kInf, "-INF"}, {two, std::nan(""), "NAN"}, {nullptr, 21000.0, "21000"},
        {nullptr, -2.25, "-2.25"}, {nullptr, -0.0, "0"}, {nullptr, 1e20, "1E20"}, {nullptr, 0.0001, "0.0001"},
        {nullptr, 1e-5, "1E-5"}, {nullptr, 123456789012345.0, "123456789012345"},
        {nullptr, 1234567890123456.0, "1.23456789012346E15"}, {nullptr, 0.1 + 0.2, "0.3"},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("%s %g %s", row.pattern, row.value, row.expected)
            << QByteArray(row.pattern) << row.value << QByteArray(row.expected);
}

void TestPure::formats()
{
    QFETCH(QByteArray, pattern);
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(pattern.isNull() ? FloatToStr(value) : FormatFloat(pattern.toStdString(), value)),
             expected);
}

void TestPure::pastes_data()
{
    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<QByteArray>("box"); // what the box takes; null: refused as several cells
    QTest::addColumn<bool>("fullWidth"); // the clip holds a full-width character
    const struct {
        const char *clip, *box;
        bool fullWidth;
    } rows[] = {
        // clang-format off
        {"500\n", "500", false}, {"\t500\r\n", "500", false}, {"1\t2", nullptr, false}, {"1\r\n2\r\n", nullptr, false},
        {"\u3000１２．５ｅ－３\u3000", "12.5e-3", true}, {"＋１Ｅ５", "+1E5", true}, {"１，０", "1，0", true},
        {" \u3000\n", "", true}, {"ｱ1‐1", "ｱ1‐1", false}, {"\uFF60", "\uFF60", true}, {"\uFFE6", "\uFFE6", true},
        // Every Unicode blank around a cell goes; a line or paragraph
        // separator inside one parts two cells.
        {"\u00A0500\u00A0", "500", false}, {"\u2028500\u2029", "500", false}, {"\u200B\uFEFF5\u2003\u0085", "5", false},
        {"5\u20286", nullptr, false}, {"5\u20296", nullptr, false}, {"1\u00852", nullptr, false}, {"1\u00A0000", "1\u00A0000", false},
        // A minus as Japanese documents write it, only before a number.
        {"\u22125", "-5", false}, {"1e\u22123", "1e-3", false}, {"\u2212.5", "-.5", false}, {"ー３", "-3", true},
        {"\u2212", "\u2212", false}, {"ーa", "ーa", false}, {"\u2212.", "\u2212.", false}, {"5ー", "5ー", false},
        {"\u22120.5", "-0.5", false}, {"ー０", "-0", true}, {"\u2212.a", "\u2212.a", false}, {"\u00A0\u22125\u2028", "-5", false},
        {"\xE2\x88", "\xE2\x88", false}, {"\xFF" "5", "\xFF" "5", false},
        // clang-format on
    };
    for (const auto &row : rows)
        QTest::newRow(QByteArray(row.clip).toPercentEncoding().constData())
            << QByteArray(row.clip) << QByteArray(row.box) << row.fullWidth;
}

void TestPure::pastes()
{
    QFETCH(QByteArray, clip);
    QFETCH(QByteArray, box);
    QFETCH(bool, fullWidth);
    const std::optional<std::string> taken = pastedNumberText(clip.toStdString());
    QCOMPARE(taken.has_value(), !box.isNull());
    QCOMPARE(QByteArray::fromStdString(taken.value_or("")), box);
    QCOMPARE(hasFullWidth(clip.toStdString()), fullWidth);
}

void TestPure::wrapsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width"); // in characters
    QTest::addColumn<QString>("lines");
    // clang-format off
    QTest::newRow("a number wider than the line") << "1.6666666666666666e38" << 5.0 << "1.6666666666666666e38";
    QTest::newRow("a number among words") << "x = 1.5E+20 mm" << 8.0 << "x =|1.5E+20|mm";
    QTest::newRow("a product of numbers") << "= 1.2e-5·123.45" << 6.0 << "=|1.2e-5·123.45";
    QTest::newRow("after a slash") << "(-0.5)/3" << 4.0 << "(-0.5)/|3";
    QTest::newRow("a percentage") << "余裕 320 %）" << 6.0 << "余裕|320 %）";
    QTest::newRow("Japanese") << "計算書を保存" << 3.0 << "計算書|を保存";
    QTest::newRow("a line break") << "a\nb" << 9.0 << "a|b";
    QTest::newRow("fits") << "L = 10 mm" << 9.0 << "L = 10 mm";
    // clang-format on
}

// A number on a page to be signed is never broken across lines.
void TestPure::wrapsLines()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QString, lines);
    const auto advance = [](const QString &line) { return static_cast<double>(line.size()); };
    QCOMPARE(wrappedLines(text, width, advance).join('|'), lines);
}

void TestPure::calculates_data()
{
    QTest::addColumn<QByteArray>("calc"); // sphere, roller, "beam <load case> <section>", bearing
    QTest::addColumn<QList<double>>("in");
    QTest::addColumn<QByteArray>("shown"); // the results as their fields show them, or the refusal
    // Hertz: R1 P E1 E2 nu1 nu2, R2 or B; a or b, delta, pmax, sigmaZ, sigmaR, tau ("-": empty).
    // Beam: E L L1 x P b1 h1 b2 h2, typed I and Z; I, Mmax, sigma, delta, the deflection.
    // Bearing: n Cor Cr Fr Fa; P, Lh, days. With Fa = Fr = 200 every row's Y applies.
    const QList<double> beam{21000, 100, 40, 20, 20, 20, 20, 10, 10, 0, 10};
    const auto at = [&beam](double x, QList<double> dimensions = {20, 20, 10, 10, 0, 10}) {
        return beam.first(3) + QList<double>{x, 20} + dimensions;
    };
    // clang-format off
    const struct {
        const char *calc;
        QList<double> in;
        const char *shown;
    } rows[] = {
        {"sphere", {40, 100, 21000, 7000, 0.3, 0.25, 400}, "0.785 0.017 77.514 77.514 10.335 24.029"},
        {"sphere", {40, 100, 7000, 21000, 0.25, 0.3, 400}, "0.785 0.017 77.514 77.514 12.919 24.029"},
        {"sphere", {40, 100, 21000, 21000, 0.5, 0.3, 400}, "0.600 0.010 132.800 132.800 0.000 41.168"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.3, -400}, "0.661 0.010 109.258 109.258 14.568 33.870"},
        {"roller", {40, 1000, 21000, 21000, 0.3, 0.3, 10}, "0.664 0.016 95.823 -95.823 - 28.843"},
        {"roller", {40, 100, 21000, 21000, 0.3, 0.3, 400}, "0.033 0.000 4.791 -4.791 - 1.442"},
        {"roller", {40, 1000, 21000, 21000, 0.3, 0.29, 10}, "0.665 - 95.668 -95.668 - -"},
        {"roller", {40, 1000, 21000, 20000, 0.3, 0.3, 10}, "0.673 - 94.647 -94.647 - -"},
        {"roller", {40, 1000, 21000, 21000, 0.30000000000000004, 0.3, 10}, "0.664 - 95.823 -95.823 - -"},
        // Inputs that describe no contact, refused at their boundaries: ν up to
        // 0.5 and above -1, a seat larger than the ball.
        {"sphere", {40, 100, 0, 21000, 0.3, 0.3, 400}, "refused E1"},
        {"sphere", {40, 100, 21000, -1e-300, 0.3, 0.3, 400}, "refused E2"},
        {"sphere", {0, 100, 21000, 21000, 0.3, 0.3, 400}, "refused R1"},
        {"sphere", {-40, 100, 21000, 21000, 0.3, 0.3, -400}, "refused R1"},
        {"sphere", {40, -100, 21000, 21000, 0.3, 0.3, 400}, "refused P"},
        {"sphere", {40, 0, 21000, 21000, 0.3, 0.3, 400}, "refused P"},
        {"sphere", {40, 100, 21000, 21000, 0.5001, 0.3, 400}, "refused nu1"},
        {"sphere", {40, 100, 21000, 21000, 0.7, 0.7, 400}, "refused nu1"},
        {"sphere", {40, 100, 21000, 21000, -1, 0.3, 400}, "refused nu1"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.5001, 400}, "refused nu2"},
        {"sphere", {40, 100, 21000, 21000, 0.3, -1, 400}, "refused nu2"},
        {"sphere", {40, 100, 21000, 21000, -0.9999, 0.5, 400}, "0.460 0.006 225.502 225.502 225.487 69.906"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.3, 0}, "refused R2"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.3, -40}, "refused seat"},
        {"sphere", {10, 100, 21000, 21000, 0.3, 0.3, -8}, "refused seat"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.3, -40.0001}, "47.027 0.000 0.022 0.022 0.003 0.007"},
        {"sphere", {40, 100, 21000, 21000, 0.3, 0.3, 0.5}, "0.148 0.044 2194.232 2194.232 292.564 680.212"},
        {"sphere", {40, 1e308, 1e-308, 1e-308, 0.3, 0.3, 400}, kFloatFaultMessage},
        {"roller", {40, 1000, 21000, 21000, 0.3, 0.3, 0}, "refused B"},
        {"roller", {40, 1000, 21000, 21000, 0.3, 0.3, -10}, "refused B"},
        {"roller", {40, 0, 21000, 21000, 0.3, 0.3, 10}, "refused P"},
        {"roller", {-40, -1000, 21000, 21000, 0.3, 0.3, 10}, "refused R1"},
        {"roller", {40, 1000, 21000, 21000, 0.5, 0.5, -10}, "refused B"},
        {"beam 0 0", at(20), "1.33e4 2000 1.5 1.68e-2 x"}, {"beam 0 0", at(0), "1.33e4 2000 1.5 2.38e-2 max"},
        {"beam 1 0", at(20), "1.33e4 100000 75 6.55e-1 x"}, {"beam 1 0", at(0), "1.33e4 100000 75 8.93e-1 max"},
        // A point load between supports: the moment under the load, P·a·b/L, and the beam's largest
        // deflection, set by the shorter segment, whichever side the load and x are on.
        {"beam 2 0", at(0), "1.33e4 480 0.36 1.41e-3 max"}, {"beam 2 0", at(40), "1.33e4 480 0.36 1.41e-3 max"},
        {"beam 2 0", at(50), "1.33e4 480 0.36 1.41e-3 max"},
        {"beam 2 0", {21000, 100, 25, 90, 20, 20, 20, 10, 10, 0, 10}, "1.33e4 375 0.28 1.04e-3 max"},
        {"beam 2 0", {21000, 100, 75, 10, 20, 20, 20, 10, 10, 0, 10}, "1.33e4 375 0.28 1.04e-3 max"},
        {"beam 3 0", at(20), "1.33e4 25000 18.75 5.52e-2 x"}, {"beam 3 0", at(50), "1.33e4 25000 18.75 9.3e-2 max"},
        // Both ends fixed: p·L²/12 at the ends, p·x²·(L − x)²/(24·E·I), p·L⁴/(384·E·I) at mid-span.
        {"beam 4 0", at(20), "1.33e4 16667 12.5 7.62e-3 x"}, {"beam 4 0", at(50), "1.33e4 16667 12.5 1.86e-2 max"},
        {"beam 4 0", at(100), "1.33e4 16667 12.5 0e0 x"},
        {"beam 0 0", at(20, {10, 30, 1, 1, 0, 1}), "2.25e4 2000 1.33 9.93e-3 x"},
        {"beam 0 1", at(20, {10, 30, 4, 20, 0, 1}), "1.98e4 2000 1.51 1.13e-2 x"},
        {"beam 0 2", at(20, {20, 1, 1, 1, 0, 1}), "7.85e3 2000 2.55 2.85e-2 x"},
        {"beam 0 3", at(20, {20, 1, 10, 1, 0, 1}), "7.36e3 2000 2.72 3.04e-2 x"},
        {"beam 0 4", at(20, {1, 1, 1, 1, 0.5, 0.5}), "5e-1 2000 4000 4.47e2 x"},
        // Inputs that describe no beam, refused at their boundaries; a load may point up.
        {"beam 0 1", at(20, {20, 20, 20, 10, 0, 1}), "refused b2"}, {"beam 0 1", at(20, {20, 20, 19.99, 0, 0, 1}), "1.33e4 2000 1.5 1.68e-2 x"},
        {"beam 0 1", at(20, {20, 0, 10, 0, 0, 1}), "refused h2"}, {"beam 0 1", at(20, {20, 20, 0, -1e-9, 0, 1}), "refused h2"},
        {"beam 0 3", at(20, {20, 1, 20, 1, 0, 1}), "refused d2"}, {"beam 0 3", at(20, {20, 1, -1e-9, 1, 0, 1}), "refused d2"},
        {"beam 0 1", at(20, {20, 20, -1e-9, 10, 0, 1}), "refused b2"},
        {"beam 0 0", at(20, {-20, 20, 1, 1, 0, 1}), "refused section"}, {"beam 0 0", at(20, {-20, -20, 1, 1, 0, 1}), "refused section"},
        {"beam 0 2", at(20, {-20, 1, 1, 1, 0, 1}), "refused section"},
        {"beam 0 4", at(20, {20, 20, 10, 10, 0, 10}), "refused I"}, {"beam 0 4", at(20, {20, 20, 10, 10, 5000, 0}), "refused Z"},
        {"beam 1 0", {21000, 0, 40, 0, 20, 20, 20, 10, 10, 0, 10}, "refused L"}, {"beam 3 0", {0, 100, 40, 0, 20, 20, 20, 10, 10, 0, 10}, "refused E"},
        {"beam 3 0", at(100.001), "refused x"}, {"beam 0 0", at(-0.001), "refused x"}, {"beam 2 0", at(-5), "1.33e4 480 0.36 1.41e-3 max"},
        {"beam 2 0", {21000, 100, -0.01, 50, 20, 20, 20, 10, 10, 0, 10}, "refused L1"}, {"beam 2 0", {21000, 100, 100.01, 0, 20, 20, 20, 10, 10, 0, 10}, "refused L1"},
        {"beam 0 0", {21000, 100, 40, 20, -20, 20, 20, 10, 10, 0, 10}, "1.33e4 -2000 -1.5 -1.68e-2 x"},
        {"beam 3 0", {1e-320, 100, 40, 0, 20, 20, 20, 10, 10, 0, 10}, kFloatFaultMessage},
        {"bearing", {100, 6000, 6000, 1500, 200}, "1500.0 10666.7 444 日"},
        {"bearing", {1000, 6000, 10000, 1000, 1000}, "2050.0 1934.6 81 日"},
        {"bearing", {100, 4000, 6000, 800, 200}, "800.0 70312.5 2930 日"},
        {"bearing", {100, 4020, 6000, 800, 201}, "801.8 69850.5 2910 日"},
        {"bearing", {100, 100, 100, 100, 35}, "100.0 166.7 7 日"},
        {"bearing", {100, 100, 364, 200, 200}, "364.0 166.7 7 日"}, {"bearing", {100, 2400, 440, 200, 200}, "440.0 166.7 7 日"},
        {"bearing", {100, 5000, 482, 200, 200}, "482.0 166.7 7 日"}, {"bearing", {100, 5100, 496, 200, 200}, "496.0 166.7 7 日"},
        {"bearing", {100, 6000, 496, 200, 200}, "496.0 166.7 7 日"}, {"bearing", {100, 6100, 538, 200, 200}, "538.0 166.7 7 日"},
        {"bearing", {100, 12000, 538, 200, 200}, "538.0 166.7 7 日"}, {"bearing", {100, 12100, 568, 200, 200}, "568.0 166.7 7 日"},
        {"bearing", {100, 5e-324, 6000, 1500, 1}, "1500.0 10666.7 444 日"},
        {"bearing", {100, 6000, 6000, 1500, 0}, "1500.0 10666.7 444 日"},
        {"bearing", {100, 0, 6000, 1500, 0}, "refused Cor"}, {"bearing", {100, 6000, 6000, 0, 200}, "384.0 635782.9 26491 日"},
        {"bearing", {100, 2147483646, 6000, 1500, 1}, "1500.0 10666.7 444 日"},
        {"bearing", {100, 1e308, 6000, 1500, 1e-10}, "1500.0 10666.7 444 日"},
        {"bearing", {100, -6000, 6000, 1500, 200}, "refused Cor"}, {"bearing", {100, 6000, 0, 1500, 200}, "refused Cr"},
        {"bearing", {100, 6000, 6000, 1500, -200}, "refused Fa"}, {"bearing", {100, 6000, 6000, -300, 0}, "refused Fr"},
        {"bearing", {0, 6000, 6000, 1500, 200}, "refused n"}, {"bearing", {100, 6000, 6000, 0, 0}, "refused Fr Fa"},
        {"bearing", {1e-320, 6000, 6000, 1500, 200}, kFloatFaultMessage},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("%s %s #%d", row.calc, QByteArray::number(row.in.value(3)).constData(),
                      int(&row - rows))
            << QByteArray(row.calc) << row.in << QByteArray(row.shown);
}

void TestPure::calculates()
{
    QFETCH(QByteArray, calc);
    QFETCH(QList<double>, in);
    QFETCH(QByteArray, shown);
    QByteArrayList texts;
    // The faults by name, in the order of their enumerations.
    const char *beamFaults[] = {"E", "L", "L1", "x", "b2", "h2", "d2", "section", "I", "Z"};
    const char *bearingFaults[] = {"n", "Cor", "Cr", "Fr", "Fa", "Fr Fa"};
    const char *hertzFaults[] = {"R1", "P", "E1", "E2", "nu1", "nu2", "B", "R2", "seat"};
    const auto show = [&texts](const char *pattern, std::optional<double> value) {
        texts << (value ? bytes(FormatFloat(pattern, *value)).trimmed() : QByteArray("-"));
    };
    try {
        if (calc.startsWith("beam")) {
            const BeamInput b{in[0], in[1], in[2], in[3], in[4], in[5], in[6], in[7], in[8], in[9], in[10]};
            const auto loadCase = LoadCase(calc[5] - '0');
            const auto section = SectionKind(calc[7] - '0');
            if (const auto fault = findBeamFault(loadCase, section, b)) {
                texts << "refused" << beamFaults[int(*fault)];
            } else {
                const BeamResult r = computeBeam(loadCase, section, b);
                show(kPatternScientific, r.I);
                show(kPatternWhole, r.Mmax);
                show(kPatternTwoDecimals, r.sigmaMax);
                show(kPatternScientific, r.delta);
                texts << (r.deflection == Deflection::Maximum ? "max" : "x");
            }
        } else if (calc == "bearing") {
            const BearingInput b{in[0], in[1], in[2], in[3], in[4]};
            if (const auto fault = findBearingFault(b)) {
                texts << "refused" << bearingFaults[int(*fault)];
            } else {
                const BearingResult r = computeBearingLife(b);
                show(kPatternOneDecimal, r.P);
                show(kPatternOneDecimal, r.Lh);
                show(kPatternDays, r.days);
            }
        } else {
            const auto kind = calc == "sphere" ? ContactKind::SphereOnSphere : ContactKind::CylinderOnPlane;
            const HertzInput h{in[0], in[1], in[2], in[3], in[4], in[5], in[6]};
            if (const auto fault = findHertzFault(kind, h)) {
                texts << "refused" << hertzFaults[int(*fault)];
            } else {
                const HertzResult r = computeHertz(kind, h);
                for (const auto &value : {std::optional(r.contactSize), r.approach, std::optional(r.pMax),
                                          std::optional(r.sigmaZMax), r.sigmaRMax, r.tauMax})
                    show(kPatternThreeDecimals, value);
            }
        }
        QCOMPARE(texts.join(' '), shown);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()), shown);
    }
}

QTEST_GUILESS_MAIN(TestPure)
#include "tst_pure.moc"
