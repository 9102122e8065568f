// Mouse zoom and scroll on the slump graph and the bar chart: a left drag zooms into its
// rectangle (animated), a drag to the upper left or a double click returns to the full view,
// a right drag scrolls.

#include "ChartTestSupport.h"
#include "charts/BonusBarChartView.h"
#include "charts/SlumpChartView.h"

#include <QTest>
#include <memory>

using namespace zenoku;

namespace {

/// Either chart, with a run in it, shown at the window's size.
struct Chart {
    std::unique_ptr<QCustomPlot> plot;
    ChartInteraction* interaction;
};

Chart makeChart(const QString& which, const ChartData& data) {
    if (which == QStringLiteral("slump")) {
        auto view = std::make_unique<SlumpChartView>();
        view->resize(597, 217);
        view->setChartData(data);
        ChartInteraction* interaction = view->interaction();
        return {std::move(view), interaction};
    }
    auto view = std::make_unique<BonusBarChartView>();
    view->resize(597, 149);
    view->setChartData(data);
    ChartInteraction* interaction = view->interaction();
    return {std::move(view), interaction};
}

bool sameRange(const QCPRange& a, const QCPRange& b) {
    const double tolerance = 1e-9 * std::max(1.0, b.size());
    return std::abs(a.lower - b.lower) < tolerance && std::abs(a.upper - b.upper) < tolerance;
}

} // namespace

class InteractionTests : public QObject {
    Q_OBJECT
private:
    const Results m_run = test::seededResults(4242, 20000, 6);

private slots:
    void initTestCase() { QVERIFY(m_run.charts.bars.size() >= 10); }

    void gestures_data() {
        QTest::addColumn<QString>("chart");
        QTest::newRow("SlumpChart") << QStringLiteral("slump");
        QTest::newRow("SlumpChart2") << QStringLiteral("bars");
    }
    void gestures() {
        QFETCH(QString, chart);
        Chart c = makeChart(chart, m_run.charts);
        QCustomPlot* plot = c.plot.get();
        c.interaction->setAnimationDuration(0);
        plot->show();
        plot->replot();
        const QCPRange fullX = plot->xAxis->range(), fullY = plot->yAxis->range();
        const QRect area = plot->axisRect()->rect();
        const QPoint a = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
        const QPoint b = area.topLeft() + QPoint(area.width() / 2, area.height() * 3 / 4);

        // Zoom: the axes show what lay inside the rectangle.
        const QCPRange expectX(plot->xAxis->pixelToCoord(a.x()), plot->xAxis->pixelToCoord(b.x()));
        const QCPRange expectY(plot->yAxis->pixelToCoord(b.y()), plot->yAxis->pixelToCoord(a.y()));
        test::drag(plot, Qt::LeftButton, a, b);
        QVERIFY(c.interaction->isZoomed());
        QVERIFY(sameRange(plot->xAxis->range(), expectX));
        QVERIFY(sameRange(plot->yAxis->range(), expectY));

        // Scroll: dragging right by 50 pixels moves the view 50 pixels' worth to the left.
        plot->replot();
        const QRect zoomedArea = plot->axisRect()->rect();
        const QCPRange zoomedX = plot->xAxis->range();
        const double perPixel = zoomedX.size() / zoomedArea.width();
        test::drag(plot, Qt::RightButton, zoomedArea.center(), zoomedArea.center() + QPoint(50, 0));
        QVERIFY(std::abs(plot->xAxis->range().lower - (zoomedX.lower - 50 * perPixel)) <
                perPixel * 0.01);
        QVERIFY(std::abs(plot->xAxis->range().size() - zoomedX.size()) < perPixel * 0.01);

        // A drag too short to mean anything changes nothing.
        const QCPRange before = plot->xAxis->range();
        test::drag(plot, Qt::LeftButton, zoomedArea.center(), zoomedArea.center() + QPoint(4, 3));
        QVERIFY(sameRange(plot->xAxis->range(), before));

        // A drag to the upper left returns to the full view.
        test::drag(plot, Qt::LeftButton, b, a);
        QVERIFY(!c.interaction->isZoomed());
        QVERIFY(sameRange(plot->xAxis->range(), fullX));
        QVERIFY(sameRange(plot->yAxis->range(), fullY));

        // So does a double click, after another zoom.
        test::drag(plot, Qt::LeftButton, a, b);
        QVERIFY(c.interaction->isZoomed());
        test::sendMouse(plot, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
        test::sendMouse(plot, QEvent::MouseButtonRelease, a, Qt::LeftButton, Qt::NoButton);
        test::sendMouse(plot, QEvent::MouseButtonDblClick, a, Qt::LeftButton, Qt::LeftButton);
        test::sendMouse(plot, QEvent::MouseButtonRelease, a, Qt::LeftButton, Qt::NoButton);
        QVERIFY(sameRange(plot->xAxis->range(), fullX));
        QVERIFY(sameRange(plot->yAxis->range(), fullY));
    }

    // The zoom moves the ranges over several frames and ends exactly on the rectangle.
    void zoomIsAnimated() {
        SlumpChartView view;
        view.resize(597, 217);
        view.setChartData(m_run.charts);
        view.show();
        view.replot();
        const QCPRange full = view.xAxis->range();
        const QRect area = view.axisRect()->rect();
        const QRect target(area.left() + 100, area.top() + 20, 120, 60);
        const QCPRange expect(view.xAxis->pixelToCoord(target.left()),
                              view.xAxis->pixelToCoord(target.right()));

        // Long enough that a loaded machine still draws frames in between.
        view.interaction()->setAnimationDuration(1000);
        QList<QCPRange> seen;
        connect(view.xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), &view,
                [&](const QCPRange& r) { seen << r; });
        view.interaction()->zoomTo(target);
        QVERIFY(view.interaction()->isAnimating());
        QVERIFY(sameRange(view.xAxis->range(), full));
        QTRY_VERIFY(!view.interaction()->isAnimating());
        QVERIFY(sameRange(view.xAxis->range(), expect));
        QVERIFY2(std::any_of(seen.begin(), seen.end(),
                             [&](const QCPRange& r) {
                                 return r.size() < full.size() * 0.99 &&
                                        r.size() > expect.size() * 1.01;
                             }),
                 "the zoom should pass through intermediate ranges");
    }

    // Showing or hiding a marker refits the left axis at full view, but leaves a zoomed view
    // as the user made it.
    void markerToggleKeepsUserView() {
        SlumpChartView view;
        view.resize(597, 217);
        view.show();
        view.setChartData(m_run.charts);
        view.interaction()->setAnimationDuration(0);
        view.replot();
        view.interaction()->zoomTo(QRect(150, 50, 100, 60));
        const QCPRange zoomed = view.yAxis->range();
        view.setMarkerVisible(Marker::Cherry4, true);
        QVERIFY(sameRange(view.yAxis->range(), zoomed));
        QVERIFY(view.interaction()->isZoomed());
    }
};

QTEST_MAIN(InteractionTests)
#include "InteractionTests.moc"
