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
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("factors");
    QTest::addColumn<bool>("proven");
    // Fr = 1500 lb, Fa = 1000 lb, C0 = 29 400 lb, C = 29 900 lb, 1500 r/min:
    // the program's row (Y = 1.92) gives Lh = 14 126.8 h; the source
    // interpolates Y = 1.93, so P = 2770 lb and Lh = 13 974 h, printed 14 000 h.
    QTest::newRow("source's Y explains it") << 14000.0 << 14126.8 << "Y=1.93" << true;
    QTest::newRow("published value doctored") << 14100.0 << 14126.8 << "Y=1.93" << false;
    QTest::newRow("shown value doctored") << 14000.0 << 14200.0 << "Y=1.93" << false;
}

void TestVerify::modelDifferenceIsRecomputed()
{
    QFETCH(double, published);
    QFETCH(double, shown);
    QFETCH(QString, factors);
    QFETCH(bool, proven);
    const double lb = 0.45359237;
    ExampleRun run;
    run.inputs = {{"n", 1500}, {"Cor", 29400 * lb}, {"Cr", 29900 * lb}, {"Fr", 1500 * lb}, {"Fa", 1000 * lb}};
    run.outcomes = {{QStringLiteral("Lh"), {}, {}, published, 50.05, 0.05, {}, shown, 0, false, {}}};
    const Row row{{{QStringLiteral("source_factors"), factors}}};
    QCOMPARE(judge(Model::Bearing, row, run).verdict, proven ? Verdict::ModelProven : Verdict::Failed);
}

void TestVerify::comparisonFindsTheExtremes()
{
    // Just above the key 5 the program takes the row 10 (Y = 1.49) where the
    // table gives Y = 1.31 − 0.16·(1/5.01 − 0.17)/0.11 = 1.266944; at 55 it
    // takes the row 50 (Y = 2.13) where the table gives
    // Y = 2.30 − 0.15·(1/55 − 0.014)/0.007 = 2.210390. X = 0.56 in both;
    // without an axial load (Fa/Fr = 0) both give P = Fr.
    const Comparison c = compareLoadFactors({5.01, 55, 49.99}, {0, 2, 1});
    QCOMPARE(std::pair(c.largest.corOverFa, c.largest.faOverFr), std::pair(5.01, 2.0));
    QVERIFY(qAbs(c.largest.ratio - 3.54 / 3.093888) < 1e-6);
    QCOMPARE(std::pair(c.unsafe.front().fromCorOverFa, c.unsafe.back().toCorOverFa), std::pair(55.0, 55.0));
    QVERIFY(qAbs(c.smallest.ratio - 4.82 / 4.980779) < 1e-6);
}

QTEST_APPLESS_MAIN(TestVerify)
#include "tst_verify.moc"
