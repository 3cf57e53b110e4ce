// The curves beside the calculations, without any window: the beam's at
// published handbook points, against the beam results and at magnitudes
// where a product on the way would leave a double, the largest shear below
// a Hertz contact at its published depth, the life curve through the
// pressed point, every curve drawn within a pixel of its function, and the
// axes' tick labels from subnormal values to 1e308.
#include "core/beam/beam_curves.h"
#include "core/bearing/bearing_curve.h"
#include "core/hertz/hertz_subsurface.h"
#include "diagram/ticks.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace tavrel;

namespace
{

using Function = std::function<double(double)>;

// Load 20 over L = 100 with E·I = 21000 · 10000, L1 = 30 (the load nearer
// the right-hand support) unless given.
BeamSpan span(int loadCase, double L1 = 30)
{
    return {LoadCase(loadCase), 100, L1, 20, 2.1e8};
}

} // namespace

Q_DECLARE_METATYPE(Function)
Q_DECLARE_METATYPE(BeamSpan)

class TestCurves : public QObject
{
    Q_OBJECT

private slots:
    void beamAtHandbookPoints_data();
    void beamAtHandbookPoints();
    void beamAgreesWithResults_data();
    void beamAgreesWithResults();
    void beamStaysInRange_data();
    void beamStaysInRange();
    void loadOnASupportBendsNothing_data();
    void loadOnASupportBendsNothing();
    void shearPeaksAtPublishedDepth_data();
    void shearPeaksAtPublishedDepth();
    void lifeCurvePassesThePress();
    void drawsWithinAPixel_data();
    void drawsWithinAPixel();
    void labelsTicks_data();
    void labelsTicks();
};

void TestCurves::beamAtHandbookPoints_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const double p = 20, L = 100, EI = 2.1e8;
    const BeamSpan fixed = span(4), near = span(2, 30), far = span(2, 70);
    const double fromFarSupport = std::sqrt((L * L - 30 * 30) / 3);
    // clang-format off
    QTest::newRow("fixed ends: M at the end") << momentAt(fixed, 0) << -p * L * L / 12;
    QTest::newRow("fixed ends: M at the other end") << momentAt(fixed, L) << -p * L * L / 12;
    QTest::newRow("fixed ends: M at mid-span") << momentAt(fixed, L / 2) << p * L * L / 24;
    QTest::newRow("fixed ends: M = 0 at 0.2113 L") << momentAt(fixed, 0.21132486540518713 * L) << 0.0;
    QTest::newRow("fixed ends: largest |M| at the end") << largestMoment(fixed).x << 0.0;
    QTest::newRow("fixed ends: largest δ") << largestDeflection(fixed).value << p * std::pow(L, 4) / (384 * EI);
    QTest::newRow("point load: M = P·a·b/L under it") << momentAt(near, 30) << 20 * 30 * 70 / L;
    QTest::newRow("point load: largest |M| under it") << largestMoment(far).x << 70.0;
    QTest::newRow("point load near: largest δ from the far support") << largestDeflection(near).x << L - fromFarSupport;
    QTest::newRow("point load far: largest δ from the far support") << largestDeflection(far).x << fromFarSupport;
    QTest::newRow("point load: shear beside the near support") << shearAt(near, 10) << -20 * 70 / L;
    QTest::newRow("point load: shear beside the far support") << shearAt(near, 90) << 20 * 30 / L;
    QTest::newRow("uniform: shear at the right support") << shearAt(span(3), 0) << -p * L / 2;
    QTest::newRow("cantilever, end load: shear") << shearAt(span(0), 60) << p;
    QTest::newRow("cantilever, uniform: M at the fixed end") << momentAt(span(1), L) << -p * L * L / 2;
    QTest::newRow("cantilever, uniform: fixed end does not deflect") << deflectionAt(span(1), L) << 0.0;
    QTest::newRow("simply supported: support does not deflect") << deflectionAt(near, L) << 0.0;
    // clang-format on
}

