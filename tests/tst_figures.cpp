// The figures without a window: what each press's diagrams hold and mark,
// where their labels go, and the beam's sketch above them.
#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "core/hertz/hertz_subsurface.h"
#include "core/num/numtext.h"
#include "diagram/beam_sketch.h"
#include "diagram/diagrams.h"
#include "diagram/labels.h"
#include "hertz/hertz_tab.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    void placesLabelsApart();
    void drawsWhatWasPressed();
    void marksTheCurvesOwnValues_data();
    void marksTheCurvesOwnValues();
    void alignsTheSketchWithThePlots();
    void drawsEachLoadCasesSupports_data();
    void drawsEachLoadCasesSupports();
};

// Three marks close together in a small plot, a curve along its top: the
// labels stay inside, clear of each other, of every mark and of the curve
// where they can; one with no room is left out.
void TestFigures::placesLabelsApart()
{
    const QRectF area(0, 0, 300, 150);
    const QSizeF size(80, 20);
    const std::vector<tavrel::LabelRequest> requests = {
        {{100, 50}, size}, {{110, 55}, size}, {{290, 140}, size}, {{10, 10}, QSizeF(400, 20)}};
    const auto onCurve = [](const QRectF &box) { return box.top() < 30; };
    const auto boxes = tavrel::placeLabels(requests, area, 6, onCurve);
    QCOMPARE(boxes.size(), requests.size());
    QVERIFY(!boxes[3]);
    for (std::size_t i = 0; i < 3; ++i) {
        QVERIFY(boxes[i] && area.contains(*boxes[i]) && !onCurve(*boxes[i]));
        for (std::size_t j = 0; j < requests.size(); ++j) {
            QVERIFY(!boxes[i]->contains(requests[j].point));
            QVERIFY(i == j || !boxes[j] || !boxes[i]->intersects(*boxes[j]));
        }
    }
    // Up and right, up and left cover the curve; down and right the second
    // mark: down and left. The second mark's label goes up and right
    // beside the first's, the third stays inside the corner.
    QCOMPARE(*boxes[0], QRectF(QPointF(14, 56), size));
    QCOMPARE(*boxes[1], QRectF(QPointF(116, 29 + 32), size));
    QCOMPARE(*boxes[2], QRectF(QPointF(220, 114), size));
    // Where every place covers a curve, the nearest.
    const auto anyway = tavrel::placeLabels({{{50, 50}, size}}, area, 6, [](const QRectF &) { return true; });
    QCOMPARE(anyway.front(), QRectF(QPointF(56, 24), size));
}

// The figures hold the pressed numbers at the places the curves put them.
void TestFigures::drawsWhatWasPressed()
{
    using namespace tavrel;
    const HertzInput h{40, 100, 21000, 21000, 0.3, 0.3, 400};
    const HertzResult hr = computeHertz(ContactKind::SphereOnSphere, h);
    const Figure hertz = hertzDiagram({ContactKind::SphereOnSphere, h, hr}).figure;
    const Curve &pressure = hertz.plots[0].series[0].points;
    QCOMPARE(pressure.front().x, -1.5 * hr.contactSize);
    QCOMPARE(pressure[pressure.size() / 2].y, hr.pMax);
    QCOMPARE(hertz.plots[1].series[2].points.back().x, 3 * hr.contactSize);
    const ShearPeak peak = largestShear(ContactKind::SphereOnSphere, 0.3, 3);
    QCOMPARE(hertz.plots[1].marks[0].x, peak.z * hr.contactSize);
    QCOMPARE(hertz.plots[1].marks[0].y, peak.tau * hr.pMax);

    const BeamInput b{21000, 100, 40, 100, 20, 20, 20, 10, 10, 0, 0};
    const BeamResult br = computeBeam(LoadCase::SupportedUniform, SectionKind::SolidRectangle, b);
    const Figure beam = beamDiagram({LoadCase::SupportedUniform, SectionKind::SolidRectangle, b, br}).figure;
    QVERIFY(beam.plots[2].x.reversed && beam.plots[2].y.reversed); // x from the right, δ downwards
    QCOMPARE(beam.plots[2].marks.size(), 2u);                      // x = L is on the beam
    QCOMPARE(beam.plots[2].marks[1].x, 100.0);

    const BearingInput g{100, 6000, 6000, 1500, 200};
    const BearingResult gr = computeBearingLife(g);
    const Figure bearing = bearingDiagram({g, gr}).figure;
    QVERIFY(bearing.plots[0].x.logarithmic && bearing.plots[0].y.logarithmic && !bearing.plots[0].x.reversed);
    QCOMPARE(bearing.plots[0].marks[0].x, gr.P);
    QCOMPARE(bearing.plots[0].marks[0].y, gr.Lh);
    const BearingInput fast{1e7, 6000, 6000, 1500, 200}; // a life of minutes is drawn too
    QCOMPARE(bearingDiagram({fast, computeBearingLife(fast)}).figure.plots.size(), 1u);
    // Ten times a load of 1e308 is beyond a double: that part of the curve
    // is left out, and the values say so; a value beyond a double is said
    // in words.
    const BearingInput huge{1, 1e308, 1e308, 1e308, 0};
    QVERIFY(bearingDiagram({huge, computeBearingLife(huge)})
                .values.contains(
                    "「定格疲れ寿命 Lh [h]」の曲線の一部は値が数値の範囲を超えるため描いていません"));
    QVERIFY(!bearingDiagram({g, gr}).values.join('\n').contains("範囲を超える"));
    QCOMPARE(shown(kPatternScientific, -INFINITY), "計算できません（数値の範囲外）");
}

