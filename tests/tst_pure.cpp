// The number rules and the three calculations, without any window: reading
// and refusing texts, the messages and their quoting, the display patterns,
// the Hertz results through the texts the tab shows, the beam and bearing
// results against exact values, and the inputs each calculation refuses.
#include "app/calc_error.h"
#include "app/numtext.h"
#include "beam/beam_calc.h"
#include "bearing/bearing_calc.h"
#include "hertz/hertz_calc.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace tavrel;

namespace
{

constexpr int kReads = -1;
constexpr auto kEmpty = int(ConvertFault::Empty), kMalformed = int(ConvertFault::Malformed),
               kTooLarge = int(ConvertFault::TooLarge);
constexpr double kMax = std::numeric_limits<double>::max(), kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;
const double kRoot3 = std::sqrt(3.0), kUnchecked = std::nan("");

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Within 1e-12 of the expected value; NaN expects nothing.
void compareClose(double actual, double expected)
{
    const QByteArray both =
        QByteArray::number(actual, 'g', 17) + " vs " + QByteArray::number(expected, 'g', 17);
    QVERIFY2(std::isnan(expected) || std::abs(actual - expected) <= 1e-12 * std::abs(expected), both);
}

} // namespace

class TestPure : public QObject
{
    Q_OBJECT

private slots:
    void runsUnderExpectedLocale();
    void reads_data();
    void reads();
    void quotes_data();
    void quotes();
    void formats_data();
    void formats();
    void hertz_data();
    void hertz();
    void beam_data();
    void beam();
    void bearing_data();
    void bearing();
};

void TestPure::runsUnderExpectedLocale()
{
    // The suite runs again under a decimal-comma locale (tests/CMakeLists.txt):
    // make sure that run has one, or it would prove nothing.
    if (qEnvironmentVariableIsEmpty("TAVREL_EXPECT_DECIMAL_COMMA"))
        QSKIP("runs under the default locale");
    QCOMPARE(std::string(std::localeconv()->decimal_point), std::string(","));
}

void TestPure::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("fault");
    // clang-format off
    const struct {
        std::string_view text;
        double value;
        int fault;
    } rows[] = {
        {"40", 40, kReads}, {" 1.33e4", 13300, kReads}, {"-5", -5, kReads}, {"+.5", 0.5, kReads},
        {"5.", 5, kReads}, {" 1E-3 ", 0.001, kReads}, {"2.5e+2", 250, kReads}, {"0.1", 0.1, kReads},
        {"1.7976931348623157e308", kMax, kReads}, {"4.9406564584124654e-324", 5e-324, kReads},
        {"1e-400", 0, kReads}, {"5e-99999999999999999999", 0, kReads}, {"0e99999", 0, kReads},
        {"000001.5000000000000000000000", 1.5, kReads}, {"", 0, kEmpty}, {" ", 0, kEmpty},
        {"abc", 0, kMalformed}, {"1.2.3", 0, kMalformed}, {"0,3", 0, kMalformed}, {"1e+", 0, kMalformed},
        {"e5", 0, kMalformed}, {".", 0, kMalformed}, {"-", 0, kMalformed}, {"+-5", 0, kMalformed},
        {"0x10", 0, kMalformed}, {"inf", 0, kMalformed}, {"1 2", 0, kMalformed}, {"\t5", 0, kMalformed},
        {"１２", 0, kMalformed}, {{"5\0 1", 4}, 0, kMalformed}, {"1e999", 0, kTooLarge},
        {"-2000000000000000000000000000000000000000e300", 0, kTooLarge},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(bytes(row.text).toPercentEncoding(" +-.,").constData())
            << bytes(row.text) << row.value << row.fault;
    QTest::newRow("40000 zeros, then a huge exponent")
        << "0." + QByteArray(40000, '0') + "5e40001" << 5.0 << kReads;
}

