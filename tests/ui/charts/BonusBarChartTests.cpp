// The bars between bonuses: one bar per bonus as the run gives it, and value marks for the
// bars in view only.

#include "ChartTestSupport.h"
#include "charts/BarMarksLayer.h"
#include "charts/BonusBarChartView.h"
#include "charts/ChartNumberText.h"

#include <QLabel>
#include <QTest>
#include <map>

using namespace zenoku;

namespace {

/// Every bar the plot holds, by x: its height and its fill colour.
std::map<double, std::pair<double, QColor>> plottedBars(const BonusBarChartView& view) {
    std::map<double, std::pair<double, QColor>> bars;
    for (QCPBars* series : view.barSeries()) {
        for (auto it = series->data()->constBegin(); it != series->data()->constEnd(); ++it) {
            const bool fresh =
                bars.emplace(it->key, std::make_pair(it->value, series->brush().color())).second;
            if (!fresh) qWarning("two bars at x %g", it->key);
        }
    }
    return bars;
}

} // namespace

class BonusBarChartTests : public QObject {
    Q_OBJECT
private slots:
    void emptyBeforeAnyRun() {
        BonusBarChartView view;
        QVERIFY(plottedBars(view).empty());
        QVERIFY(!view.legend->visible());
        QCOMPARE(view.hint()->objectName(), QStringLiteral("Label5"));
        QCOMPARE(
            view.hint()->text(),
            QStringLiteral("・マウスで範囲指定して拡大できます。右クリックでドラッグしてスクロール"
                           "できます。"));
        QCOMPARE(view.hint()->geometry().topLeft(), QPoint(124, 8));
        QCOMPARE(view.hint()->width(), 383);
        QVERIFY(QFontMetrics(view.hint()->font()).horizontalAdvance(view.hint()->text()) <= 383);
        QVERIFY(view.marks()->marksInView().empty());
    }

    void runGivesOneBarPerBonus() {
        const Results run = test::seededResults(31337, 40000, 6);
        const std::vector<Bar>& bars = run.charts.bars;
        QVERIFY(bars.size() > 20);
        BonusBarChartView view;
        view.resize(597, 149);
        view.setChartData(run.charts);

        const auto plotted = plottedBars(view);
        QCOMPARE(plotted.size(), bars.size());
        bool sawBig = false, sawReg = false;
        for (const Bar& bar : bars) {
            const auto found = plotted.find(bar.x);
            QVERIFY(found != plotted.end());
            QCOMPARE(found->second.first, double(bar.y));
            QCOMPARE(found->second.second, QColor(bar.colour.r, bar.colour.g, bar.colour.b));
            sawBig = sawBig || bar.colour == Colours::Red;
            sawReg = sawReg || bar.colour == Colours::Black;
        }
        QVERIFY(sawBig && sawReg);
        for (QCPBars* series : view.barSeries())
            QCOMPARE(series->pen().color(), QColor(Qt::white));

        // The full view shows every bar, and room above the highest for its mark.
        QVERIFY(view.xAxis->range().lower < 0 && view.xAxis->range().upper > bars.size() - 1);
        const auto highest = std::max_element(bars.begin(), bars.end(),
                                              [](const Bar& a, const Bar& b) { return a.y < b.y; });
        QCOMPARE(view.yAxis->range().lower, 0.0);
        QVERIFY(view.yAxis->range().upper > highest->y);
    }

    // Zoomed into a few bars, each carries its value, grouped, in a box just above it.
    void marksForBarsInView() {
        std::vector<Bar> bars;
        for (std::int32_t k = 0; k < 40; ++k)
            bars.push_back({k, 900 + 37 * k, k % 3 ? Colours::Red : Colours::Black});
        bars[12].y = 12345;
        BonusBarChartView view;
        view.resize(597, 149);
        view.setBars(bars);
        view.xAxis->setRange(9.5, 14.5);
        view.yAxis->setRange(0, 15000);
        view.replot();

        const std::vector<BarMark> marks = view.marks()->marksInView();
        QCOMPARE(marks.size(), std::size_t(5));
        for (std::size_t k = 0; k < marks.size(); ++k) {
            const BarMark& mark = marks[k];
            const Bar& bar = bars[10 + k];
            QCOMPARE(mark.bar, std::size_t(10 + k));
            QCOMPARE(mark.text, groupedNumberText(bar.y));
            QVERIFY(mark.box.bottom() < view.yAxis->coordToPixel(bar.y));
            QVERIFY(std::abs(mark.box.center().x() - view.xAxis->coordToPixel(bar.x)) <= 1);
        }
        QCOMPARE(marks[2].text, QStringLiteral("12,345"));
    }

    // A long run's bars: at full view the marks that would lie on one another are left out,
    // so their number stays within the pixels available; zoomed in, every bar in view has one.
    void marksOfManyBars() {
        std::vector<Bar> bars;
        for (std::int32_t k = 0; k < 50000; ++k)
            bars.push_back({k, 1 + (k * 7919) % 1500, k % 4 ? Colours::Red : Colours::Black});
        BonusBarChartView view;
        view.resize(597, 149);
        view.show();
        view.setBars(bars);
        view.replot();

        const auto full = view.marks()->marksInView();
        QVERIFY(!full.empty());
        QVERIFY(full.size() < 600);
        for (std::size_t k = 1; k < full.size(); ++k) {
            QVERIFY(full[k].bar > full[k - 1].bar);
            for (std::size_t j = 0; j < k; ++j)
                if (full[j].box.intersects(full[k].box))
                    QFAIL(qPrintable(QStringLiteral("marks of bars %1 and %2 overlap")
                                         .arg(full[j].bar)
                                         .arg(full[k].bar)));
        }

        view.xAxis->setRange(30000 - 0.5, 30005 + 0.5);
        view.replot();
        const auto zoomed = view.marks()->marksInView();
        QCOMPARE(zoomed.size(), std::size_t(6));
        QCOMPARE(zoomed.front().bar, std::size_t(30000));
        QVERIFY(!view.grab().isNull());
    }
};

QTEST_MAIN(BonusBarChartTests)
#include "BonusBarChartTests.moc"