void TestFigures::marksTheCurvesOwnValues_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("P");
    QTest::addColumn<int>("marks"); // on the three plots, as V·100 + M·10 + δ
    // The largest M (twice at fixed ends), the largest δ and, but for the
    // point load between supports, δ at x.
    const int marks[] = {12, 12, 11, 12, 22};
    for (int loadCase = 0; loadCase < 5; ++loadCase) {
        for (double P : {100.0, -100.0})
            QTest::addRow("load case %d, P %g", loadCase, P) << loadCase << 40.0 << P << marks[loadCase];
    }
    QTest::newRow("load on the right support") << 2 << 0.0 << 100.0 << 100;
    QTest::newRow("load on the left support, upward") << 2 << 100.0 << -100.0 << 100;
    QTest::newRow("no load") << 3 << 40.0 << 0.0 << 0;
}

// Each mark stands on its curve and its label gives the curve's own value,
// with its sign, under a title that states the sign convention.
void TestFigures::marksTheCurvesOwnValues()
{
    QFETCH(int, loadCase);
    QFETCH(double, L1);
    QFETCH(double, P);
    QFETCH(int, marks);
    using namespace tavrel;
    const BeamInput in{21000, 100, L1, 20, P, 20, 20, 10, 10, 0, 0};
    const BeamResult r = computeBeam(LoadCase(loadCase), SectionKind::SolidRectangle, in);
    const Figure figure = beamDiagram({LoadCase(loadCase), SectionKind::SolidRectangle, in, r}).figure;
    QCOMPARE(figure.plots.size(), 3u);
    int counted = 0;
    for (const Plot &plot : figure.plots) {
        counted = counted * 10 + int(plot.marks.size());
        QVERIFY2(plot.title.endsWith("が正）"), qPrintable(plot.title));
        const Curve &curve = plot.series.front().points;
        double height = 0;
        for (const CurvePoint &p : curve)
            height = std::max(height, std::abs(p.y));
        for (const Mark &m : plot.marks) {
            const double shown = StrToFloat(m.label.section(" = ", 1).toStdString());
            QVERIFY2(std::signbit(shown) == std::signbit(m.y) &&
                         std::abs(shown - m.y) <= 0.01 * std::abs(m.y),
                     qPrintable(m.label));
            // On the curve: one of its points, or between two of them.
            bool on = false;
            for (std::size_t i = 0; i < curve.size() && !on; ++i) {
                const CurvePoint &a = curve[i], &b = curve[std::min(i + 1, curve.size() - 1)];
                const double t = a.x == b.x ? 0 : (m.x - a.x) / (b.x - a.x);
                on = t >= 0 && t <= 1 && (a.x != b.x || a.x == m.x) &&
                     std::abs(a.y + t * (b.y - a.y) - m.y) <= 1e-4 * height;
            }
            QVERIFY2(on, qPrintable(m.label));
        }
    }
    QCOMPARE(counted, marks);
}