void TestCurves::beamAtHandbookPoints()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QVERIFY2(std::abs(value - expected) <= 1e-9 * std::max(1.0, std::abs(expected)),
             qPrintable(QString::number(value, 'g', 17)));
}

void TestCurves::beamAgreesWithResults_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("x");
    const struct {
        int loadCase;
        double L1, x;
    } rows[] = {{0, 40, 20}, {0, 40, 0},  {1, 40, 20}, {1, 40, 0},  {2, 40, 20}, {2, 75, 10},
                {2, 50, 50}, {3, 40, 20}, {3, 40, 50}, {4, 40, 20}, {4, 40, 50}, {4, 40, 100}};
    for (const auto &row : rows)
        QTest::addRow("load case %d, L1 %g, x %g", row.loadCase, row.L1, row.x)
            << row.loadCase << row.L1 << row.x;
}

// The marked values are the fields': the curves must meet them where the
// marks stand, and nowhere along the beam go beyond the largest values.
void TestCurves::beamAgreesWithResults()
{
    QFETCH(int, loadCase);
    QFETCH(double, L1);
    QFETCH(double, x);
    const BeamInput in{21000, 100, L1, x, -20, 20, 20, 10, 10, 0, 0};
    const BeamResult r = computeBeam(LoadCase(loadCase), SectionKind::SolidRectangle, in);
    const BeamSpan s = spanOf(LoadCase(loadCase), in, r);
    const BeamExtreme moment = largestMoment(s), deflection = largestDeflection(s);
    QCOMPARE(std::abs(moment.value), std::abs(r.Mmax));
    QCOMPARE(momentAt(s, moment.x), moment.value);
    QCOMPARE(deflectionAt(s, deflection.x), deflection.value);
    QCOMPARE(r.deflection == Deflection::Maximum ? deflection.value : deflectionAt(s, x), r.delta);
    for (BeamQuantity q : {BeamQuantity::Moment, BeamQuantity::Deflection}) {
        const double largest = std::abs(q == BeamQuantity::Moment ? moment.value : deflection.value);
        for (const CurvePoint &point : beamCurve(s, q))
            QVERIFY(std::abs(point.y) <= largest * (1 + 1e-12));
    }
}

void TestCurves::beamStaysInRange_data()
{
    QTest::addColumn<BeamSpan>("span");
    QTest::addColumn<double>("largest"); // |δ| at its place, worked out in long double
    QTest::addColumn<double>("at");
    using R = long double;
    const auto row = [](const char *name, BeamSpan s, R largest, R at) {
        QTest::newRow(name) << s << static_cast<double>(largest) << static_cast<double>(at);
    };
    // clang-format off
    // 5·p·L⁴ alone is beyond a double.
    row("supported, uniform, p 1e300", {LoadCase::SupportedUniform, 100, 40, 1e300, 2.8e8}, 5 * R(1e300) * 1e8 / (384 * R(2.8e8)), 50);
    // 2·L³ alone is beyond a double.
    row("cantilever, end load, L 5e102, P 1e-300", {LoadCase::CantileverEndLoad, 5e102, 40, 1e-300, 2.8e8}, R(1e-300) * R(5e102) * R(5e102) * R(5e102) / (3 * R(2.8e8)), 0);
    row("cantilever, uniform, L 1e77", {LoadCase::CantileverUniform, 1e77, 40, 1, 2.8e8}, R(1e77) * R(1e77) * R(1e77) * R(1e77) / (8 * R(2.8e8)), 0);
    row("fixed ends, L 1e80, p 1e-10", {LoadCase::FixedUniform, 1e80, 40, 1e-10, 1e10}, R(1e-10) * R(1e80) * R(1e80) * R(1e80) * R(1e80) / (384 * R(1e10)), 5e79);
    // L² alone is beyond a double.
    const R L = 1e200, b = 4e199;
    row("point load, L 1e200", {LoadCase::SupportedPointLoad, 1e200, 4e199, 1e-300, 1e300}, R(1e-300) * b * std::pow(L * L - b * b, R(1.5)) / (9 * std::sqrt(R(3)) * R(1e300) * L), L - std::sqrt((L * L - b * b) / 3));
    // P·L³ alone is subnormal, with few digits left.
    row("cantilever, end load, P 1e-300, E·I 1e-300", {LoadCase::CantileverEndLoad, 1e-5, 40, 1e-300, 1e-300}, R(1e-300) * R(1e-5) * R(1e-5) * R(1e-5) / (3 * R(1e-300)), 0);
    // clang-format on
}

