// The figures an engineer checks next, against handbook values worked out
// by hand.
#include "core/judgement.h"
#include "core/beam/beam_checks.h"
#include "core/bearing/bearing_checks.h"
#include "core/hertz/hertz_checks.h"

#include <QTest>

using namespace tavrel;

Q_DECLARE_METATYPE(LoadCase)

class TestChecks : public QObject
{
    Q_OBJECT
private slots:
    void beamEnds_data();
    void beamEnds();
    void bearingStatic();
    void isoFactorsInterpolate_data();
    void isoFactorsInterpolate();
    void catalogueReference();
    void bearingWarningsAtTheirBounds();
    void vonMisesBelowTheSurface();
    void contactSmallAgainstTheRadii();
    void judgesAtTheLimit();
};

void TestChecks::beamEnds_data()
{
    // L = 100 mm, P = 10 (kgf or kgf/mm), E·I = 1e6 kgf·mm², L1 = 30 mm.
    // Columns: reaction, end moment and rotation at x = 0 and x = L; the
    // largest shear's place; L/δmax.
    QTest::addColumn<LoadCase>("loadCase");
    QTest::addColumn<QList<double>>("right");
    QTest::addColumn<QList<double>>("left");
    QTest::addColumn<double>("shearAt");
    QTest::addColumn<double>("spanOverDeflection");
    QTest::newRow("cantilever, end load: θ = PL²/2EI, δ = PL³/3EI")
        << LoadCase::CantileverEndLoad << QList<double>{0, 0, 0.05} << QList<double>{10, -1000, 0} << 100.0
        << 30.0;
    QTest::newRow("cantilever, uniform: θ = pL³/6EI, δ = pL⁴/8EI")
        << LoadCase::CantileverUniform << QList<double>{0, 0, 10.0 / 6} << QList<double>{1000, -50000, 0}
        << 100.0 << 0.8;
    QTest::newRow("simply supported, load 30 from the right: θ = Pab(L+a)/6LEI")
        << LoadCase::SupportedPointLoad << QList<double>{7, 0, 0.00595} << QList<double>{3, 0, 0.00455} << 0.0
        << 100 / (10 * 30 * std::pow(70 * 130, 1.5) / (9 * std::sqrt(3.0) * 1e6 * 100));
    QTest::newRow("simply supported, uniform: θ = pL³/24EI, δ = 5pL⁴/384EI")
        << LoadCase::SupportedUniform << QList<double>{500, 0, 10.0 / 24} << QList<double>{500, 0, 10.0 / 24}
        << 0.0 << 384.0 / 50;
    QTest::newRow("both ends fixed, uniform: M = pL²/12, δ = pL⁴/384EI")
        << LoadCase::FixedUniform << QList<double>{500, -25000.0 / 3, 0}
        << QList<double>{500, -25000.0 / 3, 0} << 0.0 << 38.4;
}

void TestChecks::beamEnds()
{
    QFETCH(LoadCase, loadCase);
    QFETCH(QList<double>, right);
    QFETCH(QList<double>, left);
    QFETCH(double, shearAt);
    QFETCH(double, spanOverDeflection);
    const BeamChecks c = beamChecks({loadCase, 100, 30, 10, 1e6});
    for (const auto &[end, expected] : {std::pair{c.right, right}, std::pair{c.left, left}}) {
        QCOMPARE(end.reaction, expected[0]);
        QCOMPARE(end.moment + 1, expected[1] + 1);
        QCOMPARE(end.slope + 1, expected[2] + 1);
        QCOMPARE(end.reaction == 0 && end.slope != 0, end.support == EndSupport::Free);
        QCOMPARE(end.slope == 0, end.support == EndSupport::Fixed);
    }
    QCOMPARE(c.largestShear.x, shearAt);
    QCOMPARE(std::abs(c.largestShear.value), std::max(right[0], left[0]));
    QCOMPARE(c.largestShear.twin.has_value(), right[0] == left[0]);
    QCOMPARE(c.spanOverDeflection, spanOverDeflection);
    QCOMPARE(beamChecks({loadCase, 100, 30, -10, 1e6}).left.reaction, -left[0]); // an upward load pulls
}

void TestChecks::bearingStatic()
{
    // A 6208 (C0r = 17.8 kN) under Fr = 3 kN, Fa = 2.5 kN: P0 = 0.6·3 + 0.5·2.5.
    const BearingStatic combined = staticCheck({1000, 17.8, 29.1, 3, 2.5});
    QCOMPARE(combined.P0, 3.05);
    QCOMPARE(combined.s0, 17.8 / 3.05);
    QCOMPARE(staticCheck({1000, 17.8, 29.1, 3, 1.5}).P0, 3.0); // 2.55 is below the radial load itself
}

