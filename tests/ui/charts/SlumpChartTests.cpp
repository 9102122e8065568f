// The slump graph: what it holds for a run, the marker check boxes, the axis ranges, and
// that a long run's drawing keeps a one-game spike.

#include "ChartTestSupport.h"
#include "charts/SlumpChartView.h"

#include <QLabel>
#include <QTest>

using namespace zenoku;

Q_DECLARE_METATYPE(zenoku::Marker)

namespace {

void compareSeries(const QCPGraph* graph, const PointSeries& expected) {
    QCOMPARE(graph->dataCount(), static_cast<int>(expected.size()));
    auto it = graph->data()->constBegin();
    for (std::size_t k = 0; k < expected.size(); ++k, ++it) {
        if (it->key != expected.x[k] || it->value != expected.y[k])
            QFAIL(qPrintable(QStringLiteral("%1: point %2 is (%3, %4), expected (%5, %6)")
                                 .arg(graph->name())
                                 .arg(k)
                                 .arg(it->key)
                                 .arg(it->value)
                                 .arg(expected.x[k])
                                 .arg(expected.y[k])));
    }
}

QStringList legendTitles(const QCustomPlot& plot) {
    QStringList titles;
    for (int k = 0; k < plot.legend->itemCount(); ++k)
        if (auto* item = qobject_cast<QCPPlottableLegendItem*>(plot.legend->item(k)))
            titles << item->plottable()->name();
    return titles;
}

bool redAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

} // namespace

class SlumpChartTests : public QObject {
    Q_OBJECT
private:
    // A level-6 run long enough to have every kind of marker and some stock.
    const Results m_run = test::seededResults(20240611, 30000, 6);

private slots:
    void beforeAnyRun() {
        SlumpChartView view;
        QCOMPARE(view.xAxis->range().lower, 0.0);
        QCOMPARE(view.xAxis->range().upper, 24.0);
        QCOMPARE(view.plottableCount(), 11);
        for (int k = 0; k < view.graphCount(); ++k)
            QVERIFY(view.graph(k)->data()->isEmpty());
        QVERIFY(!view.legend->visible());
        QCOMPARE(view.colourKey()->objectName(), QStringLiteral("Label4"));
        QCOMPARE(view.colourKey()->text(),
                 QStringLiteral("Medal-赤　BIGストック数-青　REGストック数-紫"));
        QCOMPARE(view.colourKey()->geometry().topLeft(), QPoint(280, 16));
        QCOMPARE(view.colourKey()->width(), 218);
        QVERIFY(
            QFontMetrics(view.colourKey()->font()).horizontalAdvance(view.colourKey()->text()) <=
            218);
    }

    // Chart order decides what is drawn over what; the look and axis of each series.
    void seriesOrderAndLook() {
        SlumpChartView view;
        struct Expected {
            const char* name;
            bool rightAxis;
            bool shown;
            QCPScatterStyle::ScatterShape shape;
            QColor colour;
        };
        const Expected expected[] = {
            {"SlumpSeries", false, true, QCPScatterStyle::ssNone, QColor(255, 0, 0)},
            {"BIG", false, false, QCPScatterStyle::ssDiamond, QColor(0, 0, 255)},
            {"REG", false, false, QCPScatterStyle::ssTriangle, QColor(0, 0, 0)},
            {"Cherry2", false, false, QCPScatterStyle::ssCircle, QColor(255, 0, 0)},
            {"Cherry4", false, false, QCPScatterStyle::ssCircle, QColor(255, 0, 255)},
            {"Orange", false, false, QCPScatterStyle::ssTriangle, QColor(255, 128, 0)},
            {"Bell", false, false, QCPScatterStyle::ssTriangle, QColor(255, 255, 0)},
            {"Hazure", false, false, QCPScatterStyle::ssTriangle, QColor(255, 255, 255)},
            {"StockBSeries", true, true, QCPScatterStyle::ssNone, QColor(0, 128, 255)},
            {"StockRSeries", true, true, QCPScatterStyle::ssNone, QColor(128, 0, 128)},
            {"RReplay", false, false, QCPScatterStyle::ssSquare, QColor(0, 255, 0)},
        };
        QCOMPARE(view.graphCount(), static_cast<int>(std::size(expected)));
        for (int k = 0; k < view.graphCount(); ++k) {
            const Expected& e = expected[k];
            const QCPGraph* graph = view.graph(k);
            QCOMPARE(graph->objectName(), QString::fromLatin1(e.name));
            QCOMPARE(graph->valueAxis(), e.rightAxis ? view.yAxis2 : view.yAxis);
            QCOMPARE(graph->visible(), e.shown);
            QCOMPARE(graph->scatterStyle().shape(), e.shape);
            if (e.shape == QCPScatterStyle::ssNone) {
                QCOMPARE(graph->lineStyle(), QCPGraph::lsLine);
                QCOMPARE(graph->pen().color(), e.colour);
                QCOMPARE(graph->pen().width(), 2);
            } else {
                QCOMPARE(graph->lineStyle(), QCPGraph::lsNone);
                QCOMPARE(graph->scatterStyle().brush().color(), e.colour);
            }
            QVERIFY(graph->adaptiveSampling());
        }
    }

