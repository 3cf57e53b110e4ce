// The three calculations without any window: the Hertz results through the
// texts the tab shows, the beam and bearing results against exact values,
// and the inputs each one refuses.
#include "app/calc_error.h"
#include "app/numtext.h"
#include "beam/beam_calc.h"
#include "bearing/bearing_calc.h"
#include "hertz/hertz_calc.h"

#include <QtTest>

#include <cmath>

using namespace tavrel;

namespace
{

constexpr double kPi = 3.141592653589793;
const double kUnchecked = std::nan("");
const double kRoot3 = std::sqrt(3.0);

QByteArray shown(const std::optional<double> &value)
{
    return value ? QByteArray::fromStdString(FormatFloat(kPatternThreeDecimals, *value)).trimmed() : "-";
}

// Within 1e-12 of the expected value; NaN expects nothing.
void compareClose(double actual, double expected)
{
    const QByteArray both =
        QByteArray::number(actual, 'g', 17) + " vs " + QByteArray::number(expected, 'g', 17);
    QVERIFY2(std::isnan(expected) || std::abs(actual - expected) <= 1e-12 * std::abs(expected), both);
}

} // namespace

class TestCalc : public QObject
{
    Q_OBJECT

private slots:
    void hertz_data();
    void hertz();
    void beam_data();
    void beam();
    void bearing_data();
    void bearing();
};

void TestCalc::hertz_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("in"); // R1, P, E1, E2, nu1, nu2, R2 or B
    QTest::addColumn<QByteArray>("shown"); // a or b, delta, pmax, sigmaZ, sigmaR, tau; or "refused"
    const auto row = [](const char *name, int kind, QList<double> in, const char *shown) {
        QTest::newRow(name) << kind << in << QByteArray(shown);
    };
    row("sphere, unequal bodies", 1, {40, 100, 21000, 7000, 0.3, 0.25, 400},
        "0.785 0.017 77.514 77.514 10.335 24.029");
    row("sphere, bodies swapped: only nu1 enters sigmaR", 1, {40, 100, 7000, 21000, 0.25, 0.3, 400},
        "0.785 0.017 77.514 77.514 12.919 24.029");
    row("sphere, nu1 0.5 has no tensile stress", 1, {40, 100, 21000, 21000, 0.5, 0.3, 400},
        "0.600 0.010 132.800 132.800 0.000 41.168");
    row("sphere in a concave seat: negative R2", 1, {40, 100, 21000, 21000, 0.3, 0.3, -400},
        "0.661 0.010 109.258 109.258 14.568 33.870");
    row("roller, same material", 5, {40, 1000, 21000, 21000, 0.3, 0.3, 10},
        "0.664 0.016 95.823 -95.823 - 28.843");
    row("roller, defaults read as width 400", 5, {40, 100, 21000, 21000, 0.3, 0.3, 400},
        "0.033 0.000 4.791 -4.791 - 1.442");
    row("roller, nu2 differs", 5, {40, 1000, 21000, 21000, 0.3, 0.29, 10}, "0.665 - 95.668 -95.668 - -");
    row("roller, E2 differs", 5, {40, 1000, 21000, 20000, 0.3, 0.3, 10}, "0.673 - 94.647 -94.647 - -");
    row("roller, nu1 near but not 0.3", 5, {40, 1000, 21000, 21000, 0.30000000000000004, 0.3, 10},
        "0.664 - 95.823 -95.823 - -");
    row("sphere, E1 zero", 1, {40, 100, 0, 21000, 0.3, 0.3, 400}, "refused");
    row("sphere, E2 zero", 1, {40, 100, 21000, 0, 0.3, 0.3, 400}, "refused");
    row("sphere, R1 + R2 zero", 1, {40, 100, 21000, 21000, 0.3, 0.3, -40}, "refused");
    row("sphere, R1 zero", 1, {0, 100, 21000, 21000, 0.3, 0.3, 400}, "refused");
    row("sphere, negative load", 1, {40, -100, 21000, 21000, 0.3, 0.3, 400}, "refused");
    row("sphere, zero load", 1, {40, 0, 21000, 21000, 0.3, 0.3, 400}, "refused");
    row("sphere, overflow", 1, {40, 1e308, 1e-308, 1e-308, 0.3, 0.3, 400}, "refused");
    row("roller, width zero", 5, {40, 1000, 21000, 21000, 0.3, 0.3, 0}, "refused");
    row("roller, E1 zero", 5, {40, 1000, 0, 21000, 0.3, 0.3, 10}, "refused");
    row("roller, zero load", 5, {40, 0, 21000, 21000, 0.3, 0.3, 10}, "refused");
    row("roller, negative radius under the logarithm", 5, {-40, -1000, 21000, 21000, 0.3, 0.3, 10},
        "refused");
}

