// The two pies: the layout's geometry as a pure function, and the drawn widget.

#include "ChartTestSupport.h"
#include "charts/PieChartView.h"
#include "charts/PieLayout.h"

#include <QTest>
#include <cmath>
#include <numeric>

using namespace zenoku;

namespace {

constexpr int kFullTurn = 360 * 16;

PieLayout layoutOf(std::vector<std::int64_t> values, QRect area = QRect(0, 0, 260, 173)) {
    const std::vector<int> widths(values.size(), 60);
    return pieLayout(area, values, widths, 14);
}

/// The pixel in the middle of a slice's arc, halfway out from the centre.
QPoint insideSlice(const PieLayout& layout, std::size_t k) {
    const PieArc& arc = layout.arcs[k];
    const double angle = (arc.start16 + arc.span16 / 2.0) / 16.0 * M_PI / 180.0;
    const QPointF centre = QRectF(layout.pie).center();
    const double r = layout.pie.width() / 4.0;
    // Qt's angles run counter-clockwise, screen y runs down.
    return QPointF(centre.x() + r * std::cos(angle), centre.y() - r * std::sin(angle)).toPoint();
}

} // namespace

class PieChartTests : public QObject {
    Q_OBJECT
private slots:
    // Each slice's span is its share of the turn; the spans always close the circle.
    void arcs_data() {
        QTest::addColumn<std::vector<std::int64_t>>("values");
        QTest::addColumn<std::vector<int>>("spans");
        QTest::newRow("equal quarters")
            << std::vector<std::int64_t>{5, 5, 5, 5} << std::vector<int>{1440, 1440, 1440, 1440};
        QTest::newRow("one third, two thirds")
            << std::vector<std::int64_t>{1, 2} << std::vector<int>{1920, 3840};
        QTest::newRow("one slice takes the circle")
            << std::vector<std::int64_t>{0, 7, 0} << std::vector<int>{0, kFullTurn, 0};
        QTest::newRow("thirds that do not divide")
            << std::vector<std::int64_t>{1, 1, 1, 0, 0, 0, 0}
            << std::vector<int>{1920, 1920, 1920, 0, 0, 0, 0};
        QTest::newRow("sevenths round without a gap")
            << std::vector<std::int64_t>{1, 1, 1, 1, 1, 1, 1}
            << std::vector<int>{823, 823, 823, 822, 823, 823, 823};
        QTest::newRow("counts beyond 32 bits in total")
            << std::vector<std::int64_t>{2147483647, 2147483647, 2147483647, 2147483647}
            << std::vector<int>{1440, 1440, 1440, 1440};
        QTest::newRow("a negative count is no slice")
            << std::vector<std::int64_t>{-3, 1} << std::vector<int>{0, kFullTurn};
    }
    void arcs() {
        QFETCH(std::vector<std::int64_t>, values);
        QFETCH(std::vector<int>, spans);
        const PieLayout layout = layoutOf(values);
        QVERIFY(!layout.allZero);
        QCOMPARE(layout.arcs.size(), spans.size());
        int start = 0;
        for (std::size_t k = 0; k < spans.size(); ++k) {
            QCOMPARE(layout.arcs[k].start16, start);
            QCOMPARE(layout.arcs[k].span16, spans[k]);
            start += spans[k];
        }
        QCOMPARE(start, kFullTurn);
    }

    void allZero() {
        const PieLayout layout = layoutOf({0, 0, 0, 0});
        QVERIFY(layout.allZero);
        for (const PieArc& arc : layout.arcs)
            QCOMPARE(arc.span16, 0);
        QCOMPARE(layout.legend.size(), std::size_t(4));
        QVERIFY(!layout.pie.isEmpty());
    }

