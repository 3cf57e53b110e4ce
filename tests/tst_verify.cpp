// The verification tool's own checks, without any window: a result outside
// its tolerance passes only when factors the source prints, put into the
// program's formula, give the published value with a bounded gap; a
// reported finding must still disagree; a finite-element tolerance must be
// justified by the convergence of the meshes; every field shown must have
// a check; and the comparison of the load-factor table with ISO 281 finds
// its extremes and open-ended ranges.
#include "tools/verify/coverage.h"
#include "tools/verify/evaluation.h"
#include "tools/verify/fe_study.h"
#include "tools/verify/load_factors.h"

#include <QtTest>

using namespace verify;

class TestVerify : public QObject
{
    Q_OBJECT

private slots:
    void modelDifferenceIsExplained_data();
    void modelDifferenceIsExplained();
    void gapIsBounded();
    void findingMustStillDisagree_data();
    void findingMustStillDisagree();
    void convertedInputsAreRounded();
    void toleranceNeedsConvergence_data();
    void toleranceNeedsConvergence();
    void everyShownFieldNeedsACheck();
    void comparisonFindsTheExtremes();
};

namespace
{

const double lb = 0.45359237;

// Fr = 1500 lb, Fa = 1000 lb, C0 = 29 400 lb, C = 29 900 lb, 1500 r/min: the
// program's row (Y = 1.92) gives Lh = 14 126.8 h; the source interpolates
// Y = 1.93 ("Ct = 1.93"), so P = 2770 lb and Lh = 13 974 h, printed 14 000 h.
ExampleRun faires(double published, double shown, const char *check = "Lh", double tolerance = 50.05)
{
    ExampleRun run;
    run.inputs = {{"n", 1500}, {"Cor", 29400 * lb}, {"Cr", 29900 * lb}, {"Fr", 1500 * lb}, {"Fa", 1000 * lb}};
    run.outcomes = {
        {QString::fromLatin1(check), {}, {}, published, tolerance, 0.05, {}, shown, 0, false, {}}};
    return run;
}

Row row(std::map<QString, QString> cells)
{
    return Row{std::move(cells)};
}

const QString kPublished =
    QStringLiteral("Ct = 1.93, Fe = 0.56(1500) + 1.93(1000) = 2770 lb, life ≈ 14 000 hr");

} // namespace

void TestVerify::modelDifferenceIsExplained_data()
{
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("shown");
    QTest::addColumn<QString>("factors");
    QTest::addColumn<QString>("publishedText");
    QTest::addColumn<bool>("explained");
    QTest::newRow("factor quoted from the source")
        << 14000.0 << 14126.8 << "Y=1.93 @ Ct = 1.93" << kPublished << true;
    QTest::newRow("factor without words of the source")
        << 14000.0 << 14126.8 << "Y=1.93" << kPublished << false;
    QTest::newRow("quote not in the source's account") << 14000.0 << 14126.8 << "Y=1.93 @ Ct = 1.93"
                                                       << "Fe = 2770 lb" << false;
    QTest::newRow("quote that does not print the factor")
        << 14000.0 << 14126.8 << "Y=1.9 @ Ct = 1.93" << kPublished << false;
    QTest::newRow("invented factor") << 14000.0 << 14126.8 << "Y=1.88 @ Ct = 1.93" << kPublished << false;
    QTest::newRow("published value doctored")
        << 14100.0 << 14126.8 << "Y=1.93 @ Ct = 1.93" << kPublished << false;
    QTest::newRow("shown value doctored")
        << 14000.0 << 14200.0 << "Y=1.93 @ Ct = 1.93" << kPublished << false;
}

void TestVerify::modelDifferenceIsExplained()
{
    QFETCH(double, published);
    QFETCH(double, shown);
    QFETCH(QString, factors);
    QFETCH(QString, publishedText);
    QFETCH(bool, explained);
    const Row r = row({{"source_factors", factors}, {"published", publishedText}});
    QCOMPARE(judge(Model::Bearing, r, faires(published, shown)).verdict,
             explained ? Verdict::Explained : Verdict::Failed);
}