    void runFillsEverySeries() {
        SlumpChartView view;
        view.resize(597, 217);
        view.show();
        const ChartData& data = m_run.charts;
        view.setChartData(data);

        compareSeries(view.slumpSeries(), data.slump);
        compareSeries(view.stockBSeries(), data.stockB);
        compareSeries(view.stockRSeries(), data.stockR);
        for (std::size_t k = 0; k < kMarkerCount; ++k) {
            QVERIFY2(!data.markers[k].x.empty(), "the run should have every kind of marker");
            compareSeries(view.markerSeries(static_cast<Marker>(k)), data.markers[k]);
            QVERIFY(!view.markerVisible(static_cast<Marker>(k)));
        }

        QCOMPARE(view.xAxis->range().lower, 1.0);
        QCOMPARE(view.xAxis->range().upper, 30000.0);
        // The left axis holds the whole medal line; the right one starts at 0 and reaches the
        // highest stock with no more than a sliver of headroom.
        const auto [low, high] = std::minmax_element(data.slump.y.begin(), data.slump.y.end());
        QVERIFY(view.yAxis->range().lower <= *low && view.yAxis->range().upper >= *high);
        std::int32_t stock = 0;
        for (std::int32_t v : data.stockB.y)
            stock = std::max(stock, v);
        for (std::int32_t v : data.stockR.y)
            stock = std::max(stock, v);
        QVERIFY(stock > 0);
        QCOMPARE(view.yAxis2->range().lower, 0.0);
        QVERIFY(view.yAxis2->range().upper >= stock);
        QVERIFY(view.yAxis2->range().upper < stock * 1.05);
    }

    void checkBoxShowsAndHidesMarker_data() {
        QTest::addColumn<Marker>("marker");
        QTest::addColumn<QString>("title");
        const char* titles[] = {"BIG",    "REG",  "Cherry2", "Cherry4",
                                "Orange", "Bell", "Hazure",  "RReplay"};
        for (std::size_t k = 0; k < kMarkerCount; ++k)
            QTest::newRow(titles[k]) << static_cast<Marker>(k) << QString::fromLatin1(titles[k]);
    }
    void checkBoxShowsAndHidesMarker() {
        QFETCH(Marker, marker);
        QFETCH(QString, title);
        SlumpChartView view;
        view.resize(597, 217);
        view.setChartData(m_run.charts);
        const PointSeries& points = m_run.charts.markers[static_cast<std::size_t>(marker)];

        view.setMarkerVisible(marker, true);
        QVERIFY(view.markerSeries(marker)->visible());
        QVERIFY(view.legend->visible());
        QCOMPARE(legendTitles(view), QStringList{title});

        view.setMarkerVisible(marker, false);
        QVERIFY(!view.markerSeries(marker)->visible());
        QVERIFY(legendTitles(view).isEmpty());

        view.setMarkerVisible(marker, true);
        compareSeries(view.markerSeries(marker), points);
    }

    // The legend lists the shown markers in chart order, whatever order they were ticked in.
    void legendInChartOrder() {
        SlumpChartView view;
        view.setChartData(m_run.charts);
        view.setMarkerVisible(Marker::RReplay, true);
        view.setMarkerVisible(Marker::Hazure, true);
        view.setMarkerVisible(Marker::BIG, true);
        QCOMPARE(legendTitles(view), (QStringList{"BIG", "Hazure", "RReplay"}));
    }

