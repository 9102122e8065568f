// The window's charts: filled from the shown results, switched by the role check boxes.
#include "WindowFixture.h"
#include "WindowTestRegistry.h"
#include "charts/BonusBarChartView.h"
#include "charts/PieChartView.h"
#include "charts/SlumpChartView.h"

namespace zenoku::test {

class ChartWiringTests : public QObject {
    Q_OBJECT
private slots:
    void runFillsEveryChartFromTheShownResults() {
        WindowFixture w;
        auto* slump = w.find<SlumpChartView>("SlumpChart");
        QCOMPARE(slump->xAxis->range(), QCPRange(0, 24));
        w.run(QStringLiteral("8000"), QStringLiteral("6"));
        const auto shown = w.form.shownResults();
        QVERIFY(shown);
        const ChartData& c = shown->charts;
        QCOMPARE(slump->slumpSeries()->dataCount(), static_cast<int>(c.slump.size()));
        QCOMPARE(slump->stockBSeries()->dataCount(), static_cast<int>(c.stockB.size()));
        QCOMPARE(slump->xAxis->range(), QCPRange(1, 8000));
        QVERIFY(w.find<BonusBarChartView>("SlumpChart2")->bars() == c.bars);
        const auto& roles = w.find<PieChartView>("KoyakuChart")->slices();
        QCOMPARE(roles.size(), c.rolePie.size());
        QCOMPARE(roles.front().value, c.rolePie.front().value);
        QCOMPARE(w.find<PieChartView>("RTCancelChart")->slices().size(), c.triggerPie.size());
    }

    void checkBoxesShowAndHideTheirMarkersAcrossRuns() {
        WindowFixture w;
        auto* slump = w.find<SlumpChartView>("SlumpChart");
        const std::pair<const char*, Marker> boxes[] = {
            {"BIGCheckBox", Marker::BIG},         {"REGCheckBox", Marker::REG},
            {"BellCheckBox", Marker::Bell},       {"OrangeCheckBox", Marker::Orange},
            {"Cherry2CheckBox", Marker::Cherry2}, {"Cherry4CheckBox", Marker::Cherry4},
            {"RReplayCheckBox", Marker::RReplay}, {"HazureCheckBox", Marker::Hazure},
        };
        w.run(QStringLiteral("3000"), QStringLiteral("1"));
        for (const auto& [name, marker] : boxes) {
            QVERIFY(!slump->markerVisible(marker));
            const int points = slump->markerSeries(marker)->dataCount();
            QTest::mouseClick(w.find<QCheckBox>(name), Qt::LeftButton);
            QVERIFY2(slump->markerVisible(marker), name);
            QCOMPARE(slump->markerSeries(marker)->dataCount(), points);
        }
        // The ticked state survives the next run; unticking hides again.
        w.run(QStringLiteral("3000"), QStringLiteral("2"));
        for (const auto& [name, marker] : boxes) {
            QVERIFY2(slump->markerVisible(marker), name);
            QTest::mouseClick(w.find<QCheckBox>(name), Qt::LeftButton);
            QVERIFY2(!slump->markerVisible(marker), name);
        }
    }
};

ZENOKU_WINDOW_TEST(ChartWiringTests);

} // namespace zenoku::test

#include "ChartWiringTests.moc"
