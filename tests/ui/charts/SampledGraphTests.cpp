// The indexed sampling of long lines gives exactly the points the plot's own sampling gives,
// and refilling a graph keeps every point.

#include "charts/SampledGraph.h"

#include <QTest>
#include <random>

using namespace zenoku;

namespace {

/// Exposes both samplings of the same visible points.
class ProbeGraph : public SampledGraph {
public:
    using SampledGraph::SampledGraph;
    QVector<QCPGraphData> indexed() const { return sample(false); }
    QVector<QCPGraphData> library() const { return sample(true); }

private:
    QVector<QCPGraphData> sample(bool library) const {
        QCPGraphDataContainer::const_iterator begin, end;
        getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
        QVector<QCPGraphData> out;
        if (library)
            QCPGraph::getOptimizedLineData(&out, begin, end);
        else
            getOptimizedLineData(&out, begin, end);
        return out;
    }
};

/// A medal-like random walk, or a stock-like series whose bonus games repeat their key.
PointSeries makeSeries(const QString& shape, std::int32_t games) {
    PointSeries s;
    std::mt19937 random(12345);
    std::int32_t value = 0;
    for (std::int32_t game = 1; game <= games; ++game) {
        if (shape == QStringLiteral("walk")) {
            value += static_cast<std::int32_t>(random() % 7) - 3;
            s.add(game, value);
        } else {
            value = static_cast<std::int32_t>(random() % 5);
            const int repeats = random() % 50 == 0 ? 30 : 1; // a bonus: one column of entries
            for (int k = 0; k < repeats; ++k)
                s.add(game, value + (k == 17 ? 9 : 0));
        }
    }
    return s;
}

} // namespace

class SampledGraphTests : public QObject {
    Q_OBJECT
private slots:
    void sameAsLibrary_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("games");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("walk, full view") << "walk" << 2'000'000 << 1.0 << 2'000'000.0;
        QTest::newRow("walk, zoomed") << "walk" << 2'000'000 << 700'123.4 << 912'345.6;
        QTest::newRow("walk, past the end") << "walk" << 2'000'000 << 1'900'000.0 << 2'600'000.0;
        QTest::newRow("walk, before the start") << "walk" << 2'000'000 << -5000.0 << 40'000.0;
        QTest::newRow("walk, few points per pixel") << "walk" << 2'000'000 << 10'000.0 << 11'300.0;
        QTest::newRow("walk, fewer points than pixels") << "walk" << 300 << 1.0 << 300.0;
        QTest::newRow("columns, full view") << "columns" << 1'000'000 << 1.0 << 1'000'000.0;
        QTest::newRow("columns, zoomed") << "columns" << 1'000'000 << 123'456.0 << 125'000.0;
    }
    void sameAsLibrary() {
        QFETCH(QString, shape);
        QFETCH(int, games);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QCustomPlot plot;
        plot.resize(597, 217);
        plot.show();
        auto* graph = new ProbeGraph(plot.xAxis, plot.yAxis);
        graph->setPoints(makeSeries(shape, games));
        plot.xAxis->setRange(lower, upper);
        plot.yAxis->rescale();
        plot.replot();

        const QVector<QCPGraphData> expected = graph->library();
        const QVector<QCPGraphData> actual = graph->indexed();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(actual.size(), expected.size());
        for (qsizetype k = 0; k < expected.size(); ++k) {
            if (actual[k].key != expected[k].key || actual[k].value != expected[k].value)
                QFAIL(qPrintable(QStringLiteral("point %1: (%2, %3), the plot's own (%4, %5)")
                                     .arg(k)
                                     .arg(actual[k].key, 0, 'g', 17)
                                     .arg(actual[k].value)
                                     .arg(expected[k].key, 0, 'g', 17)
                                     .arg(expected[k].value)));
        }
    }

    // Refilling with a shorter series, a longer one and an unsorted one keeps exactly the
    // given points, sorted by key; the index follows each refill.
    void refill() {
        QCustomPlot plot;
        plot.resize(597, 217);
        plot.show();
        auto* graph = new ProbeGraph(plot.xAxis, plot.yAxis);
        for (int games : {100'000, 40'000, 90'000, 300'000, 10}) {
            const PointSeries s = makeSeries(QStringLiteral("walk"), games);
            graph->setPoints(s);
            QCOMPARE(graph->dataCount(), games);
            auto it = graph->data()->constBegin();
            for (int k = 0; k < games; ++k, ++it)
                if (it->key != s.x[k] || it->value != s.y[k])
                    QFAIL(
                        qPrintable(QStringLiteral("%1 games: point %2 differs").arg(games).arg(k)));
            plot.xAxis->setRange(1, games);
            plot.replot();
            QCOMPARE(graph->indexed().size(), graph->library().size());
        }

        PointSeries unsorted;
        unsorted.add(5, 50);
        unsorted.add(2, 20);
        unsorted.add(9, 90);
        unsorted.add(2, 21);
        graph->setPoints(unsorted);
        QVector<QPair<double, double>> points;
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
            points.append({it->key, it->value});
        QCOMPARE(points, (QVector<QPair<double, double>>{{2, 20}, {2, 21}, {5, 50}, {9, 90}}));

        graph->clearPoints();
        QVERIFY(graph->data()->isEmpty());
    }
};

QTEST_MAIN(SampledGraphTests)
#include "SampledGraphTests.moc"
