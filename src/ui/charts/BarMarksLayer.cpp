#include "charts/BarMarksLayer.h"

#include "charts/ChartNumberText.h"
#include "charts/ChartStyle.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace zenoku {

namespace {
constexpr int kPadding = 2; ///< between the text and the box's edge
constexpr int kGap = 3;     ///< between the box and the top of its bar
} // namespace

BarMarksLayer::BarMarksLayer(QCustomPlot* plot, QCPAxis* keyAxis, QCPAxis* valueAxis,
                             const std::vector<Bar>* bars)
    : QCPLayerable(plot), m_keyAxis(keyAxis), m_valueAxis(valueAxis), m_bars(bars),
      m_font(chartFont(ChartFont::Axis)) {}

int BarMarksLayer::markHeight() const {
    return QFontMetrics(m_font).height() + 2 * kPadding + kGap;
}

std::vector<BarMark> BarMarksLayer::marksInView() const {
    std::vector<BarMark> marks;
    const std::vector<Bar>& bars = *m_bars;
    if (bars.empty()) return marks;

    // Bars half outside the range still show their middle, so the search reaches half a bar
    // beyond it on either side.
    const QCPRange keys = m_keyAxis->range();
    const auto first = std::lower_bound(bars.begin(), bars.end(), keys.lower - 0.5,
                                        [](const Bar& b, double key) { return b.x < key; });
    const auto last = std::upper_bound(first, bars.end(), keys.upper + 0.5,
                                       [](double key, const Bar& b) { return key < b.x; });

    // Mark texts are digits and commas: their widest advances bound a box's width without
    // measuring every text.
    const QFontMetrics metrics(m_font);
    int digit = 0;
    for (QChar c : QStringLiteral("0123456789"))
        digit = std::max(digit, metrics.horizontalAdvance(c));
    const int comma = metrics.horizontalAdvance(u',');
    const int minus = metrics.horizontalAdvance(u'-');
    const int boxHeight = metrics.height() + 2 * kPadding;

    // The widest box any value can need: boxes are looked at in the order of their centres,
    // so a box ending this far left of a centre cannot reach any later box.
    const int widest = 2 * kPadding + 10 * digit + 3 * comma + minus;

    const QRect area = clipRect();
    // Boxes drawn so far whose right edge may still reach a later box.
    std::vector<QRect> recent;
    for (auto it = first; it != last; ++it) {
        const double centre = m_keyAxis->coordToPixel(it->x);
        const double top = m_valueAxis->coordToPixel(it->y);
        QString text = groupedNumberText(it->y);
        int width = 2 * kPadding;
        for (QChar c : text)
            width += c == u',' ? comma : c == u'-' ? minus : digit;
        const QRect box(static_cast<int>(std::lround(centre - width / 2.0)),
                        static_cast<int>(std::lround(top)) - kGap - boxHeight, width, boxHeight);
        if (!box.intersects(area)) continue;
        const int reach = static_cast<int>(std::floor(centre)) - widest;
        std::erase_if(recent, [&](const QRect& r) { return r.right() < reach; });
        if (std::any_of(recent.begin(), recent.end(),
                        [&](const QRect& r) { return r.intersects(box); }))
            continue;
        recent.push_back(box);
        marks.push_back({static_cast<std::size_t>(it - bars.begin()), box, std::move(text)});
    }
    return marks;
}

void BarMarksLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(false);
}

QRect BarMarksLayer::clipRect() const {
    return m_keyAxis->axisRect()->rect();
}

void BarMarksLayer::draw(QCPPainter* painter) {
    painter->setFont(m_font);
    for (const BarMark& mark : marksInView()) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::white);
        painter->drawRect(mark.box.adjusted(0, 0, -1, -1));
        painter->drawText(mark.box, Qt::AlignCenter, mark.text);
    }
}

} // namespace zenoku
