#include "app/calc_error.h"
#include "beam/beam_calc.h"

#include "numeric_compare.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>

using namespace tavrel;

Q_DECLARE_METATYPE(tavrel::BeamInput)

namespace
{

constexpr double kPi = 3.141592653589793;

// The beam tab's defaults: E 21000, L 100, L1 40, x 20, P 20, b1 20, h1 20,
// b2 10, h2 10, typed I 0, typed Z 10 (h2's box is read again as Z).
BeamInput defaults()
{
    return {21000, 100, 40, 20, 20, 20, 20, 10, 10, 0, 10};
}

} // namespace

class TestBeamCalc : public QObject
{
    Q_OBJECT

private slots:
    void loadCases_data();
    void loadCases();
    void sections_data();
    void sections();
    void faults_data();
    void faults();
    void outOfRange_data();
    void outOfRange();
};

void TestBeamCalc::loadCases_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("Mmax");
    QTest::addColumn<double>("sigmaMax");
    QTest::addColumn<double>("delta");
    QTest::addColumn<QString>("caption");

    // Solid rectangle 20 × 20: I = 40000/3, Z = 4000/3. Deflections as exact
    // fractions (load case 2: closed forms with the roots).
    const QString maximum = QStringLiteral("δmax =");
    const QString atX3 = QStringLiteral("δx   =");
    const QString atX4 = QStringLiteral("δx    =");
    QTest::newRow("0 cantilever end load, x 20") << 0 << 20.0 << 2000.0 << 1.5 << 44.0 / 2625 << atX3;
    QTest::newRow("0 cantilever end load, x 0") << 0 << 0.0 << 2000.0 << 1.5 << 1.0 / 42 << maximum;
    QTest::newRow("0 cantilever end load, x L/2") << 0 << 50.0 << 2000.0 << 1.5 << 5.0 / 672 << atX3;
    QTest::newRow("1 cantilever uniform, x 20") << 1 << 20.0 << 100000.0 << 75.0 << 344.0 / 525 << atX4;
    QTest::newRow("1 cantilever uniform, x 0") << 1 << 0.0 << 100000.0 << 75.0 << 25.0 / 28 << maximum;
    QTest::newRow("2 point load, x 20, b 60")
        << 2 << 20.0 << 320.0 << 0.24 << 32 * std::sqrt(3.0) / 39375 << atX4;
    QTest::newRow("2 point load, x 40 = L1, b 60")
        << 2 << 40.0 << 480.0 << 0.36 << 32 * std::sqrt(3.0) / 39375 << atX4;
    QTest::newRow("2 point load, x 50 = L/2, b 40")
        << 2 << 50.0 << 500.0 << 0.375 << std::sqrt(7.0) / 1875 << maximum;
    QTest::newRow("2 point load, x 0, b 60") << 2 << 0.0 << 0.0 << 0.0 << 32 * std::sqrt(3.0) / 39375 << atX4;
    QTest::newRow("3 supported uniform, x 20") << 3 << 20.0 << 25000.0 << 18.75 << 29.0 / 525 << atX4;
    QTest::newRow("3 supported uniform, x L/2") << 3 << 50.0 << 25000.0 << 18.75 << 125.0 / 1344 << maximum;
    QTest::newRow("3 supported uniform, x 0") << 3 << 0.0 << 25000.0 << 18.75 << 0.0 << atX4;
    QTest::newRow("4 fixed uniform, x 20") << 4 << 20.0 << 25000.0 / 3 << 6.25 << 17.0 / 2100 << atX4;
    QTest::newRow("4 fixed uniform, x L/2") << 4 << 50.0 << 25000.0 / 3 << 6.25 << 25.0 / 672 << maximum;
    QTest::newRow("4 fixed uniform, x 0") << 4 << 0.0 << 25000.0 / 3 << 6.25 << 0.0 << atX4;
}

void TestBeamCalc::loadCases()
{
    QFETCH(int, loadCase);
    QFETCH(double, x);
    QFETCH(double, Mmax);
    QFETCH(double, sigmaMax);
    QFETCH(double, delta);
    QFETCH(QString, caption);

    BeamInput in = defaults();
    in.x = x;
    const BeamResult r = computeBeam(loadCase, 0, in);
    QVERIFY2(relClose(r.Mmax, Mmax), mismatch(r.Mmax, Mmax).constData());
    QVERIFY2(relClose(r.sigmaMax, sigmaMax), mismatch(r.sigmaMax, sigmaMax).constData());
    QVERIFY2(relClose(r.delta, delta), mismatch(r.delta, delta).constData());
    QCOMPARE(QString::fromStdString(r.deflectionCaption), caption);
}

