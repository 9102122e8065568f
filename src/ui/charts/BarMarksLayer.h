#pragma once

#include "results/ChartData.h"

#include <QRect>
#include <QString>
#include <cstddef>
#include <qcustomplot.h>
#include <vector>

namespace zenoku {

/// One value mark as drawn: the bar it belongs to, its box in pixels and its text.
struct BarMark {
    std::size_t bar;
    QRect box;
    QString text;
};

/// The value marks of the bars between bonuses: each bar in view carries its height in a
/// white box above it. Only the bars inside the bottom axis's range are looked at, so a
/// zoomed view costs the same whatever the length of the run. Where marks would cover one
/// another (a long run at full view), a mark that would lie on one already drawn is left
/// out; zooming in brings it back.
class BarMarksLayer : public QCPLayerable {
public:
    /// `bars` (sorted by x, as the run lists them) must outlive the layer.
    BarMarksLayer(QCustomPlot* plot, QCPAxis* keyAxis, QCPAxis* valueAxis,
                  const std::vector<Bar>* bars);

    /// The marks the current view draws, left to right.
    std::vector<BarMark> marksInView() const;

    /// Height of a mark's box in pixels, with the gap between box and bar.
    int markHeight() const;

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;
    QRect clipRect() const override;

private:
    QCPAxis* m_keyAxis;
    QCPAxis* m_valueAxis;
    const std::vector<Bar>* m_bars;
    QFont m_font;
};

} // namespace zenoku