void TestPure::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(int, fault);
    const std::string s = text.toStdString();
    QCOMPARE(matchesNumberGrammar(s), fault == kReads || fault == kTooLarge);
    try {
        QCOMPARE(StrToFloat(s), value);
        QCOMPARE(fault, kReads);
    } catch (const EConvertError &e) {
        QCOMPARE(int(e.fault()), fault);
        QCOMPARE(e.text(), s);
        // The message names the box and quotes its text, or says it is
        // empty; a disabled box's message says what enables it.
        const QByteArray message = bytes(conversionMessage(e, "E1"));
        QCOMPARE(message, fault == kEmpty ? "「E1」が空欄です。数値を入力してください。"
                                          : "「E1」の「" + bytes(visibleText(s)) +
                                                (fault == kTooLarge ? "」は大きすぎて扱えません。"
                                                                    : "」は正しい数値ではありません。"));
        QCOMPARE(bytes(conversionMessage(e, "E1", "断面で「円形」")),
                 message + "この欄は断面で「円形」を選ぶと入力できます。");
    }
}

void TestPure::quotes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("quoted");
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"１２ abc", "１２ abc"},         {{"4\0 0", 4}, "4⟨U+0000⟩ 0"},
        {"\t1\x7f", "⟨U+0009⟩1⟨U+007F⟩"}, {"\u202E40", "⟨U+202E⟩40"},
        {"40\u00A0", "40⟨U+00A0⟩"},       {"\u200B\u300040", "⟨U+200B⟩⟨U+3000⟩40"},
        {"\uFEFF1", "⟨U+FEFF⟩1"},         {"\u03011\u0301", "⟨U+0301⟩1\u0301"},
        {"1\xff\xc3", "1⟨0xFF⟩⟨0xC3⟩"}};
    for (const auto &[text, quoted] : rows)
        QTest::newRow(bytes(quoted).constData()) << bytes(text) << bytes(quoted);
    QTest::newRow("cut after 40 characters") << QByteArray(40, 'x') + "漢y" << QByteArray(40, 'x') + "…";
    QTest::newRow("40 characters whole") << QByteArray(39, 'x') + "漢" << QByteArray(39, 'x') + "漢";
}

void TestPure::quotes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, quoted);
    QCOMPARE(bytes(visibleText(std::string_view(text.constData(), std::size_t(text.size())))), quoted);
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
        {three, 1e17, " 100000000000000000.000"}, {three, -2.5e20, "-2.5E20"},
        {three, kMax, "1.79769313486231E308"}, {kPatternOneDecimal, 10666.66667, " 10666.7"},
        {kPatternDays, 2.5, " 3 日"}, {kPatternDays, -12.7, " -13 日"}, {kPatternWhole, 2.5, " 3"},
        {kPatternWhole, 0.49, " 0"}, {two, 75.0, " 75"}, {two, 2.675, " 2.67"}, {two, 1.5, " 1.5"},
        {two, 0.999, " 1"}, {sci, 13333.33, " 1.33e4"}, {sci, 0.0167619, " 1.68e-2"}, {sci, 5000.0, " 5e3"},
        {sci, 9996.0, " 1e4"}, {sci, 0.0, " 0e0"}, {sci, -0.00140763, " -1.41e-3"},
        {sci, 5e-324, " 4.94e-324"}, {sci, -kMax, " -1.79e308"}, {sci, 1.7949e308, " 1.79e308"},
        {"0.00E+00", 12345.0, "1.23E+04"}, {"00.0e-0", 12345.0, "12.3e3"}, {"0.0\"#0.\"", 1.25, "1.3#0."},
        {three, kInf, "INF"}, {sci, -kInf, "-INF"}, {two, std::nan(""), "NAN"}, {nullptr, 21000.0, "21000"},
        {nullptr, -2.25, "-2.25"}, {nullptr, -0.0, "0"}, {nullptr, 1e20, "1E20"}, {nullptr, 0.0001, "0.0001"},
        {nullptr, 1e-5, "1E-5"}, {nullptr, 123456789012345.0, "123456789012345"},
        {nullptr, 1234567890123456.0, "1.23456789012346E15"}, {nullptr, 0.1 + 0.2, "0.3"},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("%s %s", row.pattern, row.expected)
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