// Where the largest deflection is a double, every curve is: the curves are
// worked out on a beam of span, load and stiffness 1 and scaled up after.
void TestCurves::beamStaysInRange()
{
    QFETCH(BeamSpan, span);
    QFETCH(double, largest);
    QFETCH(double, at);
    const auto near = [](double value, double expected) {
        return std::abs(value - expected) <= 1e-12 * std::abs(expected);
    };
    const BeamExtreme deflection = largestDeflection(span);
    QVERIFY2(near(deflection.value, largest), qPrintable(QString::number(deflection.value, 'g', 17)));
    QVERIFY(near(deflection.x, at));
    QVERIFY(std::isfinite(largestMoment(span).value));
    double drawn = 0;
    for (BeamQuantity q : {BeamQuantity::Shear, BeamQuantity::Moment, BeamQuantity::Deflection}) {
        for (const CurvePoint &p : beamCurve(span, q)) {
            QVERIFY(std::isfinite(p.y));
            if (q == BeamQuantity::Deflection)
                drawn = std::max(drawn, std::abs(p.y));
        }
    }
    // The curve reaches its largest value, not a blank or a flat line.
    QVERIFY2(std::abs(drawn - largest) <= 1e-3 * largest, qPrintable(QString::number(drawn, 'g', 17)));
}

void TestCurves::loadOnASupportBendsNothing_data()
{
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("P");
    QTest::addColumn<bool>("bends");
    QTest::addColumn<double>("step"); // the shear where the curve steps at the support
    QTest::newRow("on the right support") << 0.0 << 20.0 << false << -20.0;
    QTest::newRow("on the left support, upward") << 100.0 << -20.0 << false << -20.0;
    QTest::newRow("just inside the span") << 1e-9 << 20.0 << true << 0.0;
    QTest::newRow("no load") << 30.0 << 0.0 << false << 0.0;
}

// A load on a support bends nothing: M and δ are 0 all along, and the
// shear force is 0 but for one step at that support, drawn once, where
// the curve ends (never out to the reaction and back).
void TestCurves::loadOnASupportBendsNothing()
{
    QFETCH(double, L1);
    QFETCH(double, P);
    QFETCH(bool, bends);
    QFETCH(double, step);
    const BeamSpan s{LoadCase::SupportedPointLoad, 100, L1, P, 2.1e8};
    QCOMPARE(beamBends(s), bends);
    if (bends)
        return;
    for (BeamQuantity q : {BeamQuantity::Moment, BeamQuantity::Deflection}) {
        for (const CurvePoint &point : beamCurve(s, q))
            QCOMPARE(point.y, 0.0);
    }
    const Curve shear = beamCurve(s, BeamQuantity::Shear);
    QVERIFY(std::is_sorted(shear.begin(), shear.end(), [](auto a, auto b) { return a.x < b.x; }));
    const CurvePoint end = L1 == 0 ? shear.front() : shear.back();
    QVERIFY(step == 0 || (end.x == L1 && end.y == step));
    QCOMPARE(std::count_if(shear.begin(), shear.end(), [](const CurvePoint &p) { return p.y != 0; }),
             step == 0 ? 0 : 1);
}

void TestCurves::shearPeaksAtPublishedDepth_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("nu");
    QTest::addColumn<double>("depth"); // of the largest shear, in contact sizes
    QTest::addColumn<double>("tau");   // in p_max
    QTest::addColumn<double>("surfaceR");
    const int sphere = int(ContactKind::SphereOnSphere), roller = int(ContactKind::CylinderOnPlane);
    QTest::newRow("sphere, ν 0.3") << sphere << 0.3 << 0.4809 << 0.3100 << -0.8;
    QTest::newRow("sphere, ν 0.5") << sphere << 0.5 << 0.5479 << 0.2663 << -1.0;
    for (double nu : {0.0, 0.1, 0.25, 0.3, 0.5})
        QTest::addRow("roller, ν %g", nu) << roller << nu << 0.7862 << 0.3003 << -1.0;
}