void TestCalc::hertz()
{
    QFETCH(int, kind);
    QFETCH(QList<double>, in);
    QFETCH(QByteArray, shown);
    try {
        const HertzResult r =
            computeHertz(ContactKind(kind), {in[0], in[1], in[2], in[3], in[4], in[5], in[6]});
        QCOMPARE(QByteArrayList({::shown(r.contactSize), ::shown(r.approach), ::shown(r.pMax),
                                 ::shown(r.sigmaZMax), ::shown(r.sigmaRMax), ::shown(r.tauMax)})
                     .join(' '),
                 shown);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()), kFloatFaultMessage);
        QCOMPARE(shown, "refused");
    }
}

void TestCalc::beam_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<double>>("in");       // E L L1 x P b1 h1 b2 h2 typedI typedZ
    QTest::addColumn<QList<double>>("expected"); // I Z Mmax sigma delta; empty: refused
    QTest::addColumn<bool>("maximum");
    // The tab's defaults with x, and the section's dimensions, as given.
    const auto row = [](const char *name, int loadCase, int section, double x, QList<double> expected,
                        bool maximum = false, QList<double> dimensions = {20, 20, 10, 10, 0, 10}) {
        QTest::newRow(name) << loadCase << section << (QList<double>{21000, 100, 40, x, 20} + dimensions)
                            << expected << maximum;
    };
    const double I = 40000.0 / 3, Z = 4000.0 / 3;
    // Solid rectangle 20 x 20; deflections as exact fractions.
    row("cantilever end load, x 20", 0, 0, 20, {I, Z, 2000, 1.5, 44.0 / 2625});
    row("cantilever end load, x 0", 0, 0, 0, {I, Z, 2000, 1.5, 1.0 / 42}, true);
    row("cantilever end load, x L/2", 0, 0, 50, {I, Z, 2000, 1.5, 5.0 / 672});
    row("cantilever uniform, x 20", 1, 0, 20, {I, Z, 100000, 75, 344.0 / 525});
    row("cantilever uniform, x 0", 1, 0, 0, {I, Z, 100000, 75, 25.0 / 28}, true);
    row("point load, x 20 below L1: b = L - L1", 2, 0, 20, {I, Z, 320, 0.24, 32 * kRoot3 / 39375});
    row("point load, x 40 = L1 is not beyond it", 2, 0, 40, {I, Z, 480, 0.36, 32 * kRoot3 / 39375});
    row("point load, x 50 = L/2 beyond L1: b = L1", 2, 0, 50, {I, Z, 500, 0.375, std::sqrt(7.0) / 1875},
        true);
    row("supported uniform, x 20", 3, 0, 20, {I, Z, 25000, 18.75, 29.0 / 525});
    row("supported uniform, x L/2", 3, 0, 50, {I, Z, 25000, 18.75, 125.0 / 1344}, true);
    row("fixed uniform, x 20", 4, 0, 20, {I, Z, 25000.0 / 3, 6.25, 17.0 / 2100});
    row("fixed uniform, x L/2", 4, 0, 50, {I, Z, 25000.0 / 3, 6.25, 25.0 / 672}, true);
    // Sections under the end load (Mmax 2000).
    const double u = kUnchecked;
    row("solid rectangle 10 wide, 30 high", 0, 0, 20, {22500, 1500, 2000, 4.0 / 3, u}, false,
        {10, 30, 1, 1, 0, 1});
    row("hollow rectangle 10 x 30 less 4 x 20", 0, 1, 20, {59500.0 / 3, 11900.0 / 9, 2000, u, u}, false,
        {10, 30, 4, 20, 0, 1});
    row("solid circle d 20", 0, 2, 20, {2500 * kPi, 250 * kPi, 2000, 8 / kPi, u}, false, {20, 1, 1, 1, 0, 1});
    row("hollow circle d 20 less d 10", 0, 3, 20, {2343.75 * kPi, 234.375 * kPi, u, u, u}, false,
        {20, 1, 10, 1, 0, 1});
    row("typed I and Z", 0, 4, 20, {5000, 10, 2000, 200, 44.0 / 2625 * I / 5000}, false,
        {1, 1, 1, 1, 5000, 10});
    // Refused: a result would be infinite or undefined.
    row("hollow rectangle, h1 zero: Z infinite", 0, 1, 20, {}, false, {20, 0, 10, 10, 0, 10});
    row("hollow circle, d1 zero", 0, 3, 20, {}, false, {0, 20, 10, 10, 0, 10});
    row("typed I zero", 0, 4, 20, {}, false, {20, 20, 10, 10, 0, 10});
    row("typed Z zero", 0, 4, 20, {}, false, {20, 20, 10, 10, 5000, 0});
    QTest::newRow("L zero") << 1 << 0 << QList<double>{21000, 0, 40, 20, 20, 20, 20, 10, 10, 0, 10}
                            << QList<double>{} << false;
    QTest::newRow("E zero at a zero shape factor")
        << 3 << 0 << QList<double>{0, 100, 40, 0, 20, 20, 20, 10, 10, 0, 10} << QList<double>{} << false;
    QTest::newRow("point load outside the span")
        << 2 << 0 << QList<double>{21000, 100, 150, 160, 20, 20, 20, 10, 10, 0, 10} << QList<double>{}
        << false;
}