void TestPure::hertz_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("in"); // R1, P, E1, E2, nu1, nu2, R2 or B
    QTest::addColumn<QByteArray>("shown"); // a or b, delta, pmax, sigmaZ, sigmaR, tau; or "refused"
    // clang-format off
    const struct {
        int kind;
        QList<double> in;
        const char *shown;
    } rows[] = {
        {1, {40, 100, 21000, 7000, 0.3, 0.25, 400}, "0.785 0.017 77.514 77.514 10.335 24.029"},
        {1, {40, 100, 7000, 21000, 0.25, 0.3, 400}, "0.785 0.017 77.514 77.514 12.919 24.029"},
        {1, {40, 100, 21000, 21000, 0.5, 0.3, 400}, "0.600 0.010 132.800 132.800 0.000 41.168"},
        {1, {40, 100, 21000, 21000, 0.3, 0.3, -400}, "0.661 0.010 109.258 109.258 14.568 33.870"},
        {5, {40, 1000, 21000, 21000, 0.3, 0.3, 10}, "0.664 0.016 95.823 -95.823 - 28.843"},
        {5, {40, 100, 21000, 21000, 0.3, 0.3, 400}, "0.033 0.000 4.791 -4.791 - 1.442"},
        {5, {40, 1000, 21000, 21000, 0.3, 0.29, 10}, "0.665 - 95.668 -95.668 - -"},
        {5, {40, 1000, 21000, 20000, 0.3, 0.3, 10}, "0.673 - 94.647 -94.647 - -"},
        {5, {40, 1000, 21000, 21000, 0.30000000000000004, 0.3, 10}, "0.664 - 95.823 -95.823 - -"},
        {1, {40, 100, 0, 21000, 0.3, 0.3, 400}, "refused"}, {1, {40, 100, 21000, 0, 0.3, 0.3, 400}, "refused"},
        {1, {40, 100, 21000, 21000, 0.3, 0.3, -40}, "refused"},
        {1, {0, 100, 21000, 21000, 0.3, 0.3, 400}, "refused"},
        {1, {40, -100, 21000, 21000, 0.3, 0.3, 400}, "refused"},
        {1, {40, 1e308, 1e-308, 1e-308, 0.3, 0.3, 400}, "refused"},
        {5, {40, 1000, 21000, 21000, 0.3, 0.3, 0}, "refused"},
        {5, {40, 0, 21000, 21000, 0.3, 0.3, 10}, "refused"},
        {5, {-40, -1000, 21000, 21000, 0.3, 0.3, 10}, "refused"},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("%d: %s", row.kind, row.shown) << row.kind << row.in << QByteArray(row.shown);
}

void TestPure::hertz()
{
    QFETCH(int, kind);
    QFETCH(QList<double>, in);
    QFETCH(QByteArray, shown);
    const auto text = [](const std::optional<double> &v) {
        return v ? bytes(FormatFloat(kPatternThreeDecimals, *v)).trimmed() : QByteArray("-");
    };
    try {
        const HertzResult r =
            computeHertz(ContactKind(kind), {in[0], in[1], in[2], in[3], in[4], in[5], in[6]});
        QCOMPARE(QByteArrayList({text(r.contactSize), text(r.approach), text(r.pMax), text(r.sigmaZMax),
                                 text(r.sigmaRMax), text(r.tauMax)})
                     .join(' '),
                 shown);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()) + shown, kFloatFaultMessage + QByteArray("refused"));
    }
}

