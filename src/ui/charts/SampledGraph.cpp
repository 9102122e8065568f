#include "charts/SampledGraph.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace zenoku {

namespace {

/// Asks for huge pages behind a fresh block of points before it is first written: touching
/// new memory page by page is what a first fill of millions of points mostly costs, and huge
/// pages need a 512th of the faults.
void adviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#ifdef __linux__
    constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHuge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

} // namespace

SampledGraph::SampledGraph(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPGraph(keyAxis, valueAxis) {
    setAdaptiveSampling(true);
}

void SampledGraph::setPoints(const PointSeries& series) {
    const std::size_t n = std::min(series.x.size(), series.y.size());
    // The container lets go of the previous points, so they can be overwritten in place.
    data()->set(QVector<QCPGraphData>(), true);
    m_blocks.clear();
    // A block far larger than the new run is given back rather than kept idle.
    if (n < static_cast<std::size_t>(m_points.capacity()) / 4) m_points = QVector<QCPGraphData>();
    if (n > static_cast<std::size_t>(m_points.capacity())) {
        m_points = QVector<QCPGraphData>();
        m_points.reserve(static_cast<qsizetype>(n));
        adviseHugePages(m_points.data(), n * sizeof(QCPGraphData));
    }
    m_points.resize(static_cast<qsizetype>(n));

    QCPGraphData* out = m_points.data();
    bool sorted = true;
    std::int32_t previous = std::numeric_limits<std::int32_t>::min();
    for (std::size_t k = 0; k < n; ++k) {
        const std::int32_t key = series.x[k];
        sorted = sorted && key >= previous;
        previous = key;
        out[k].key = key;
        out[k].value = series.y[k];
    }
    // A run's series come in play order, sorted already; anything else is sorted here rather
    // than in the container, which would sort a copy.
    if (!sorted)
        std::stable_sort(out, out + n, [](const QCPGraphData& a, const QCPGraphData& b) {
            return a.key < b.key;
        });

    m_blocks.resize((n + kBlock - 1) / kBlock);
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
        const std::size_t last = std::min(n, (b + 1) * kBlock);
        double lo = out[b * kBlock].value, hi = lo;
        for (std::size_t k = b * kBlock + 1; k < last; ++k) {
            lo = std::min(lo, out[k].value);
            hi = std::max(hi, out[k].value);
        }
        m_blocks[b] = {lo, hi};
    }
    data()->set(m_points, true);
}

void SampledGraph::clearPoints() {
    data()->set(QVector<QCPGraphData>(), true);
    m_points = QVector<QCPGraphData>();
    m_blocks.clear();
}

bool SampledGraph::indexValid() const {
    const QCPGraphDataContainer& container = *mDataContainer;
    return container.size() == m_points.size() && !container.isEmpty() &&
           &*container.constBegin() == m_points.constData();
}

std::pair<double, double> SampledGraph::valueSpan(std::size_t from, std::size_t to) const {
    const QCPGraphData* d = m_points.constData();
    double lo = d[from].value, hi = lo;
    auto scan = [&](std::size_t a, std::size_t b) {
        for (std::size_t k = a; k < b; ++k) {
            lo = std::min(lo, d[k].value);
            hi = std::max(hi, d[k].value);
        }
    };
    const std::size_t firstWhole = (from + kBlock - 1) / kBlock, endWhole = to / kBlock;
    if (firstWhole >= endWhole) {
        scan(from, to);
        return {lo, hi};
    }
    scan(from, firstWhole * kBlock);
    for (std::size_t b = firstWhole; b < endWhole; ++b) {
        lo = std::min(lo, m_blocks[b].min);
        hi = std::max(hi, m_blocks[b].max);
    }
    scan(endWhole * kBlock, to);
    return {lo, hi};
}

void SampledGraph::getOptimizedLineData(QVector<QCPGraphData>* lineData,
                                        const QCPGraphDataContainer::const_iterator& begin,
                                        const QCPGraphDataContainer::const_iterator& end) const {
    const QCPAxis* keyAxis = mKeyAxis.data();
    if (!lineData || !keyAxis || !mValueAxis || begin == end || !mAdaptiveSampling ||
        !indexValid() || keyAxis->scaleType() != QCPAxis::stLinear ||
        keyAxis->pixelOrientation() != 1) {
        QCPGraph::getOptimizedLineData(lineData, begin, end);
        return;
    }
    const QCPGraphData* d = m_points.constData();
    const std::size_t first = static_cast<std::size_t>(&*begin - d);
    const std::size_t last = first + static_cast<std::size_t>(end - begin);

    // Sampling starts at two points per pixel on average, as the plot's own does.
    const double keyPixelSpan =
        qAbs(keyAxis->coordToPixel(d[first].key) - keyAxis->coordToPixel(d[last - 1].key));
    if (static_cast<double>(last - first) < 2 * keyPixelSpan + 2) {
        QCPGraph::getOptimizedLineData(lineData, begin, end);
        return;
    }

    // The same clusters as the plot's sampling, pixel column by pixel column: a column's
    // points end where the keys reach the next column, found by binary search, and its
    // value span comes from the block index.
    auto columnStart = [keyAxis](double key) {
        return keyAxis->pixelToCoord(static_cast<int>(keyAxis->coordToPixel(key)));
    };
    double startKey = columnStart(d[first].key);
    const double epsilon =
        qAbs(startKey - keyAxis->pixelToCoord(keyAxis->coordToPixel(startKey) + 1.0));
    double lastEndKey = startKey;
    lineData->reserve(static_cast<qsizetype>(4 * keyPixelSpan + 8));

    std::size_t i = first;
    while (i < last) {
        const double limit = startKey + epsilon;
        const std::size_t j = static_cast<std::size_t>(
            std::lower_bound(d + i + 1, d + last, limit,
                             [](const QCPGraphData& p, double key) { return p.key < key; }) -
            d);
        if (j - i >= 2) {
            const auto [lo, hi] = valueSpan(i, j);
            if (lastEndKey < startKey - epsilon)
                lineData->append(QCPGraphData(startKey + epsilon * 0.2, d[i].value));
            lineData->append(QCPGraphData(startKey + epsilon * 0.25, lo));
            lineData->append(QCPGraphData(startKey + epsilon * 0.75, hi));
            if (j < last && d[j].key > startKey + epsilon * 2)
                lineData->append(QCPGraphData(startKey + epsilon * 0.8, d[j - 1].value));
        } else {
            lineData->append(d[i]);
        }
        lastEndKey = d[j - 1].key;
        i = j;
        if (i < last) startKey = columnStart(d[i].key);
    }
}

} // namespace zenoku
