// The chart number patterns, and the ticks the axes put them on.

#include "charts/BonusBarChartView.h"
#include "charts/ChartNumberText.h"
#include "charts/SlumpChartView.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace zenoku;

class NumberTextTests : public QObject {
    Q_OBJECT
private slots:
    void groupedPattern_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("under a thousand") << 999.0 << "999";
        QTest::newRow("a thousand") << 1000.0 << "1,000";
        QTest::newRow("millions") << 1234567.0 << "1,234,567";
        QTest::newRow("negative") << -1234567.0 << "-1,234,567";
        QTest::newRow("negative under a thousand") << -120.0 << "-120";
        QTest::newRow("one decimal") << 0.5 << "0.5";
        QTest::newRow("decimals grouped") << 12345.25 << "12,345.25";
        QTest::newRow("rounded to three") << 1234.5678 << "1,234.568";
        QTest::newRow("rounding carries") << 999.9996 << "1,000";
        QTest::newRow("tiny negative is zero") << -0.0001 << "0";
        QTest::newRow("axis noise is zero") << 3e-13 << "0";
        QTest::newRow("32-bit extreme") << -2147483648.0 << "-2,147,483,648";
    }
    void groupedPattern() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(groupedNumberText(value), text);
    }

    void wholePattern() {
        QCOMPARE(wholeNumberText(3.0), QStringLiteral("3"));
        QCOMPARE(wholeNumberText(3.6), QStringLiteral("4"));
        QCOMPARE(wholeNumberText(-0.2), QStringLiteral("0"));
        QCOMPARE(wholeNumberText(1234567.0), QStringLiteral("1234567"));
    }

    // The stock axis labels whole numbers only, ungrouped, with four minor ticks between
    // labels; the medal and play axes group thousands.
    void slumpAxesLabels() {
        SlumpChartView view;
        view.resize(597, 217);
        ChartData data;
        data.bottomMin = 1;
        data.bottomMax = 30000;
        for (std::int32_t game = 1; game <= 30000; game += 10)
            data.slump.add(game, (game / 10) % 2 ? -4000 : 12000);
        for (std::int32_t game = 1; game <= 30000; game += 10) {
            data.stockB.add(game, game > 15000 ? 3 : 1);
            data.stockR.add(game, 0);
        }
        view.setChartData(data);
        view.replot();

        const QVector<double> stockTicks = view.yAxis2->tickVector();
        QVERIFY(stockTicks.size() >= 2);
        for (double tick : stockTicks)
            QCOMPARE(tick, std::round(tick));
        for (const QString& label : view.yAxis2->tickVectorLabels())
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+$")).match(label).hasMatch(),
                     qPrintable(label));
        QVector<double> ticks, minor;
        view.yAxis2->ticker()->generate(view.yAxis2->range(), QLocale::c(), u'g', 6, ticks, &minor,
                                        nullptr);
        QCOMPARE(ticks, stockTicks);
        const double step = stockTicks[1] - stockTicks[0];
        const auto between = std::count_if(minor.begin(), minor.end(), [&](double t) {
            return t > stockTicks[0] && t < stockTicks[0] + step;
        });
        QCOMPARE(between, 4);

        const QStringList medalLabels = view.yAxis->tickVectorLabels();
        QVERIFY(medalLabels.contains(QStringLiteral("10,000")));
        QVERIFY(view.xAxis->tickVectorLabels().contains(QStringLiteral("20,000")));
    }

    // With three bars the bonus axis would choose steps of 0.5; it labels whole bonuses only.
    void bonusAxisWholeNumbers() {
        BonusBarChartView view;
        view.resize(597, 149);
        view.setBars({{0, 120, Colours::Red}, {1, 30, Colours::Black}, {2, 800, Colours::Red}});
        view.replot();
        const QVector<double> ticks = view.xAxis->tickVector();
        QVERIFY(!ticks.isEmpty());
        for (double tick : ticks)
            QCOMPARE(tick, std::round(tick));
    }
};

QTEST_MAIN(NumberTextTests)
#include "NumberTextTests.moc"