void TestBeamCalc::sections_data()
{
    QTest::addColumn<int>("sectionKind");
    QTest::addColumn<double>("b1");
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("b2");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("typedI");
    QTest::addColumn<double>("I");
    QTest::addColumn<double>("Z");

    // h2 is also the typed Z of section kind 4.
    QTest::newRow("0 solid rectangle 20 x 20")
        << 0 << 20.0 << 20.0 << 10.0 << 10.0 << 0.0 << 40000.0 / 3 << 4000.0 / 3;
    QTest::newRow("0 solid rectangle 10 wide, 30 high")
        << 0 << 10.0 << 30.0 << 10.0 << 10.0 << 0.0 << 22500.0 << 1500.0;
    QTest::newRow("1 hollow rectangle 20 x 20 less 10 x 10")
        << 1 << 20.0 << 20.0 << 10.0 << 10.0 << 0.0 << 12500.0 << 1250.0;
    QTest::newRow("1 hollow rectangle 10 x 30 less 4 x 20")
        << 1 << 10.0 << 30.0 << 4.0 << 20.0 << 0.0 << 59500.0 / 3 << 11900.0 / 9;
    QTest::newRow("2 solid circular d 20")
        << 2 << 20.0 << 20.0 << 10.0 << 10.0 << 0.0 << 2500 * kPi << 250 * kPi;
    QTest::newRow("3 hollow circular d 20 less d 10")
        << 3 << 20.0 << 20.0 << 10.0 << 10.0 << 0.0 << 2343.75 * kPi << 234.375 * kPi;
    QTest::newRow("4 typed I 5000, Z 10") << 4 << 20.0 << 20.0 << 10.0 << 10.0 << 5000.0 << 5000.0 << 10.0;
}

void TestBeamCalc::sections()
{
    QFETCH(int, sectionKind);
    QFETCH(double, b1);
    QFETCH(double, h1);
    QFETCH(double, b2);
    QFETCH(double, h2);
    QFETCH(double, typedI);
    QFETCH(double, I);
    QFETCH(double, Z);

    BeamInput in = defaults();
    in.b1 = b1;
    in.h1 = h1;
    in.b2 = b2;
    in.h2 = h2;
    in.typedI = typedI;
    in.typedZ = h2;
    const BeamResult r = computeBeam(0, sectionKind, in);
    QVERIFY2(relClose(r.I, I), mismatch(r.I, I).constData());
    QVERIFY2(relClose(r.Z, Z), mismatch(r.Z, Z).constData());
    // Load case 0 with the defaults: Mmax = 2000 whatever the section.
    QVERIFY2(relClose(r.sigmaMax, 2000 / Z), mismatch(r.sigmaMax, 2000 / Z).constData());
}

void TestBeamCalc::faults_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<int>("sectionKind");
    QTest::addColumn<BeamInput>("input");

    // The defaults with the changes given.
    const auto changed = [](auto change) {
        BeamInput in = defaults();
        change(in);
        return in;
    };
    QTest::newRow("E zero") << 0 << 0 << changed([](BeamInput &in) { in.E = 0; });
    QTest::newRow("E zero, shape factor zero at x 0") << 3 << 0 << changed([](BeamInput &in) {
        in.E = 0;
        in.x = 0;
    });
    QTest::newRow("L zero") << 1 << 0 << changed([](BeamInput &in) { in.L = 0; });
    // Z is infinite here and sigma would come out as a misleading 0.
    QTest::newRow("hollow rectangle, h1 zero") << 0 << 1 << changed([](BeamInput &in) { in.h1 = 0; });
    QTest::newRow("hollow circle, d1 zero") << 0 << 3 << changed([](BeamInput &in) { in.b1 = 0; });
    QTest::newRow("typed I zero") << 0 << 4 << changed([](BeamInput &in) { in.typedI = 0; });
    QTest::newRow("typed Z zero") << 0 << 4 << changed([](BeamInput &in) {
        in.typedI = 5000;
        in.typedZ = 0;
    });
    QTest::newRow("point load outside the span, x beyond L1") << 2 << 0 << changed([](BeamInput &in) {
        in.L1 = 150;
        in.x = 160;
    });
}

void TestBeamCalc::faults()
{
    QFETCH(int, loadCase);
    QFETCH(int, sectionKind);
    QFETCH(BeamInput, input);

    try {
        computeBeam(loadCase, sectionKind, input);
        QFAIL("no CalcError thrown");
    } catch (const CalcError &error) {
        QCOMPARE(QByteArray(error.what()), QByteArray(kFloatFaultMessage));
    }
}

void TestBeamCalc::outOfRange_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<int>("sectionKind");

    QTest::newRow("load case -1") << -1 << 0;
    QTest::newRow("load case 5") << 5 << 0;
    QTest::newRow("section kind -1") << 0 << -1;
    QTest::newRow("section kind 5") << 0 << 5;
}

void TestBeamCalc::outOfRange()
{
    QFETCH(int, loadCase);
    QFETCH(int, sectionKind);

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, computeBeam(loadCase, sectionKind, defaults()));
}

QTEST_GUILESS_MAIN(TestBeamCalc)
#include "tst_beam_calc.moc"