void TestVerify::findingMustStillDisagree_data()
{
    QTest::addColumn<bool>("within");
    QTest::addColumn<int>("verdict");
    QTest::newRow("still disagrees") << false << static_cast<int>(Verdict::Finding);
    QTest::newRow("agrees now") << true << static_cast<int>(Verdict::Failed);
}

void TestVerify::findingMustStillDisagree()
{
    QFETCH(bool, within);
    QFETCH(int, verdict);
    ExampleRun run;
    run.outcomes = {{QStringLiteral("delta"), {}, {}, 0.1831, 0.0009, 0.0005, {}, 0.205, 0.12, within, {}}};
    const Row r = row({{"finding", QStringLiteral("delta: another measure\n")}});
    QCOMPARE(static_cast<int>(judge(Model::Hertz, r, run).verdict), verdict);
}

void TestVerify::gapIsBounded()
{
    // A source that prints Y = 1.0 for the same bearing: Fe = 0.56(1500) +
    // 1.0(1000) = 1840 lb against the program's 2760 lb. The factor is
    // quoted and the recomputation holds, but a gap of 50 % explains nothing.
    const double shown = (0.56 * 1500 + 1.92 * 1000) * lb;
    const Row r = row({{"source_factors", QStringLiteral("Y=1.0 @ Y = 1.0")},
                       {"published", QStringLiteral("X = 0.56, Y = 1.0, Fe = 1840 lb")}});
    const Evaluated e = judge(Model::Bearing, r, faires(1840 * lb, shown, "P", 0.5 * lb));
    QCOMPARE(e.verdict, Verdict::Failed);
    QVERIFY(e.explanations.front()->reason.contains(QStringLiteral("exceeds the bound")));
    QVERIFY(qAbs(e.explanations.front()->gap - 2760.0 / 1840 + 1) < 1e-3);
    // A life is counted through its cube root: 14 000 h against 14 126.8 h
    // is a gap of -0.30 % in the load.
    QVERIFY(qAbs(equivalentLoadGap(QStringLiteral("Lh"), 14126.8, 14000) - (std::cbrt(14000 / 14126.8) - 1)) <
            1e-12);
}

void TestVerify::convertedInputsAreRounded()
{
    // R5's 10.0 kN, 5 kN and 2 kN as a user types them in kgf: Cor/Fa moves
    // from exactly 5 to just above, into the next row of the table.
    const Row r = row({{"n", QStringLiteral("1000")},
                       {"Cor", QStringLiteral("10*1000/9.80665")},
                       {"Fr", QStringLiteral("5*1000/9.80665")},
                       {"Fa", QStringLiteral("2*1000/9.80665")}});
    const auto rounded = roundedRow(calculator(Model::Bearing), r);
    QVERIFY(rounded);
    QCOMPARE(rounded->cell(QStringLiteral("Cor")), QStringLiteral("1020"));
    QCOMPARE(rounded->cell(QStringLiteral("Fr")), QStringLiteral("509.9"));
    QCOMPARE(rounded->cell(QStringLiteral("Fa")), QStringLiteral("203.9"));
    QCOMPARE(rounded->cell(QStringLiteral("n")), QStringLiteral("1000"));
    QVERIFY(!roundedRow(calculator(Model::Bearing), row({{"n", QStringLiteral("100")}})));
}

void TestVerify::toleranceNeedsConvergence_data()
{
    QTest::addColumn<double>("medium");
    QTest::addColumn<bool>("justified");
    // Fine 100 with a tolerance of 0.6 %: the last change must stay under 0.2 %.
    QTest::newRow("converged") << 99.81 << true;
    QTest::newRow("still moving") << 99.7 << false;
}

void TestVerify::toleranceNeedsConvergence()
{
    QFETCH(double, medium);
    QFETCH(bool, justified);
    FeStudy study;
    study.lines.push_back({QStringLiteral("FS1"),
                           QStringLiteral("FS1"),
                           {},
                           {},
                           QStringLiteral("pmax"),
                           QStringLiteral("pmax"),
                           {101.0, medium, 100.0},
                           0.006,
                           0,
                           0});
    QCOMPARE(unjustifiedTolerances(study).isEmpty(), justified);
}