    // A new run keeps the ticked markers and spans its own games, whatever the view was.
    void newRunKeepsMarkersAndResetsView() {
        SlumpChartView view;
        view.resize(597, 217);
        view.setChartData(m_run.charts);
        view.show();
        view.setMarkerVisible(Marker::Bell, true);
        view.interaction()->setAnimationDuration(0);
        view.replot();
        view.interaction()->zoomTo(QRect(200, 60, 80, 50));
        QVERIFY(view.interaction()->isZoomed());

        const Results next = test::seededResults(7, 5000, 1);
        view.setChartData(next.charts);
        QVERIFY(view.markerVisible(Marker::Bell));
        QCOMPARE(legendTitles(view), QStringList{"Bell"});
        compareSeries(view.markerSeries(Marker::Bell),
                      next.charts.markers[static_cast<std::size_t>(Marker::Bell)]);
        QCOMPARE(view.xAxis->range().lower, 1.0);
        QCOMPARE(view.xAxis->range().upper, 5000.0);
        QVERIFY(!view.interaction()->isZoomed());

        view.clearChart();
        QCOMPARE(view.xAxis->range().upper, 24.0);
        QVERIFY(view.markerVisible(Marker::Bell));
        QVERIFY(view.markerSeries(Marker::Bell)->data()->isEmpty());
    }

    // One normal game spans the axis "1 to 1": the game stands in the middle of a valid range.
    void runOfOneGame() {
        SlumpChartView view;
        view.resize(597, 217);
        const Results one = test::seededResults(99, 1, 3);
        QCOMPARE(one.charts.bottomMax, 1);
        view.setChartData(one.charts);
        QCOMPARE(view.slumpSeries()->dataCount(), 1);
        const QCPRange range = view.xAxis->range();
        QVERIFY(range.size() > 0);
        QCOMPARE(range.center(), 1.0);
        view.replot();
        QVERIFY(!view.grab().isNull());
    }

    // A ten-million-game medal line with one game far above the rest: at full view the plot
    // keeps each pixel column's extremes, so the spike reaches the top of the picture.
    void spikeShowsAtFullView() {
        constexpr std::int32_t games = 10'000'000;
        constexpr std::int32_t spikeAt = 6'123'457;
        ChartData data;
        data.bottomMin = 1;
        data.bottomMax = games;
        data.slump.x.resize(games);
        data.slump.y.resize(games);
        for (std::int32_t k = 0; k < games; ++k) {
            data.slump.x[k] = k + 1;
            data.slump.y[k] = (k % 1000) - 500; // a saw well inside the bottom tenth
        }
        data.slump.y[spikeAt - 1] = 20000;

        SlumpChartView view;
        view.resize(597, 217);
        view.show();
        view.setChartData(data);
        QCOMPARE(view.slumpSeries()->dataCount(), games);
        view.replot();
        const QImage image = view.grab().toImage();

        // Red where the spike rises: the upper half of the plotting area, at the spike's x.
        const QRect area = view.axisRect()->rect();
        const int spikeX = static_cast<int>(std::lround(view.xAxis->coordToPixel(spikeAt)));
        const int upper = area.top() + area.height() / 4;
        bool found = false;
        for (int x = spikeX - 2; x <= spikeX + 2 && !found; ++x)
            found = redAt(image, x, upper);
        QVERIFY2(found, "the one-game spike is missing from the full view");
        // Away from the spike the upper half stays clear of the line.
        QVERIFY(!redAt(image, spikeX - 60, upper));
    }

    // The picture of a run with every marker shown, for the documentation.
    void pictureWithEveryMarker() {
        SlumpChartView view;
        view.resize(597, 217);
        view.show();
        const Results run = test::seededResults(20240611, 3000, 6);
        view.setChartData(run.charts);
        for (std::size_t k = 0; k < kMarkerCount; ++k)
            view.setMarkerVisible(static_cast<Marker>(k), true);
        view.replot();
        QCOMPARE(view.legend->itemCount(), static_cast<int>(kMarkerCount));
        const QString path = test::picturePath("slump-markers.png");
        QVERIFY(view.grab().save(path));
    }
};

QTEST_MAIN(SlumpChartTests)
#include "SlumpChartTests.moc"
