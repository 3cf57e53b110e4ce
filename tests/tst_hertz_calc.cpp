// The Hertz computation, checked through the texts the tab shows (three
// decimals), so a wrong formula or constant shows up as a wrong digit.
#include "app/calc_error.h"
#include "app/numtext.h"
#include "hertz/hertz_calc.h"

#include <QtTest>

using namespace tavrel;

namespace
{

QByteArray shown(double value)
{
    return QByteArray::fromStdString(FormatFloat(" ###0.000", value));
}
QByteArray shown(const std::optional<double> &value)
{
    return value ? shown(*value) : "empty";
}

} // namespace

class TestHertzCalc : public QObject
{
    Q_OBJECT

private slots:
    void computesResults_data();
    void computesResults();
    void refusesFloatingPointFaults_data();
    void refusesFloatingPointFaults();
};

void TestHertzCalc::computesResults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("in");      // R1, P, E1, E2, nu1, nu2, R2 or B
    QTest::addColumn<QList<QByteArray>>("out"); // size, delta, pmax, sigmaZ, sigmaR, tau

    QTest::newRow("sphere, defaults")
        << 1 << QList<double>{40, 100, 21000, 21000, 0.3, 0.3, 400}
        << QList<QByteArray>{" 0.618", " 0.011", " 124.898", " 124.898", " 16.653", " 38.718"};
    QTest::newRow("sphere, unequal materials")
        << 1 << QList<double>{40, 100, 21000, 7000, 0.3, 0.25, 400}
        << QList<QByteArray>{" 0.785", " 0.017", " 77.514", " 77.514", " 10.335", " 24.029"};
    QTest::newRow("sphere, nu1 0.5 has no tensile stress")
        << 1 << QList<double>{40, 100, 21000, 21000, 0.5, 0.3, 400}
        << QList<QByteArray>{" 0.600", " 0.010", " 132.800", " 132.800", " 0.000", " 41.168"};
    QTest::newRow("sphere, only nu1 enters the tensile stress")
        << 1 << QList<double>{40, 100, 21000, 21000, 0.3, 0.1, 400}
        << QList<QByteArray>{" 0.627", " 0.011", " 121.367", " 121.367", " 16.182", " 37.624"};
    QTest::newRow("roller, same material")
        << 5 << QList<double>{40, 1000, 21000, 21000, 0.3, 0.3, 10}
        << QList<QByteArray>{" 0.664", " 0.016", " 95.823", " -95.823", "empty", " 28.843"};
    QTest::newRow("roller, defaults read as width 400")
        << 5 << QList<double>{40, 100, 21000, 21000, 0.3, 0.3, 400}
        << QList<QByteArray>{" 0.033", " 0.000", " 4.791", " -4.791", "empty", " 1.442"};
    QTest::newRow("roller, nu2 differs")
        << 5 << QList<double>{40, 1000, 21000, 21000, 0.3, 0.29, 10}
        << QList<QByteArray>{" 0.665", "empty", " 95.668", " -95.668", "empty", "empty"};
    QTest::newRow("roller, E2 differs")
        << 5 << QList<double>{40, 1000, 21000, 20000, 0.3, 0.3, 10}
        << QList<QByteArray>{" 0.673", "empty", " 94.647", " -94.647", "empty", "empty"};
    QTest::newRow("roller, nu1 near but not 0.3")
        << 5 << QList<double>{40, 1000, 21000, 21000, 0.30000000000000004, 0.3, 10}
        << QList<QByteArray>{" 0.664", "empty", " 95.823", " -95.823", "empty", "empty"};
    QTest::newRow("sphere in a concave seat: negative R2")
        << 1 << QList<double>{40, 100, 21000, 21000, 0.3, 0.3, -400}
        << QList<QByteArray>{" 0.661", " 0.010", " 109.258", " 109.258", " 14.568", " 33.870"};
}

void TestHertzCalc::computesResults()
{
    QFETCH(int, kind);
    QFETCH(QList<double>, in);
    QFETCH(QList<QByteArray>, out);
    const HertzResult r =
        computeHertz(static_cast<ContactKind>(kind), {in[0], in[1], in[2], in[3], in[4], in[5], in[6]});
    QCOMPARE(shown(r.contactSize), out[0]);
    QCOMPARE(shown(r.approach), out[1]);
    QCOMPARE(shown(r.pMax), out[2]);
    QCOMPARE(shown(r.sigmaZMax), out[3]);
    QCOMPARE(shown(r.sigmaRMax), out[4]);
    QCOMPARE(shown(r.tauMax), out[5]);
}

void TestHertzCalc::refusesFloatingPointFaults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("in");
    QTest::newRow("sphere, E1 zero") << 1 << QList<double>{40, 100, 0, 21000, 0.3, 0.3, 400};
    QTest::newRow("sphere, E2 zero") << 1 << QList<double>{40, 100, 21000, 0, 0.3, 0.3, 400};
    QTest::newRow("sphere, R1 + R2 zero") << 1 << QList<double>{40, 100, 21000, 21000, 0.3, 0.3, -40};
    QTest::newRow("sphere, R1 zero") << 1 << QList<double>{0, 100, 21000, 21000, 0.3, 0.3, 400};
    QTest::newRow("sphere, negative load") << 1 << QList<double>{40, -100, 21000, 21000, 0.3, 0.3, 400};
    QTest::newRow("sphere, zero load") << 1 << QList<double>{40, 0, 21000, 21000, 0.3, 0.3, 400};
    QTest::newRow("sphere, overflow") << 1 << QList<double>{40, 1e308, 1e-308, 1e-308, 0.3, 0.3, 400};
    QTest::newRow("roller, width zero") << 5 << QList<double>{40, 1000, 21000, 21000, 0.3, 0.3, 0};
    QTest::newRow("roller, E1 zero") << 5 << QList<double>{40, 1000, 0, 21000, 0.3, 0.3, 10};
    QTest::newRow("roller, negative load") << 5 << QList<double>{40, -1000, 21000, 21000, 0.3, 0.3, 10};
    QTest::newRow("roller, zero load") << 5 << QList<double>{40, 0, 21000, 21000, 0.3, 0.3, 10};
    QTest::newRow("roller, negative radius under the logarithm")
        << 5 << QList<double>{-40, -1000, 21000, 21000, 0.3, 0.3, 10};
}

void TestHertzCalc::refusesFloatingPointFaults()
{
    QFETCH(int, kind);
    QFETCH(QList<double>, in);
    QVERIFY_THROWS_EXCEPTION(CalcError, computeHertz(static_cast<ContactKind>(kind),
                                                     {in[0], in[1], in[2], in[3], in[4], in[5], in[6]}));
}

QTEST_GUILESS_MAIN(TestHertzCalc)
#include "tst_hertz_calc.moc"