void TestPure::beam_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<double>>("in");       // E L L1 x P b1 h1 b2 h2 typedI typedZ
    QTest::addColumn<QList<double>>("expected"); // I Z Mmax sigma delta; empty: refused
    QTest::addColumn<bool>("maximum");
    const double I = 40000.0 / 3, Z = 4000.0 / 3, u = kUnchecked;
    const QList<double> square{20, 20, 10, 10, 0, 10};
    // clang-format off
    const struct {
        int loadCase, section;
        double x;
        QList<double> expected;
        bool maximum;
        QList<double> dimensions; // b1 h1 b2 h2 typedI typedZ; E 21000, L 100, L1 40, P 20
    } rows[] = {
        {0, 0, 20, {I, Z, 2000, 1.5, 44.0 / 2625}, false, square},
        {0, 0, 0, {I, Z, 2000, 1.5, 1.0 / 42}, true, square},
        {1, 0, 20, {I, Z, 100000, 75, 344.0 / 525}, false, square},
        {1, 0, 0, {I, Z, 100000, 75, 25.0 / 28}, true, square},
        {2, 0, 20, {I, Z, 320, 0.24, 32 * kRoot3 / 39375}, false, square},
        {2, 0, 40, {I, Z, 480, 0.36, 32 * kRoot3 / 39375}, false, square},
        {2, 0, 50, {I, Z, 500, 0.375, std::sqrt(7.0) / 1875}, true, square},
        {3, 0, 20, {I, Z, 25000, 18.75, 29.0 / 525}, false, square},
        {3, 0, 50, {I, Z, 25000, 18.75, 125.0 / 1344}, true, square},
        {4, 0, 20, {I, Z, 25000.0 / 3, 6.25, 17.0 / 2100}, false, square},
        {4, 0, 50, {I, Z, 25000.0 / 3, 6.25, 25.0 / 672}, true, square},
        {0, 0, 20, {22500, 1500, 2000, 4.0 / 3, u}, false, {10, 30, 1, 1, 0, 1}},
        {0, 1, 20, {59500.0 / 3, 11900.0 / 9, 2000, u, u}, false, {10, 30, 4, 20, 0, 1}},
        {0, 2, 20, {2500 * kPi, 250 * kPi, 2000, 8 / kPi, u}, false, {20, 1, 1, 1, 0, 1}},
        {0, 3, 20, {2343.75 * kPi, 234.375 * kPi, u, u, u}, false, {20, 1, 10, 1, 0, 1}},
        {0, 4, 20, {5000, 10, 2000, 200, 44.0 / 2625 * I / 5000}, false, {1, 1, 1, 1, 5000, 10}},
        {0, 1, 20, {}, false, {20, 0, 10, 10, 0, 10}},
        // h1 zero: Z infinite {0, 3, 20, {}, false, {0, 20, 10, 10, 0, 10}},
        {0, 4, 20, {}, false, {20, 20, 10, 10, 0, 10}}, {0, 4, 20, {}, false, {20, 20, 10, 10, 5000, 0}},
    };
    // clang-format on
    for (const auto &r : rows)
        QTest::addRow("case %d, section %d, x %g", r.loadCase, r.section, r.x)
            << r.loadCase << r.section << (QList<double>{21000, 100, 40, r.x, 20} + r.dimensions)
            << r.expected << r.maximum;
    QTest::newRow("L zero") << 1 << 0 << QList<double>{21000, 0, 40, 20, 20, 20, 20, 10, 10, 0, 10}
                            << QList<double>{} << false;
    QTest::newRow("E zero at a zero shape factor")
        << 3 << 0 << QList<double>{0, 100, 40, 0, 20, 20, 20, 10, 10, 0, 10} << QList<double>{} << false;
    QTest::newRow("point load outside the span")
        << 2 << 0 << QList<double>{21000, 100, 150, 160, 20, 20, 20, 10, 10, 0, 10} << QList<double>{}
        << false;
}

void TestPure::beam()
{
    QFETCH(int, loadCase);
    QFETCH(int, section);
    QFETCH(QList<double>, in);
    QFETCH(QList<double>, expected);
    QFETCH(bool, maximum);
    try {
        const BeamResult r =
            computeBeam(LoadCase(loadCase), SectionKind(section),
                        {in[0], in[1], in[2], in[3], in[4], in[5], in[6], in[7], in[8], in[9], in[10]});
        QVERIFY2(!expected.isEmpty(), "not refused");
        const double actual[] = {r.I, r.Z, r.Mmax, r.sigmaMax, r.delta};
        for (int i = 0; i < 5; ++i)
            compareClose(actual[i], expected[i]);
        QCOMPARE(r.deflection, maximum ? Deflection::Maximum : Deflection::AtX);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()), kFloatFaultMessage);
        QVERIFY(expected.isEmpty());
    }
}