void TestCurves::shearPeaksAtPublishedDepth()
{
    QFETCH(int, kind);
    QFETCH(double, nu);
    QFETCH(double, depth);
    QFETCH(double, tau);
    QFETCH(double, surfaceR);
    const ShearPeak peak = largestShear(ContactKind(kind), nu, 3);
    QCOMPARE(std::round(peak.z * 1e4) / 1e4, depth);
    QCOMPARE(std::round(peak.tau * 1e4) / 1e4, tau);
    const AxisStresses surface = axisStresses(ContactKind(kind), nu, 0);
    QCOMPARE(surface.sigmaZ, -1.0);
    QCOMPARE(surface.sigmaR, surfaceR);
    // Along the roller's axis, σy = ν·(σx + σz) adds a larger shear only
    // for a small ν; at the surface it is (1 − 2ν)/2.
    const std::optional<ShearPeak> outOfPlane = largerOutOfPlaneShear(nu, 3);
    QCOMPARE(outOfPlane.has_value(), kind == int(ContactKind::CylinderOnPlane) && nu < 0.2);
    if (outOfPlane)
        QVERIFY(outOfPlane->tau >= (1 - 2 * nu) / 2 && outOfPlane->tau > peak.tau);
}

void TestCurves::lifeCurvePassesThePress()
{
    const BearingInput in{1000, 6000, 10000, 1000, 1000};
    const BearingResult r = computeBearingLife(in);
    const Curve curve = lifeCurve(r);
    QCOMPARE(curve.front().x, r.P / 10);
    QCOMPARE(curve.back().x, r.P * 10);
    QCOMPARE(curve[curve.size() / 2].y, r.Lh);
    QCOMPARE(curve.front().y, r.Lh * 1000);
    const BearingCourse course = courseOf(in, r);
    QCOMPARE(course.corOverFa, 6.0);
    QCOMPARE(course.faOverFr, 1.0);
    QVERIFY(course.axialCounts);
    QCOMPARE(course.rowY, r.Y);
    // A tie with e leaves the axial load out.
    QVERIFY(
        !courseOf({100, 4000, 6000, 800, 200}, computeBearingLife({100, 4000, 6000, 800, 200})).axialCounts);
}

void TestCurves::drawsWithinAPixel_data()
{
    QTest::addColumn<Curve>("curve");
    QTest::addColumn<Function>("f");
    for (int loadCase = 0; loadCase < 5; ++loadCase) {
        const BeamSpan s = span(loadCase);
        QTest::addRow("beam %d, deflection", loadCase)
            << beamCurve(s, BeamQuantity::Deflection)
            << Function([s](double x) { return deflectionAt(s, x); });
        QTest::addRow("beam %d, moment", loadCase)
            << beamCurve(s, BeamQuantity::Moment) << Function([s](double x) { return momentAt(s, x); });
    }
    for (auto kind : {ContactKind::SphereOnSphere, ContactKind::CylinderOnPlane})
        QTest::addRow("shear, kind %d", int(kind))
            << axisStressCurve(kind, 0.3, AxisStress::Tau, 3)
            << Function([kind](double z) { return axisStresses(kind, 0.3, z).tau; });
    QTest::newRow("pressure") << pressureCurve(1.5) << Function(contactPressure);
}

// Drawn 10,000 pixels high, the chords stay within half a pixel of the
// curve, measured across the chord's direction.
void TestCurves::drawsWithinAPixel()
{
    QFETCH(Curve, curve);
    QFETCH(Function, f);
    double low = 0, high = 0;
    for (const CurvePoint &p : curve) {
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    }
    const double width = curve.back().x - curve.front().x, height = high - low;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const CurvePoint a = curve[i - 1], b = curve[i];
        if (a.x == b.x)
            continue;
        const double dx = (b.x - a.x) / width, dy = (b.y - a.y) / height;
        for (double t : {0.25, 0.5, 0.75}) {
            const double x = a.x + t * (b.x - a.x);
            const double off = ((a.y + t * (b.y - a.y)) - f(x)) / height;
            QVERIFY2(std::abs(off) * std::abs(dx) / std::hypot(dx, dy) * 1e4 <= 0.5,
                     qPrintable(QString::number(x)));
        }
    }
}

