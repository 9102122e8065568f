#include "charts/PieLayout.h"

#include <algorithm>
#include <cmath>

namespace zenoku {

PieLayout pieLayout(const QRect& area, std::span<const std::int64_t> values,
                    std::span<const int> labelWidths, int lineHeight) {
    using namespace PieMeasures;
    PieLayout layout;
    const int count = static_cast<int>(values.size());

    // 1. The legend at the right, centred vertically.
    int widest = 0;
    for (int w : labelWidths)
        widest = std::max(widest, w);
    const int frameWidth = 2 * kFramePadding + kSymbolWidth + kSymbolTextGap + widest;
    const int frameHeight = 2 * kFramePadding + count * lineHeight;
    const int frameLeft = std::max(area.left(), area.right() + 1 - kMargin - frameWidth);
    const int frameTop = area.top() + std::max(0, (area.height() - frameHeight) / 2);
    layout.legendFrame = QRect(frameLeft, frameTop, frameWidth, frameHeight);
    for (int k = 0; k < count; ++k) {
        const int top = frameTop + kFramePadding + k * lineHeight;
        const int symbolHeight = std::max(1, lineHeight - 4);
        PieLegendEntry entry;
        entry.symbol = QRect(frameLeft + kFramePadding, top + (lineHeight - symbolHeight) / 2,
                             kSymbolWidth, symbolHeight);
        entry.text =
            QRect(entry.symbol.right() + 1 + kSymbolTextGap, top,
                  k < static_cast<int>(labelWidths.size()) ? labelWidths[k] : 0, lineHeight);
        layout.legend.push_back(entry);
    }

    // 2. The circle: the largest square in what is left, centred there.
    const QRect room(area.left() + kMargin, area.top() + kMargin,
                     frameLeft - kMargin - (area.left() + kMargin), area.height() - 2 * kMargin);
    const int side = std::min(room.width(), room.height());
    if (side > 0)
        layout.pie = QRect(room.left() + (room.width() - side) / 2,
                           room.top() + (room.height() - side) / 2, side, side);

    // 3. The arcs: each ends where the running total's share of the turn ends, so rounding
    // never leaves a gap or an overlap.
    constexpr int kFullTurn = 360 * 16;
    long double total = 0;
    for (std::int64_t v : values)
        total += static_cast<long double>(std::max<std::int64_t>(v, 0));
    layout.allZero = total == 0;
    long double running = 0;
    int start = 0;
    for (std::int64_t v : values) {
        running += static_cast<long double>(std::max<std::int64_t>(v, 0));
        const int end =
            layout.allZero ? 0 : static_cast<int>(std::llround(running / total * kFullTurn));
        layout.arcs.push_back({start, end - start});
        start = end;
    }
    return layout;
}

} // namespace zenoku
