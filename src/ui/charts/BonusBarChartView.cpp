#include "charts/BonusBarChartView.h"

#include "charts/BarMarksLayer.h"
#include "charts/ChartStyle.h"
#include "charts/NumberTicker.h"

#include <QLabel>
#include <algorithm>

namespace zenoku {

namespace {

constexpr double kBarWidth = 0.7; ///< in bars: the gap between two bars is 0.3 of a bar

} // namespace

BonusBarChartView::BonusBarChartView(QWidget* parent) : QCustomPlot(parent) {
    setObjectName(QStringLiteral("SlumpChart2"));
    setAutoAddPlottableToLegend(false);
    setNoAntialiasingOnDrag(true);
    setBackground(verticalGradient(toQColor(Colours::White), toQColor(Colours::Silver)));
    legend->setVisible(false);
    addChartTitle(this, QStringLiteral("スランプグラフ"));

    styleAxis(xAxis, QStringLiteral("ボーナス回数"));
    styleAxis(yAxis, QStringLiteral("Play数"));
    xAxis->setTicker(QSharedPointer<NumberTicker>::create(
        NumberTicker::Options{NumberTicker::Format::Grouped, true, -1}));
    yAxis->setTicker(QSharedPointer<NumberTicker>::create());

    // The marks lie over the bars and under the axes.
    addLayer(QStringLiteral("marks"), layer(QStringLiteral("main")), limAbove);
    m_marks = new BarMarksLayer(this, xAxis, yAxis, &m_bars);
    m_marks->setLayer(QStringLiteral("marks"));

    m_label5 = addChartLabel(
        this, QStringLiteral("Label5"),
        QStringLiteral(
            "・マウスで範囲指定して拡大できます。右クリックでドラッグしてスクロールできます。"),
        QRect(124, 8, 383, 11));

    m_interaction = new ChartInteraction(this, [this] { return fullView(); });
    clearChart();
}

BonusBarChartView::~BonusBarChartView() = default;

std::vector<QCPBars*> BonusBarChartView::barSeries() const {
    std::vector<QCPBars*> series;
    for (const auto& entry : m_series)
        series.push_back(entry.second);
    return series;
}

void BonusBarChartView::setChartData(const ChartData& data) {
    setBars(data.bars);
}

void BonusBarChartView::setBars(std::vector<Bar> bars) {
    m_bars = std::move(bars);
    // The bars come in play order; the marks' search needs them sorted by x.
    if (!std::is_sorted(m_bars.begin(), m_bars.end(),
                        [](const Bar& a, const Bar& b) { return a.x < b.x; }))
        std::stable_sort(m_bars.begin(), m_bars.end(),
                         [](const Bar& a, const Bar& b) { return a.x < b.x; });

    // The plot gives one brush per bar series, so the bars are grouped by colour, each group
    // filled in one call.
    std::vector<QVector<QCPBarsData>> groups(m_series.size());
    for (const Bar& bar : m_bars) {
        auto found = std::find_if(m_series.begin(), m_series.end(),
                                  [&](const auto& entry) { return entry.first == bar.colour; });
        std::size_t index = static_cast<std::size_t>(found - m_series.begin());
        if (found == m_series.end()) {
            auto* series = new QCPBars(xAxis, yAxis);
            series->setObjectName(QStringLiteral("SlumpBSeries"));
            series->setName(QStringLiteral("SlumpBSeries"));
            series->setWidth(kBarWidth);
            series->setPen(QPen(Qt::white, 1));
            series->setBrush(toQColor(bar.colour));
            series->setAntialiased(false);
            m_series.emplace_back(bar.colour, series);
            groups.emplace_back();
        }
        groups[index].emplaceBack(static_cast<double>(bar.x), static_cast<double>(bar.y));
    }
    for (std::size_t k = 0; k < m_series.size(); ++k)
        m_series[k].second->data()->set(groups[k], true);
    m_interaction->showFullView(false);
}

void BonusBarChartView::clearChart() {
    setBars({});
}

void BonusBarChartView::resizeEvent(QResizeEvent* event) {
    QCustomPlot::resizeEvent(event);
    if (!m_interaction->isZoomed()) m_interaction->showFullView(false);
}

std::vector<AxisRange> BonusBarChartView::fullView() {
    // The headroom is measured in pixels of the plotting area, so its size must be current.
    updateLayout();
    if (m_bars.empty()) return {{xAxis, QCPRange(-0.5, 0.5)}, {yAxis, QCPRange(0, 10)}};
    const double first = m_bars.front().x, last = m_bars.back().x;
    const auto highest = std::max_element(m_bars.begin(), m_bars.end(),
                                          [](const Bar& a, const Bar& b) { return a.y < b.y; });
    const double top = std::max(1, highest->y);
    // Room above the highest bar for its mark.
    const int height = axisRect()->height();
    const int mark = m_marks->markHeight();
    const double upper = height > 3 * mark ? top * height / double(height - mark) : top * 1.25;
    return {{xAxis, QCPRange(first - 0.5, last + 0.5)}, {yAxis, QCPRange(0, upper)}};
}

} // namespace zenoku
