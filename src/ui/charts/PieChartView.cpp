#include "charts/PieChartView.h"

#include "charts/ChartStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace zenoku {

PieChartView::PieChartView(QWidget* parent) : QWidget(parent) {
    setFont(chartFont(ChartFont::Window));
    setAutoFillBackground(true);
}

void PieChartView::setSlices(std::span<const PieSlice> slices) {
    m_slices.assign(slices.begin(), slices.end());
    update();
}

void PieChartView::clearChart() {
    m_slices.clear();
    update();
}

PieLayout PieChartView::currentLayout() const {
    const QFontMetrics metrics(font());
    std::vector<std::int64_t> values;
    std::vector<int> widths;
    for (const PieSlice& slice : m_slices) {
        values.push_back(slice.value);
        widths.push_back(metrics.horizontalAdvance(QString::fromStdString(slice.label)));
    }
    return pieLayout(rect(), values, widths, metrics.height() + 2);
}

void PieChartView::paintEvent(QPaintEvent*) {
    using namespace PieMeasures;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const PieLayout layout = currentLayout();

    // Slices with a black edge, so that a white slice stands out from the background.
    painter.setPen(QPen(Qt::black, 1));
    if (!layout.pie.isEmpty()) {
        const QRectF pie = QRectF(layout.pie).adjusted(0.5, 0.5, -0.5, -0.5);
        if (layout.allZero) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
            painter.drawEllipse(pie);
            painter.setPen(QPen(Qt::black, 1));
        } else {
            for (std::size_t k = 0; k < m_slices.size(); ++k) {
                const PieArc& arc = layout.arcs[k];
                if (arc.span16 == 0) continue;
                painter.setBrush(toQColor(m_slices[k].colour));
                if (arc.span16 >= 360 * 16)
                    painter.drawEllipse(pie);
                else
                    painter.drawPie(pie, arc.start16, arc.span16);
            }
        }
    }

    if (m_slices.empty()) return;
    // The legend: a rounded frame on a one-pixel shadow, a colour symbol and the label.
    const QRectF frame = QRectF(layout.legendFrame).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::darkGray);
    painter.drawRoundedRect(frame.translated(1, 1), kCornerRadius, kCornerRadius);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(frame, kCornerRadius, kCornerRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t k = 0; k < m_slices.size(); ++k) {
        const PieLegendEntry& entry = layout.legend[k];
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(toQColor(m_slices[k].colour));
        painter.drawRect(entry.symbol.adjusted(0, 0, -1, -1));
        painter.drawText(entry.text, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(m_slices[k].label));
    }
}

} // namespace zenoku