void TestCalc::beam()
{
    QFETCH(int, loadCase);
    QFETCH(int, section);
    QFETCH(QList<double>, in);
    QFETCH(QList<double>, expected);
    QFETCH(bool, maximum);
    const BeamInput input{in[0], in[1], in[2], in[3], in[4], in[5], in[6], in[7], in[8], in[9], in[10]};
    try {
        const BeamResult r = computeBeam(LoadCase(loadCase), SectionKind(section), input);
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

void TestCalc::bearing_data()
{
    QTest::addColumn<QList<double>>("in");       // n Cor Cr Fr Fa
    QTest::addColumn<QList<double>>("expected"); // key e X Y P Lh
    QTest::addColumn<QByteArray>("refused");
    const auto row = [](const char *name, QList<double> in, QList<double> expected) {
        QTest::newRow(name) << in << expected << QByteArray();
    };
    // Lh = (Cr/P)^3 10^6 / (60 n), as exact fractions.
    row("defaults, Fa/Fr below e", {100, 6000, 6000, 1500, 200}, {30, 0.23, 1, 0, 1500, 32000.0 / 3});
    row("row 10, Fa/Fr above e", {1000, 6000, 10000, 1000, 1000}, {10, 0.29, 0.56, 1.49, 2050, 4e8 / 206763});
    row("Fa/Fr equal to e 0.25 is not above", {100, 4000, 6000, 800, 200}, {20, 0.25, 1, 0, 800, 70312.5});
    row("Fa/Fr just above e 0.25", {100, 4020, 6000, 800, 201},
        {20, 0.25, 0.56, 1.76, 801.76, 8789062500000000.0 / 125826816331});
    row("Fa 35 Fr 100 equals e 0.35 as doubles", {100, 100, 100, 100, 35}, {5, 0.35, 1, 0, 100, 500.0 / 3});
    // Key boundaries, with Fa = Fr so that every row's Y applies and Cr = P.
    const struct {
        const char *name;
        double Cor, key, e, Y, P;
    } boundaries[] = {
        {"ratio 0.5 -> row 5", 100, 5, 0.35, 1.26, 364},
        {"ratio 12 -> row 15", 2400, 15, 0.27, 1.64, 440},
        {"ratio 25 -> row 25", 5000, 25, 0.24, 1.85, 482},
        {"ratio 25.5 -> row 30", 5100, 30, 0.23, 1.92, 496},
        {"ratio 30.5 -> row 50", 6100, 50, 0.20, 2.13, 538},
        {"ratio 60 -> row 50", 12000, 50, 0.20, 2.13, 538},
        {"ratio 60.5 -> row 70", 12100, 70, 0.19, 2.28, 568},
    };
    for (const auto &b : boundaries)
        row(b.name, {100, b.Cor, b.P, 200, 200}, {b.key, b.e, 0.56, b.Y, b.P, 500.0 / 3});
    const QList<double> radial{70, 0.19, 1, 0, 1500, 32000.0 / 3};
    row("subnormal ratio -> row 5", {100, 5e-324, 6000, 1500, 1}, {5, 0.35, 1, 0, 1500, 32000.0 / 3});
    row("Fa zero, pure radial load", {100, 6000, 6000, 1500, 0}, radial);
    row("Fa negative zero", {100, 6000, 6000, 1500, -0.0}, radial);
    row("multiple of 5 beyond 32 bits", {100, 2147483646, 6000, 1500, 1}, radial);
    row("ratio overflows to infinity", {100, 1e308, 6000, 1500, 1e-10}, radial);
    const auto refused = [](const char *name, QList<double> in, const char *message) {
        QTest::newRow(name) << in << QList<double>{} << QByteArray(message);
    };
    refused("Cor zero", {100, 0, 6000, 1500, 200}, kNoLoadFactorMessage);
    refused("Cor negative", {100, -6000, 6000, 1500, 200}, kNoLoadFactorMessage);
    refused("Fa negative", {100, 6000, 6000, 1500, -200}, kNoLoadFactorMessage);
    refused("Cor negative, Fa zero", {100, -6000, 6000, 1500, 0}, kNoLoadFactorMessage);
    refused("n zero", {0, 6000, 6000, 1500, 200}, kFloatFaultMessage);
    refused("Fr and Fa zero", {100, 6000, 6000, 0, 0}, kFloatFaultMessage);
}

void TestCalc::bearing()
{
    QFETCH(QList<double>, in);
    QFETCH(QList<double>, expected);
    QFETCH(QByteArray, refused);
    try {
        const BearingResult r = computeBearingLife({in[0], in[1], in[2], in[3], in[4]});
        QCOMPARE(refused, QByteArray());
        QCOMPARE(r.key, std::int32_t(expected[0]));
        QCOMPARE(QList<double>({r.e, r.X, r.Y}), expected.mid(1, 3));
        compareClose(r.P, expected[4]);
        compareClose(r.Lh, expected[5]);
        compareClose(r.days, expected[5] / 24);
    } catch (const CalcError &e) {
        QCOMPARE(QByteArray(e.what()), refused);
    }
}

QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
