#pragma once

#include "charts/ChartInteraction.h"
#include "charts/SampledGraph.h"
#include "results/ChartData.h"

#include <array>
#include <cstdint>
#include <qcustomplot.h>
#include <vector>

class QLabel;

namespace zenoku {

/// The slump graph (`SlumpChart`): the medal line on the left axis, the two stock lines on
/// the right axis ("ストック数") and the eight role-marker series, in chart order
/// `SlumpSeries`, `BIG`, `REG`, `Cherry2`, `Cherry4`, `Orange`, `Bell`, `Hazure`,
/// `StockBSeries`, `StockRSeries`, `RReplay` (a later series is drawn over an earlier one).
///
/// Every point of the chart data goes into the graphs; drawing them relies on adaptive
/// sampling, which keeps the lowest and highest point of each pixel column, so a one-game
/// spike stays visible in a run of millions of games (see `SampledGraph`).
class SlumpChartView : public QCustomPlot {
    Q_OBJECT
public:
    /// The bottom axis before any run is shown.
    static constexpr double kEmptyBottomMin = 0, kEmptyBottomMax = 24;

    explicit SlumpChartView(QWidget* parent = nullptr);
    ~SlumpChartView() override;

    /// Replaces every series with the run's points, each graph filled in one pass, and shows
    /// the full view: bottom axis `bottomMin`..`bottomMax`, the left axis fitted to the shown
    /// series, the right axis from 0 to the highest stock. The markers' shown or hidden state
    /// is kept.
    void setChartData(const ChartData& data);
    /// Empties every series and shows the view before the first run (bottom axis 0..24).
    void clearChart();

    /// Shows or hides a marker series and its legend entry; the points stay as they are.
    void setMarkerVisible(Marker marker, bool visible);
    bool markerVisible(Marker marker) const;

    QCPGraph* slumpSeries() const { return m_slump; }
    QCPGraph* stockBSeries() const { return m_stockB; }
    QCPGraph* stockRSeries() const { return m_stockR; }
    QCPGraph* markerSeries(Marker marker) const;
    /// The colour key drawn on the chart (`Label4`).
    QLabel* colourKey() const { return m_label4; }
    ChartInteraction* interaction() const { return m_interaction; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Lowest and highest y of a series; empty when the series has no point.
    struct ValueSpan {
        std::int32_t min = 0, max = 0;
        bool empty = true;
    };
    static ValueSpan spanOf(const PointSeries& series);

    /// The ranges that show everything, for the plotting area at its current size.
    std::vector<AxisRange> fullView();
    void rebuildLegend();

    SampledGraph* m_slump = nullptr;
    SampledGraph* m_stockB = nullptr;
    SampledGraph* m_stockR = nullptr;
    std::array<SampledGraph*, kMarkerCount> m_markers{};
    QLabel* m_label4 = nullptr;
    ChartInteraction* m_interaction = nullptr;

    bool m_hasData = false;
    double m_bottomMin = kEmptyBottomMin, m_bottomMax = kEmptyBottomMax;
    ValueSpan m_slumpSpan;
    std::array<ValueSpan, kMarkerCount> m_markerSpans{};
    std::int32_t m_maxStock = 0;
};

} // namespace zenoku
