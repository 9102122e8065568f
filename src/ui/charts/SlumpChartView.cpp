#include "charts/SlumpChartView.h"

#include "charts/ChartStyle.h"
#include "charts/NumberTicker.h"
#include "charts/SampledGraph.h"

#include <QLabel>
#include <algorithm>

namespace zenoku {

namespace {

/// How one marker series looks: its legend title, shape and colour.
struct MarkerLook {
    const char* title;
    QCPScatterStyle::ScatterShape shape;
    Rgb colour;
};

/// In the order of the `Marker` enumeration, which is also their order in the chart.
constexpr std::array<MarkerLook, kMarkerCount> kMarkerLooks{{
    {"BIG", QCPScatterStyle::ssDiamond, Colours::Blue},
    {"REG", QCPScatterStyle::ssTriangle, Colours::Black},
    {"Cherry2", QCPScatterStyle::ssCircle, Colours::Red},
    {"Cherry4", QCPScatterStyle::ssCircle, Colours::Fuchsia},
    {"Orange", QCPScatterStyle::ssTriangle, Colours::Orange},
    {"Bell", QCPScatterStyle::ssTriangle, Colours::Yellow},
    {"Hazure", QCPScatterStyle::ssTriangle, Colours::White},
    {"RReplay", QCPScatterStyle::ssSquare, Colours::Lime},
}};

constexpr double kMarkerSize = 8;
constexpr int kLineWidth = 2;

SampledGraph* addLine(QCustomPlot* plot, QCPAxis* valueAxis, const char* name, Rgb colour) {
    auto* graph = new SampledGraph(plot->xAxis, valueAxis);
    graph->setObjectName(QString::fromLatin1(name));
    graph->setName(QString::fromLatin1(name));
    graph->setPen(QPen(toQColor(colour), kLineWidth));
    graph->setLineStyle(QCPGraph::lsLine);
    graph->setAdaptiveSampling(true);
    return graph;
}

SampledGraph* addMarkers(QCustomPlot* plot, const MarkerLook& look) {
    auto* graph = new SampledGraph(plot->xAxis, plot->yAxis);
    graph->setObjectName(QString::fromLatin1(look.title));
    graph->setName(QString::fromLatin1(look.title));
    graph->setLineStyle(QCPGraph::lsNone);
    // The black edge keeps the white and yellow markers visible on the pale background.
    graph->setScatterStyle(QCPScatterStyle(look.shape, QPen(Qt::black, 1),
                                           QBrush(toQColor(look.colour)), kMarkerSize));
    graph->setPen(QPen(toQColor(look.colour)));
    graph->setAdaptiveSampling(true);
    graph->setVisible(false);
    return graph;
}

} // namespace

SlumpChartView::SlumpChartView(QWidget* parent) : QCustomPlot(parent) {
    setObjectName(QStringLiteral("SlumpChart"));
    setAutoAddPlottableToLegend(false);
    setNoAntialiasingOnDrag(true);
    // The stock lines jump up and down inside most pixel columns of a long run; drawing them
    // as separate segments instead of one joined polyline is several times faster, and at 2
    // pixels wide the joins look the same.
    setPlottingHint(QCP::phFastPolylines, true);
    setBackground(verticalGradient(toQColor(Colours::Silver), toQColor(Colours::White)));
    addChartTitle(this, QStringLiteral("スランプグラフ"));

    styleAxis(xAxis, QStringLiteral("play"));
    styleAxis(yAxis, QStringLiteral("Medal"));
    styleAxis(yAxis2, QStringLiteral("ストック数"));
    xAxis->setTicker(QSharedPointer<NumberTicker>::create());
    yAxis->setTicker(QSharedPointer<NumberTicker>::create());
    yAxis2->setTicker(QSharedPointer<NumberTicker>::create(
        NumberTicker::Options{NumberTicker::Format::Whole, true, 4}));
    yAxis2->setVisible(true);

    // Chart order: a later series is drawn over an earlier one.
    m_slump = addLine(this, yAxis, "SlumpSeries", Colours::Red);
    for (std::size_t k = 0; k < kMarkerCount; ++k) {
        if (static_cast<Marker>(k) == Marker::RReplay) {
            m_stockB = addLine(this, yAxis2, "StockBSeries", Colours::LightBlue);
            m_stockR = addLine(this, yAxis2, "StockRSeries", Colours::Purple);
        }
        m_markers[k] = addMarkers(this, kMarkerLooks[k]);
    }

    legend->setFont(chartFont(ChartFont::Axis));
    legend->setBrush(QBrush(Qt::white));
    legend->setBorderPen(QPen(Qt::black));
    legend->setIconSize(14, 10);
    legend->setRowSpacing(0);
    axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    legend->setVisible(false);

    m_label4 = addChartLabel(this, QStringLiteral("Label4"),
                             QStringLiteral("Medal-赤　BIGストック数-青　REGストック数-紫"),
                             QRect(280, 16, 218, 11));

    m_interaction = new ChartInteraction(this, [this] { return fullView(); });
    clearChart();
}

SlumpChartView::~SlumpChartView() = default;

QCPGraph* SlumpChartView::markerSeries(Marker marker) const {
    return m_markers[static_cast<std::size_t>(marker)];
}

SlumpChartView::ValueSpan SlumpChartView::spanOf(const PointSeries& series) {
    ValueSpan span;
    if (series.y.empty()) return span;
    const auto [lo, hi] = std::minmax_element(series.y.begin(), series.y.end());
    span.min = *lo;
    span.max = *hi;
    span.empty = false;
    return span;
}

void SlumpChartView::setChartData(const ChartData& data) {
    m_slump->setPoints(data.slump);
    m_stockB->setPoints(data.stockB);
    m_stockR->setPoints(data.stockR);
    for (std::size_t k = 0; k < kMarkerCount; ++k) {
        m_markers[k]->setPoints(data.markers[k]);
        m_markerSpans[k] = spanOf(data.markers[k]);
    }
    m_slumpSpan = spanOf(data.slump);
    const ValueSpan b = spanOf(data.stockB), r = spanOf(data.stockR);
    m_maxStock = std::max(b.empty ? 0 : b.max, r.empty ? 0 : r.max);
    m_bottomMin = data.bottomMin;
    m_bottomMax = data.bottomMax;
    m_hasData = true;
    m_interaction->showFullView(false);
}

void SlumpChartView::clearChart() {
    m_slump->clearPoints();
    m_stockB->clearPoints();
    m_stockR->clearPoints();
    for (SampledGraph* graph : m_markers)
        graph->clearPoints();
    m_slumpSpan = {};
    m_markerSpans = {};
    m_maxStock = 0;
    m_bottomMin = kEmptyBottomMin;
    m_bottomMax = kEmptyBottomMax;
    m_hasData = false;
    m_interaction->showFullView(false);
}

void SlumpChartView::setMarkerVisible(Marker marker, bool visible) {
    QCPGraph* graph = markerSeries(marker);
    if (graph->visible() == visible) return;
    graph->setVisible(visible);
    rebuildLegend();
    // The left axis follows the shown series unless the user has chosen a view of his own.
    if (!m_interaction->isZoomed())
        m_interaction->showFullView(false);
    else
        replot(rpQueuedReplot);
}

bool SlumpChartView::markerVisible(Marker marker) const {
    return markerSeries(marker)->visible();
}

void SlumpChartView::rebuildLegend() {
    legend->clearItems();
    for (QCPGraph* graph : m_markers)
        if (graph->visible()) graph->addToLegend(legend);
    legend->setVisible(legend->itemCount() > 0);
}

void SlumpChartView::resizeEvent(QResizeEvent* event) {
    QCustomPlot::resizeEvent(event);
    if (!m_interaction->isZoomed()) m_interaction->showFullView(false);
}

std::vector<AxisRange> SlumpChartView::fullView() {
    // The headroom is measured in pixels of the plotting area, so its size must be current.
    updateLayout();
    double bottomMin = m_bottomMin, bottomMax = m_bottomMax;
    // A run of one game spans the single game 1..1; the axis needs a width to draw it, so
    // the game stands in the middle.
    if (bottomMax <= bottomMin) {
        bottomMin -= 0.5;
        bottomMax += 0.5;
    }

    ValueSpan left = m_slumpSpan;
    for (std::size_t k = 0; k < kMarkerCount; ++k) {
        const ValueSpan& s = m_markerSpans[k];
        if (s.empty || !m_markers[k]->visible()) continue;
        left.min = left.empty ? s.min : std::min(left.min, s.min);
        left.max = left.empty ? s.max : std::max(left.max, s.max);
        left.empty = false;
    }
    double leftMin = 0, leftMax = 10;
    if (!left.empty) {
        // A small margin keeps the 2-pixel line and the markers off the frame.
        const double margin = std::max(1.0, (double(left.max) - double(left.min)) * 0.03);
        leftMin = left.min - margin;
        leftMax = left.max + margin;
    }

    // The highest stock sits one pixel below the top of the plotting area.
    const double stockMax = std::max<std::int32_t>(1, m_maxStock);
    const int height = std::max(1, axisRect()->height());
    const double rightMax = stockMax * (1.0 + 1.0 / height);

    return {{xAxis, QCPRange(bottomMin, bottomMax)},
            {yAxis, QCPRange(leftMin, leftMax)},
            {yAxis2, QCPRange(0, rightMax)}};
}

} // namespace zenoku
