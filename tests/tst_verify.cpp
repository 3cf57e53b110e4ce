// The verification tool's own checks, without any window: a result outside
// its tolerance passes only when the source's factors, put into the
// program's formula, give the published value; and the comparison of the
// load-factor table with the catalogue method finds its extremes.
#include "tools/verify/evaluation.h"
#include "tools/verify/load_factors.h"

#include <QtTest>

using namespace verify;

class TestVerify : public QObject
{
    Q_OBJECT

private slots:
    void modelDifferenceIsRecomputed_data();
    void modelDifferenceIsRecomputed();
    void comparisonFindsTheExtremes();
};

void TestVerify::modelDifferenceIsRecomputed_data()
{
    QTest::addColumn<double>("publishedKn");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("factors");
    QTest::addColumn<bool>("proven");
    // Fr = 8 kN, Fa = 4 kN, C0 = 62 kN: the program's row gives Y = 1.76 and
    // P = 1174.7 kgf; the source interpolates Y = 1.661 and prints 11.12 kN.
    QTest::newRow("source's Y explains it") << 11.12 << 1174.7 << "Y=1.661" << true;
    QTest::newRow("published value doctored") << 11.30 << 1174.7 << "Y=1.661" << false;
    QTest::newRow("shown value doctored") << 11.12 << 1180.0 << "Y=1.661" << false;
}

void TestVerify::modelDifferenceIsRecomputed()
{
    QFETCH(double, publishedKn);
    QFETCH(double, shown);
    QFETCH(QString, factors);
    QFETCH(bool, proven);
    const double kN = 1000 / 9.80665;
    ExampleRun run;
    run.inputs = {{"n", 900}, {"Cor", 62 * kN}, {"Cr", 95.6 * kN}, {"Fr", 8 * kN}, {"Fa", 4 * kN}};
    run.outcomes = {
        {QStringLiteral("P"), {}, {}, publishedKn * kN, 0.005 * kN + 0.05, 0.05, {}, shown, 0, false, {}}};
    const Row row{{{QStringLiteral("source_factors"), factors}}};
    QCOMPARE(judge(Model::Bearing, row, run).verdict, proven ? Verdict::ModelProven : Verdict::Failed);
}

void TestVerify::comparisonFindsTheExtremes()
{
    // Just above the key 5 the program takes the row 10 (Y = 1.49) where the
    // table gives Y = 1.31 − 0.16·(1/5.01 − 0.17)/0.11 = 1.266944; at 55 it
    // takes the row 50 (Y = 2.13) where the table gives
    // Y = 2.30 − 0.15·(1/55 − 0.014)/0.007 = 2.210390. X = 0.56 in both.
    const Comparison c = compareLoadFactors({5.01, 55, 49.99}, {1, 2, 1});
    QCOMPARE(std::pair(c.largest.corOverFa, c.largest.faOverFr), std::pair(5.01, 2.0));
    QVERIFY(qAbs(c.largest.ratio - 3.54 / 3.093888) < 1e-6);
    QCOMPARE(std::pair(c.smallest.corOverFa, c.smallest.faOverFr), std::pair(55.0, 2.0));
    QVERIFY(qAbs(c.smallest.ratio - 4.82 / 4.980779) < 1e-6);
}

QTEST_APPLESS_MAIN(TestVerify)
#include "tst_verify.moc"