void TestVerify::everyShownFieldNeedsACheck()
{
    // A bearing row that checks P and Lh, but no row the days.
    Evaluated bearing{row({{"id", QStringLiteral("R1")}}), {}, {}, std::nullopt, Verdict::Within};
    bearing.run.outcomes = {{QStringLiteral("P"), {}, {}, 1, 0, 0, {}, 1.0, 0, true, {}},
                            {QStringLiteral("Lh"), {}, {}, 1, 0, 0, {}, 1.0, 0, true, {}}};
    bearing.explanations = {std::nullopt, std::nullopt};
    // A cantilever press at x = 0: its δ is the largest deflection.
    Evaluated beam{row({{"id", QStringLiteral("FB00m")},
                        {"case", QStringLiteral("0")},
                        {"section", QStringLiteral("0")}}),
                   {},
                   {},
                   std::nullopt,
                   Verdict::Within};
    beam.run.outcomes = {{QStringLiteral("delta"), {}, {}, 1, 0, 0, {}, 1.0, 0, true, {}}};
    beam.run.caption = QStringLiteral("δmax =");
    beam.explanations = {std::nullopt};
    const auto fields = coverage({bearing}, {beam});
    const QStringList missing = unchecked(fields);
    QVERIFY(missing.contains(QStringLiteral("Bearing, , days")));
    QVERIFY(!missing.contains(QStringLiteral("Bearing, , P")));
    QVERIFY(
        missing.contains(QStringLiteral("Beam, load case 0 (cantilever, end load), solid rectangle, δx")));
    QVERIFY(
        !missing.contains(QStringLiteral("Beam, load case 0 (cantilever, end load), solid rectangle, δmax")));
    // The point load between supports shows no δ at x: nothing to check.
    QVERIFY(!missing.contains(
        QStringLiteral("Beam, load case 2 (simply supported, point load), solid rectangle, δx")));
    // Only the solver checks the cantilever's δmax; nothing checks the days,
    // which is a fault, not a field the solver alone checks.
    const QStringList solverOnlyFields = solverOnly(fields, false);
    QVERIFY(solverOnlyFields.contains(QStringLiteral("δmax (cantilever, end load)")));
    QVERIFY(!solverOnlyFields.contains(QStringLiteral("days")));
    QVERIFY(!solverOnlyFields.contains(QStringLiteral("P")));
}

void TestVerify::comparisonFindsTheExtremes()
{
    // Just above the key 5 the program takes the row 10 (Y = 1.49) where ISO
    // 281 gives, at f0·Fa/C0r = 12.3/5.01 = 2.455, Y = 1.31 − 0.16·(2.455 −
    // 2.07)/1.38 = 1.265351; at 55 it takes the row 50 (Y = 2.13) where ISO
    // gives, at 12.3/55 = 0.2236, Y = 2.30 − 0.31·(0.2236 − 0.172)/0.173 =
    // 2.207489. A purely axial load compares the Ys alone; without an axial
    // load both give P = Fr.
    const Comparison c = compareLoadFactors({5.01, 55, 49.99}, {0, 1, 0.5});
    QCOMPARE(std::pair(c.largest.corOverFa, c.largest.axialShare), std::pair(5.01, 1.0));
    QVERIFY(qAbs(c.largest.ratio - 1.49 / 1.265351) < 1e-5);
    QCOMPARE(std::pair(c.smallest.corOverFa, c.smallest.axialShare), std::pair(55.0, 1.0));
    QVERIFY(qAbs(c.smallest.ratio - 2.13 / 2.207489) < 1e-5);
    QCOMPARE(c.unsafe.size(), std::size_t(1));
    QVERIFY(!c.unsafe.front().openAbove);
    // Above both tables' last rows (Cor/Fa 71.5 and 60) nothing changes: a
    // run that reaches the end of the grid there has no end.
    const Comparison light = compareLoadFactors({100, 200, 50}, {0, 1, 0.5});
    QCOMPARE(light.unsafe.size(), std::size_t(1));
    QVERIFY(light.unsafe.front().openAbove);
    QCOMPARE(light.unsafe.front().toShare, 1.0);
}

QTEST_APPLESS_MAIN(TestVerify)
#include "tst_verify.moc"
