#pragma once

#include "charts/ChartInteraction.h"
#include "results/ChartData.h"

#include <qcustomplot.h>
#include <utility>
#include <vector>

class QLabel;

namespace zenoku {

class BarMarksLayer;

/// The chart of games between bonuses (`SlumpChart2`): one bar per bonus at x 0, 1, 2 …,
/// as high as the normal games played since the previous bonus, red for a BIG and black for
/// a REG, with white outlines and a value mark above each bar in view. No legend.
class BonusBarChartView : public QCustomPlot {
    Q_OBJECT
public:
    explicit BonusBarChartView(QWidget* parent = nullptr);
    ~BonusBarChartView() override;

    /// Replaces the bars with the run's and shows them all.
    void setChartData(const ChartData& data);
    void setBars(std::vector<Bar> bars);
    /// No bars, as before the first run.
    void clearChart();

    /// The bars shown, in play order.
    const std::vector<Bar>& bars() const { return m_bars; }
    /// The bar series, one per bar colour, in the order the colours first appear.
    std::vector<QCPBars*> barSeries() const;
    BarMarksLayer* marks() const { return m_marks; }
    /// The hint on the chart (`Label5`).
    QLabel* hint() const { return m_label5; }
    ChartInteraction* interaction() const { return m_interaction; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The ranges that show everything, for the plotting area at its current size.
    std::vector<AxisRange> fullView();

    std::vector<Bar> m_bars;
    std::vector<std::pair<Rgb, QCPBars*>> m_series;
    BarMarksLayer* m_marks = nullptr;
    QLabel* m_label5 = nullptr;
    ChartInteraction* m_interaction = nullptr;
};

} // namespace zenoku
