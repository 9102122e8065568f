#pragma once

#include "results/ChartData.h"

#include <cstddef>
#include <qcustomplot.h>
#include <vector>

namespace zenoku {

/// A graph of one chart series that stays fast at tens of millions of points.
///
/// Every point of the series is in the graph's data. Drawing a line with adaptive sampling
/// keeps, for each pixel column, the column's first point, its lowest and highest value and
/// its last point; the plot finds those by walking every visible point on every repaint.
/// This graph produces exactly the same points from an index of per-block minima and maxima
/// built when the points are set, so a repaint costs a few operations per pixel column
/// instead of one per point.
///
/// Setting new points reuses the memory of the previous ones when they fit in it: writing
/// over pages already in use is far cheaper than touching fresh ones.
class SampledGraph : public QCPGraph {
    Q_OBJECT
public:
    /// Points per block of the index.
    static constexpr std::size_t kBlock = 64;

    SampledGraph(QCPAxis* keyAxis, QCPAxis* valueAxis);

    /// Replaces the graph's points with all points of `series`, in one pass.
    void setPoints(const PointSeries& series);
    /// Removes every point.
    void clearPoints();

protected:
    void getOptimizedLineData(QVector<QCPGraphData>* lineData,
                              const QCPGraphDataContainer::const_iterator& begin,
                              const QCPGraphDataContainer::const_iterator& end) const override;

private:
    struct Block {
        double min, max;
    };
    /// Whether the index describes the points the graph holds now (the data container can
    /// also be filled from outside).
    bool indexValid() const;
    /// Lowest and highest value of the points [from, to), `from` < `to`.
    std::pair<double, double> valueSpan(std::size_t from, std::size_t to) const;

    QVector<QCPGraphData> m_points; ///< shared with the data container, not copied
    std::vector<Block> m_blocks;
};

} // namespace zenoku
