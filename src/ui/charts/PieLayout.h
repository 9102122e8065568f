#pragma once

#include <QRect>
#include <cstdint>
#include <span>
#include <vector>

namespace zenoku {

/// One slice's arc in Qt's angle unit, a sixteenth of a degree, counter-clockwise from
/// three o'clock.
struct PieArc {
    int start16 = 0;
    int span16 = 0;
};

/// One legend line: the colour symbol and the label's box.
struct PieLegendEntry {
    QRect symbol;
    QRect text;
};

/// Where a pie chart draws everything, in pixels of its widget.
struct PieLayout {
    QRect pie;                          ///< the circle's square; empty when there is no room
    std::vector<PieArc> arcs;           ///< one per slice, spans summing to a full turn
    bool allZero = true;                ///< no slice has a value: the circle is drawn empty
    QRect legendFrame;                  ///< the rounded frame around the legend
    std::vector<PieLegendEntry> legend; ///< one per slice, top to bottom
};

/// Legend and pie measures shared by the layout and the drawing.
namespace PieMeasures {
inline constexpr int kMargin = 6;        ///< around the pie and the legend
inline constexpr int kFramePadding = 4;  ///< inside the legend frame
inline constexpr int kSymbolWidth = 15;  ///< width of a colour symbol
inline constexpr int kSymbolTextGap = 4; ///< between a symbol and its label
inline constexpr int kCornerRadius = 5;  ///< of the legend frame
} // namespace PieMeasures

/// Lays out a pie of `values` (negative values count as zero) in `area`: the legend, one line
/// of `lineHeight` per slice as wide as the widest of `labelWidths`, stands at the right,
/// centred vertically; the circle takes the largest square left of it. The first slice
/// starts at three o'clock and the slices follow counter-clockwise; each slice's span is
/// its share of the full turn, rounded so that the spans add up to exactly a full turn.
PieLayout pieLayout(const QRect& area, std::span<const std::int64_t> values,
                    std::span<const int> labelWidths, int lineHeight);

} // namespace zenoku
