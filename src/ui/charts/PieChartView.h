#pragma once

#include "charts/PieLayout.h"
#include "results/ChartData.h"

#include <QWidget>
#include <span>
#include <vector>

namespace zenoku {

/// A pie chart (`KoyakuChart`, `RTCancelChart`): a circular pie of the slices with no marks
/// on them, and a legend in a rounded frame that lists each slice's colour and label, no
/// values. When every slice is zero the circle is drawn empty, with the legend.
class PieChartView : public QWidget {
    Q_OBJECT
public:
    explicit PieChartView(QWidget* parent = nullptr);

    void setSlices(std::span<const PieSlice> slices);
    /// No slices, as before the first run.
    void clearChart();

    const std::vector<PieSlice>& slices() const { return m_slices; }
    /// The geometry of the current slices at the widget's current size.
    PieLayout currentLayout() const;

    QSize sizeHint() const override { return {260, 173}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PieSlice> m_slices;
};

} // namespace zenoku