void TestPure::bearing_data()
{
    QTest::addColumn<QList<double>>("in");       // n Cor Cr Fr Fa
    QTest::addColumn<QList<double>>("expected"); // key e X Y P Lh
    QTest::addColumn<QByteArray>("refused");
    // Lh = (Cr/P)^3 10^6 / (60 n), as exact fractions. In the rows with Fa = Fr
    // = 200 every row's Y applies, and Cr = P.
    const QList<double> radial{70, 0.19, 1, 0, 1500, 32000.0 / 3};
    // clang-format off
    const struct {
        QList<double> in, expected;
        const char *refused;
    } rows[] = {
        {{100, 6000, 6000, 1500, 200}, {30, 0.23, 1, 0, 1500, 32000.0 / 3}, ""},
        {{1000, 6000, 10000, 1000, 1000}, {10, 0.29, 0.56, 1.49, 2050, 4e8 / 206763}, ""},
        {{100, 4000, 6000, 800, 200}, {20, 0.25, 1, 0, 800, 70312.5}, ""},
        {{100, 4020, 6000, 800, 201}, {20, 0.25, 0.56, 1.76, 801.76, 8789062500000000.0 / 125826816331}, ""},
        {{100, 100, 100, 100, 35}, {5, 0.35, 1, 0, 100, 500.0 / 3}, ""},
        {{100, 100, 364, 200, 200}, {5, 0.35, 0.56, 1.26, 364, 500.0 / 3}, ""},
        {{100, 2400, 440, 200, 200}, {15, 0.27, 0.56, 1.64, 440, 500.0 / 3}, ""},
        {{100, 5000, 482, 200, 200}, {25, 0.24, 0.56, 1.85, 482, 500.0 / 3}, ""},
        {{100, 5100, 496, 200, 200}, {30, 0.23, 0.56, 1.92, 496, 500.0 / 3}, ""},
        {{100, 6100, 538, 200, 200}, {50, 0.20, 0.56, 2.13, 538, 500.0 / 3}, ""},
        {{100, 12000, 538, 200, 200}, {50, 0.20, 0.56, 2.13, 538, 500.0 / 3}, ""},
        {{100, 12100, 568, 200, 200}, {70, 0.19, 0.56, 2.28, 568, 500.0 / 3}, ""},
        {{100, 5e-324, 6000, 1500, 1}, {5, 0.35, 1, 0, 1500, 32000.0 / 3}, ""},
        {{100, 6000, 6000, 1500, 0}, radial, ""}, {{100, 6000, 6000, 1500, -0.0}, radial, ""},
        {{100, 2147483646, 6000, 1500, 1}, radial, ""}, {{100, 1e308, 6000, 1500, 1e-10}, radial, ""},
        {{100, 0, 6000, 1500, 200}, {}, kNoLoadFactorMessage},
        {{100, -6000, 6000, 1500, 200}, {}, kNoLoadFactorMessage},
        {{100, 6000, 6000, 1500, -200}, {}, kNoLoadFactorMessage},
        {{100, -6000, 6000, 1500, 0}, {}, kNoLoadFactorMessage},
        {{0, 6000, 6000, 1500, 200}, {}, kFloatFaultMessage},
        {{100, 6000, 6000, 0, 0}, {}, kFloatFaultMessage},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::addRow("Cor %g, Fa %g, n %g", row.in[1], row.in[4], row.in[0])
            << row.in << row.expected << QByteArray(row.refused);
}

void TestPure::bearing()
{
    QFETCH(QList<double>, in);
    QFETCH(QList<double>, expected);
    QFETCH(QByteArray, refused);
    try {
        const BearingResult r = computeBearingLife({in[0], in[1], in[2], in[3], in[4]});
        QCOMPARE(refused, QByteArray());
        QCOMPARE(QList<double>({double(r.key), r.e, r.X, r.Y}), expected.first(4));
        compareClose(r.P, expected[4]);
        compareClose(r.Lh, expected[5]);
        compareClose(r.days, expected[5] / 24);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()), refused);
    }
}

QTEST_GUILESS_MAIN(TestPure)
#include "tst_pure.moc"