// The beam's sketch spans the plots' horizontal axis, its x = L at the left.
void TestFigures::alignsTheSketchWithThePlots()
{
    tavrel::Figure figure;
    figure.plots.push_back(
        {"M", {"x [mm]", false, true}, {}, {{"", Qt::black, Qt::SolidLine, {{0, 0}, {100, 5}}}}, {}});
    figure.plots.push_back(figure.plots.front());
    QRectF header, plots;
    figure.header = {[&](QPainter &, const QRectF &area, const tavrel::XPlacement &at) {
                         header = area;
                         plots = QRectF(QPointF(at(100), 0), QPointF(at(0), 1));
                     },
                     3};
    QImage image(500, 400, QImage::Format_ARGB32);
    QPainter painter(&image);
    tavrel::drawFigure(painter, image.rect(), figure);
    QVERIFY(header.width() > 300 && header.top() < 20);
    QCOMPARE(plots.left(), header.left());
    QCOMPARE(plots.right(), header.right());
}

// The sketch holds each end as the load case does: a wall where it is
// fixed, a pin where it is supported, nothing where it is free. The beam
// runs from x = L on the left (at 50) to x = 0 on the right (at 350); the
// point x = 20 of the deflection is marked under it (at 290). A point load
// is one arrow; a spread one, arrows from end to end about a line apart.
void TestFigures::drawsEachLoadCasesSupports_data()
{
    QTest::addColumn<int>("loadCase");
    QTest::addColumn<QString>("ends"); // left, right
    QTest::newRow("cantilever, end load") << 0 << "wall free";
    QTest::newRow("cantilever, uniform") << 1 << "wall free";
    QTest::newRow("supported, point load") << 2 << "pin pin";
    QTest::newRow("supported, uniform") << 3 << "pin pin";
    QTest::newRow("fixed ends, uniform") << 4 << "wall wall";
}

void TestFigures::drawsEachLoadCasesSupports()
{
    QFETCH(int, loadCase);
    QFETCH(QString, ends);
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    // Under the beam, where a wall's line, a pin's white inside and the
    // mark of x stand.
    const int below = qRound(2.7 * QFontMetricsF(painter.font(), &image).height());
    tavrel::drawBeamSketch(
        painter, image.rect(), [](double x) { return 350 - 3 * x; },
        {static_cast<tavrel::LoadCase>(loadCase), 100, 40, 20, 1e6}, 20.0);
    const auto support = [&](int x) {
        const QColor colour = image.pixelColor(x, below);
        return colour == QColor(128, 0, 0) ? u"wall"_s : colour == Qt::white ? u"pin"_s : u"free"_s;
    };
    QCOMPARE(support(50) + ' ' + support(350), ends);
    QCOMPARE(image.pixelColor(290, below), QColor(Qt::black));

    const double line = QFontMetricsF(painter.font(), &image).height();
    QList<int> arrows; // where each arrow's shaft starts, left to right
    for (int x = 1, shaftRow = qRound(1.3 * line); x < image.width(); ++x) {
        if (image.pixelColor(x, shaftRow) != QColor(Qt::gray) &&
            image.pixelColor(x - 1, shaftRow) == QColor(Qt::gray))
            arrows << x;
    }
    const bool spread = loadCase != 0 && loadCase != 2;
    QCOMPARE(arrows.size() > 1, spread);
    if (spread)
        QVERIFY(qAbs(arrows.first() - 50) <= 1 && qAbs(arrows.last() - 350) <= 1);
    for (qsizetype i = 1; i < arrows.size(); ++i) {
        const int apart = arrows[i] - arrows[i - 1];
        QVERIFY2(apart >= 1.2 * line - 1 && apart <= 2.4 * line, qPrintable(QString::number(apart)));
    }
}

QTEST_MAIN(TestFigures)
#include "tst_figures.moc"
