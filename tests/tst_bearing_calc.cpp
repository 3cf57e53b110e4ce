#include "app/calc_error.h"
#include "bearing/bearing_calc.h"

#include "numeric_compare.h"

#include <QtTest>

#include <cmath>

using namespace tavrel;

class TestBearingCalc : public QObject
{
    Q_OBJECT

private slots:
    void life_data();
    void life();
    void noResult_data();
    void noResult();
};

void TestBearingCalc::life_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("Cor");
    QTest::addColumn<double>("Cr");
    QTest::addColumn<double>("Fr");
    QTest::addColumn<double>("Fa");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("Lh");

    // Lh = (Cr/P)³ · 10⁶ / (60 n), worked out as exact fractions.
    QTest::newRow("defaults, Fa/Fr below e")
        << 100.0 << 6000.0 << 6000.0 << 1500.0 << 200.0 << 30 << 0.23 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;
    QTest::newRow("row 10, Fa/Fr above e") << 1000.0 << 6000.0 << 10000.0 << 1000.0 << 1000.0 << 10 << 0.29
                                           << 0.56 << 1.49 << 2050.0 << 400000000.0 / 206763;
    QTest::newRow("Fa/Fr equal to e 0.25 is not above")
        << 100.0 << 4000.0 << 6000.0 << 800.0 << 200.0 << 20 << 0.25 << 1.0 << 0.0 << 800.0 << 70312.5;
    QTest::newRow("Fa/Fr just above e 0.25") << 100.0 << 4020.0 << 6000.0 << 800.0 << 201.0 << 20 << 0.25
                                             << 0.56 << 1.76 << 801.76 << 8789062500000000.0 / 125826816331;
    QTest::newRow("Fa 35 Fr 100 equals e 0.35 as doubles")
        << 100.0 << 100.0 << 100.0 << 100.0 << 35.0 << 5 << 0.35 << 1.0 << 0.0 << 100.0 << 500.0 / 3;

    // Key boundaries, with Fa = Fr so that every row's Y applies and Cr = P
    // so that Lh = 10⁶ / (60 · 100).
    const struct {
        const char *name;
        double Cor;
        int key;
        double e, Y, P;
    } boundaries[] = {
        {"ratio 0.5 -> row 5", 100, 5, 0.35, 1.26, 364},
        {"ratio 12 -> row 15", 2400, 15, 0.27, 1.64, 440},
        {"ratio 25 -> row 25", 5000, 25, 0.24, 1.85, 482},
        {"ratio 25.5 -> row 30", 5100, 30, 0.23, 1.92, 496},
        {"ratio 30 -> row 30", 6000, 30, 0.23, 1.92, 496},
        {"ratio 30.5 -> row 50", 6100, 50, 0.20, 2.13, 538},
        {"ratio 60 -> row 50", 12000, 50, 0.20, 2.13, 538},
        {"ratio 60.5 -> row 70", 12100, 70, 0.19, 2.28, 568},
        {"ratio 1000 -> row 70", 200000, 70, 0.19, 2.28, 568},
    };
    for (const auto &b : boundaries) {
        QTest::newRow(b.name) << 100.0 << b.Cor << b.P << 200.0 << 200.0 << b.key << b.e << 0.56 << b.Y << b.P
                              << 500.0 / 3;
    }

    // A positive ratio whose fifth underflows to zero is still in the first row.
    QTest::newRow("subnormal ratio -> row 5")
        << 100.0 << 5e-324 << 6000.0 << 1500.0 << 1.0 << 5 << 0.35 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;

    // Ratios beyond the table: row 70, where a tiny Fa/Fr leaves P = Fr.
    QTest::newRow("Fa zero, pure radial load")
        << 100.0 << 6000.0 << 6000.0 << 1500.0 << 0.0 << 70 << 0.19 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;
    QTest::newRow("Fa negative zero, pure radial load")
        << 100.0 << 6000.0 << 6000.0 << 1500.0 << -0.0 << 70 << 0.19 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;
    QTest::newRow("multiple of 5 beyond 32 bits") << 100.0 << 2147483646.0 << 6000.0 << 1500.0 << 1.0 << 70
                                                  << 0.19 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;
    QTest::newRow("ratio overflows to infinity")
        << 100.0 << 1e308 << 6000.0 << 1500.0 << 1e-10 << 70 << 0.19 << 1.0 << 0.0 << 1500.0 << 32000.0 / 3;
}

void TestBearingCalc::life()
{
    QFETCH(double, n);
    QFETCH(double, Cor);
    QFETCH(double, Cr);
    QFETCH(double, Fr);
    QFETCH(double, Fa);
    QFETCH(int, key);
    QFETCH(double, e);
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(double, P);
    QFETCH(double, Lh);

    const BearingResult r = computeBearingLife({n, Cor, Cr, Fr, Fa});
    QCOMPARE(r.key, key);
    QVERIFY2(r.e == e, mismatch(r.e, e).constData());
    QVERIFY2(r.X == X, mismatch(r.X, X).constData());
    QVERIFY2(r.Y == Y, mismatch(r.Y, Y).constData());
    QVERIFY2(relClose(r.P, P), mismatch(r.P, P).constData());
    QVERIFY2(relClose(r.Lh, Lh), mismatch(r.Lh, Lh).constData());
    QVERIFY2(relClose(r.days, Lh / 24), mismatch(r.days, Lh / 24).constData());
}

void TestBearingCalc::noResult_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("Cor");
    QTest::addColumn<double>("Fr");
    QTest::addColumn<double>("Fa");
    QTest::addColumn<QByteArray>("message");

    const QByteArray noRow = kNoLoadFactorMessage;
    const QByteArray fault = kFloatFaultMessage;
    QTest::newRow("Cor zero") << 100.0 << 0.0 << 1500.0 << 200.0 << noRow;
    QTest::newRow("Cor negative") << 100.0 << -6000.0 << 1500.0 << 200.0 << noRow;
    QTest::newRow("Fa negative") << 100.0 << 6000.0 << 1500.0 << -200.0 << noRow;
    QTest::newRow("Cor and Fa zero") << 100.0 << 0.0 << 1500.0 << 0.0 << noRow;
    QTest::newRow("Cor negative, Fa zero") << 100.0 << -6000.0 << 1500.0 << 0.0 << noRow;
    QTest::newRow("n zero") << 0.0 << 6000.0 << 1500.0 << 200.0 << fault;
    QTest::newRow("Fr and Fa zero") << 100.0 << 6000.0 << 0.0 << 0.0 << fault;
}

void TestBearingCalc::noResult()
{
    QFETCH(double, n);
    QFETCH(double, Cor);
    QFETCH(double, Fr);
    QFETCH(double, Fa);
    QFETCH(QByteArray, message);

    try {
        computeBearingLife({n, Cor, 6000.0, Fr, Fa});
        QFAIL("no CalcError thrown");
    } catch (const CalcError &error) {
        QCOMPARE(QByteArray(error.what()), message);
    }
}

QTEST_GUILESS_MAIN(TestBearingCalc)
#include "tst_bearing_calc.moc"