    // The legend stands inside the area at the right, one line per slice; the pie is a
    // circle left of it, inside the area.
    void geometry_data() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("the window's pie") << QRect(0, 0, 260, 173);
        QTest::newRow("offset and wide") << QRect(10, 20, 500, 120);
        QTest::newRow("tall and narrow") << QRect(0, 0, 150, 400);
    }
    void geometry() {
        QFETCH(QRect, area);
        const std::vector<std::int64_t> values{3, 1, 4, 1, 5, 9, 2};
        const std::vector<int> widths{30, 48, 66, 66, 48, 72, 48};
        const PieLayout layout = pieLayout(area, values, widths, 14);

        QVERIFY(area.contains(layout.legendFrame));
        QCOMPARE(layout.legend.size(), values.size());
        for (std::size_t k = 0; k < layout.legend.size(); ++k) {
            const PieLegendEntry& e = layout.legend[k];
            QCOMPARE(e.symbol.width(), PieMeasures::kSymbolWidth);
            QVERIFY(layout.legendFrame.contains(e.symbol));
            QVERIFY(layout.legendFrame.contains(e.text));
            QCOMPARE(e.text.width(), widths[k]);
            QVERIFY(e.text.left() > e.symbol.right());
            if (k > 0) QCOMPARE(e.text.top() - layout.legend[k - 1].text.top(), 14);
        }
        QVERIFY(!layout.pie.isEmpty());
        QCOMPARE(layout.pie.width(), layout.pie.height());
        QVERIFY(area.contains(layout.pie));
        QVERIFY(layout.pie.right() < layout.legendFrame.left());
    }

    // An area too small for a circle gives none, and no crash.
    void noRoom() {
        const PieLayout layout = layoutOf({1, 2, 3}, QRect(0, 0, 40, 10));
        QVERIFY(layout.pie.isEmpty());
    }

    // The widget draws the run's slices in their colours, and writes the pictures of both
    // pies.
    void drawnPies_data() {
        QTest::addColumn<bool>("roles");
        QTest::addColumn<QString>("picture");
        QTest::newRow("KoyakuChart") << true << QStringLiteral("pie-roles.png");
        QTest::newRow("RTCancelChart") << false << QStringLiteral("pie-triggers.png");
    }
    void drawnPies() {
        QFETCH(bool, roles);
        QFETCH(QString, picture);
        const Results run = test::seededResults(555, 50000, 6);
        const std::span<const PieSlice> slices =
            roles ? std::span<const PieSlice>(run.charts.rolePie)
                  : std::span<const PieSlice>(run.charts.triggerPie);

        PieChartView view;
        view.resize(260, 173);
        view.setSlices(slices);
        QCOMPARE(view.slices().size(), slices.size());
        for (std::size_t k = 0; k < slices.size(); ++k) {
            QCOMPARE(view.slices()[k].label, slices[k].label);
            QCOMPARE(view.slices()[k].value, slices[k].value);
            QVERIFY(view.slices()[k].colour == slices[k].colour);
        }

        const QImage image = view.grab().toImage();
        const PieLayout layout = view.currentLayout();
        QVERIFY(!layout.allZero);
        for (std::size_t k = 0; k < slices.size(); ++k) {
            // Slices narrower than about 20 degrees are too thin to probe reliably.
            if (layout.arcs[k].span16 < 20 * 16) continue;
            const Rgb c = slices[k].colour;
            QCOMPARE(image.pixelColor(insideSlice(layout, k)), QColor(c.r, c.g, c.b));
        }
        QVERIFY(image.save(test::picturePath(qPrintable(picture))));
    }

    // A run without bonuses has four zero slices of RT triggers: the circle stays empty and
    // the legend still lists the four kinds.
    void allZeroPie() {
        std::array<PieSlice, 4> slices{{{"規定RT消化", 0, Colours::Lime},
                                        {"レアリプレイ", 0, Colours::Black},
                                        {"純ハズレ", 0, Colours::White},
                                        {"リプ3連", 0, Colours::Aqua}}};
        PieChartView view;
        view.resize(260, 173);
        view.setSlices(slices);
        const QImage image = view.grab().toImage();
        const PieLayout layout = view.currentLayout();
        QVERIFY(layout.allZero);
        const QColor background = view.palette().color(QPalette::Window);
        QCOMPARE(image.pixelColor(layout.pie.center()), background);
        QCOMPARE(layout.legend.size(), std::size_t(4));
    }
};

QTEST_MAIN(PieChartTests)
#include "PieChartTests.moc"