void TestChecks::isoFactorsInterpolate_data()
{
    QTest::addColumn<double>("f0FaOverC0r");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("Y");
    QTest::newRow("on a row") << 0.345 << 0.22 << 1.99;
    QTest::newRow("half-way between two rows") << 0.517 << 0.24 << 1.85;
    QTest::newRow("below the first row, held") << 0.01 << 0.19 << 2.30;
    QTest::newRow("beyond the last row, held") << 12.0 << 0.44 << 1.00;
}

void TestChecks::isoFactorsInterpolate()
{
    QFETCH(double, f0FaOverC0r);
    QFETCH(double, e);
    QFETCH(double, Y);
    const IsoFactors f = isoFactors(f0FaOverC0r / kIsoF0);
    QVERIFY(std::abs(f.e - e) < 1e-12);
    QVERIFY(std::abs(f.Y - Y) < 1e-12);
}

void TestChecks::catalogueReference()
{
    // Fr = Fa = 1000, Cor = 6000: f0·Fa/C0r = 2.05, Y = 1.45 − 0.14·0.67/0.69;
    // the tab's row for Cor/Fa = 6 (key 10) takes Y = 1.49.
    const BearingInput in{100, 6000, 6000, 1000, 1000};
    const BearingReference r = tavrel::catalogueReference(in, computeBearingLife(in));
    QCOMPARE(r.X, 0.56);
    QVERIFY(std::abs(r.P - 1874.0580) < 1e-4);
    QVERIFY(std::abs(r.loadDifference - (2050 / r.P - 1)) < 1e-12);
    QCOMPARE(r.days, r.Lh / 24);
    // A light axial load within e leaves the radial load alone.
    const BearingInput light{100, 6000, 6000, 1500, 200};
    QCOMPARE(tavrel::catalogueReference(light, computeBearingLife(light)).P, 1500.0);
}

void TestChecks::bearingWarningsAtTheirBounds()
{
    QCOMPARE(bearingWarnings({1, 1000, 1, 0, 500}).axialBeyondHalfStatic, false);
    QCOMPARE(bearingWarnings({1, 1000, 1, 0, 500.001}).axialBeyondHalfStatic, true);
    QCOMPARE(bearingWarnings({1, 1000, 1, 0, 200}).ratioBelowFirstKey, false);
    QCOMPARE(bearingWarnings({1, 1000, 1, 0, 200.001}).ratioBelowFirstKey, true);
    QCOMPARE(bearingWarnings({1, 1000, 1, 10, 0}).ratioBelowFirstKey, false);
}

void TestChecks::vonMisesBelowTheSurface()
{
    const ShearPeak sphere = largestVonMises(ContactKind::SphereOnSphere, 0.3, kAxisDepth);
    QVERIFY2(std::abs(sphere.z - 0.48) < 0.01 && std::abs(sphere.tau - 0.62) < 0.005,
             qPrintable(QString::number(sphere.z)));
    const ShearPeak roller = largestVonMises(ContactKind::CylinderOnPlane, 0.3, kAxisDepth);
    QVERIFY2(std::abs(roller.z - 0.70) < 0.01 && std::abs(roller.tau - 0.557) < 0.002,
             qPrintable(QString::number(roller.z)));
}

void TestChecks::contactSmallAgainstTheRadii()
{
    const HertzInput in{40, 100, 21000, 21000, 0.3, 0.3, -400};
    QVERIFY(contactSmallness(ContactKind::SphereOnSphere, in, 4).small);
    const ContactSmallness seat = contactSmallness(ContactKind::SphereOnSphere, in, 4.001);
    QVERIFY(!seat.small);
    QCOMPARE(*seat.overR2, 4.001 / 400);
    QVERIFY(!contactSmallness(ContactKind::CylinderOnPlane, in, 4.001).overR2);
}

void TestChecks::judgesAtTheLimit()
{
    QVERIFY(atMost(16, 16).acceptable && !atMost(16.000001, 16).acceptable);
    QVERIFY(atLeast(2, 2).acceptable && !atLeast(1.999999, 2).acceptable);
    QCOMPARE(atMost(12.5, 16).margin, 0.28);
    QCOMPARE(atLeast(3, 2).margin, 0.5);
}

QTEST_APPLESS_MAIN(TestChecks)
#include "tst_checks.moc"