void TestCurves::labelsTicks_data()
{
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QString>("expected");
    const auto labels = [](const std::vector<Tick> &ticks) {
        QStringList texts;
        for (const Tick &t : ticks)
            texts << (t.label.isEmpty() ? "." : t.label);
        return texts.join(' ');
    };
    // clang-format off
    QTest::newRow("span") << labels(linearTicks(0, 100, 5)) << "0 20 40 60 80 100";
    QTest::newRow("moments") << labels(linearTicks(-17500, 9200, 5)) << "-15000 -10000 -5000 0 5000";
    QTest::newRow("small deflections") << labels(linearTicks(-0.0001, 0.0017, 4)) << "0 5e-4 1e-3 1.5e-3";
    QTest::newRow("large") << labels(linearTicks(0, 3.2e6, 3)) << "0 1e6 2e6 3e6";
    QTest::newRow("fractions") << labels(linearTicks(-0.93, 0.93, 4)) << "-0.5 0 0.5";
    QTest::newRow("shear of both signs, two ticks") << labels(linearTicks(-14, 10, 2)) << "-10 0 10";
    QTest::newRow("two decades") << labels(logTicks(150, 15000)) << ". . . . . . . . 1000 . . . . . . . . 10000";
    QTest::newRow("many decades") << labels(logTicks(10, 1e7)).remove(" .") << "10¹ 10² 10³ 10⁴ 10⁵ 10⁶ 10⁷";
    QTest::newRow("small decades") << labels(logTicks(1e-5, 1e-3)).remove(" .") << "10⁻⁵ 10⁻⁴ 10⁻³";
    QTest::newRow("near zero") << tickLabel(1e-17, 0.1) << "0";
    QTest::newRow("no range, no decades") << labels(logTicks(10, 10)) << "";
    // Subnormal values: no logarithm of 0, no power of ten off by one.
    QTest::newRow("1e-315") << labels(linearTicks(0, 1e-315, 4)) << "0 2e-316 4e-316 6e-316 8e-316 1e-315";
    QTest::newRow("1e-316, one step") << tickLabel(1e-316, 1e-316) << "1e-316";
    QTest::newRow("zero at the finest step") << tickLabel(0, 5e-324) << "0";
    QTest::newRow("1e-300") << labels(linearTicks(-1e-300, 3e-300, 4)) << "-1e-300 0 1e-300 2e-300 3e-300";
    QTest::newRow("1e-300, decades") << labels(logTicks(1e-316, 1e-314)).remove(" .") << "10⁻³¹⁶ 10⁻³¹⁵ 10⁻³¹⁴";
    // Up to the largest double, and a span beyond it.
    QTest::newRow("1e308") << labels(linearTicks(0, 1.7e308, 4)) << "0 5e307 1e308 1.5e308";
    QTest::newRow("span beyond a double") << labels(linearTicks(-1.7e308, 1.7e308, 4)) << "-1e308 0 1e308";
    QTest::newRow("1e308, decades") << labels(logTicks(1e306, 1.7e308)).remove(" .") << "10³⁰⁶ 10³⁰⁷ 10³⁰⁸";
    QTest::newRow("1e308, one step") << tickLabel(1e308, 1e308) << "1e308";
    QTest::newRow("a step a rounding short of 1e6") << tickLabel(2.9999999999999996e6, 1e6) << "3e6";
    // clang-format on
}

void TestCurves::labelsTicks()
{
    QFETCH(QString, labels);
    QFETCH(QString, expected);
    QCOMPARE(labels, expected);
}

QTEST_APPLESS_MAIN(TestCurves)
#include "tst_curves.moc"
