#pragma once

#include "machine/Outcome.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zenoku {

/// A colour as red, green and blue, 0..255 each.
struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The named colours the charts use.
namespace Colours {
inline constexpr Rgb Red{255, 0, 0}, Blue{0, 0, 255}, Black{0, 0, 0}, White{255, 255, 255},
    Yellow{255, 255, 0}, Fuchsia{255, 0, 255}, Purple{128, 0, 128}, Aqua{0, 255, 255},
    Lime{0, 255, 0}, Green{0, 128, 0}, Silver{192, 192, 192}, Orange{255, 128, 0},
    LightBlue{0, 128, 255};
}

/// Points of one series, stored compactly as 32-bit x and y in two parallel arrays.
struct PointSeries {
    std::vector<std::int32_t> x;
    std::vector<std::int32_t> y;
    std::size_t size() const { return x.size(); }
    void add(std::int32_t px, std::int32_t py) {
        x.push_back(px);
        y.push_back(py);
    }
    friend bool operator==(const PointSeries&, const PointSeries&) = default;
};

/// The eight marker series of the slump graph, in chart order.
enum class Marker { BIG, REG, Cherry2, Cherry4, Orange, Bell, Hazure, RReplay, Count };
inline constexpr std::size_t kMarkerCount = static_cast<std::size_t>(Marker::Count);

/// One bar of the games-between-bonuses chart.
struct Bar {
    std::int32_t x; ///< 0, 1, 2 … one per bonus in play order
    std::int32_t y; ///< SinceBonus of the release entry
    Rgb colour;     ///< red for a BIG, black for a REG
    friend bool operator==(const Bar&, const Bar&) = default;
};

/// One slice of a pie: the label its legend shows, its count and its colour.
struct PieSlice {
    std::string label;
    std::int32_t value;
    Rgb colour;
    friend bool operator==(const PieSlice&, const PieSlice&) = default;
};

/// Everything the four charts draw for one run.
struct ChartData {
    std::int32_t bottomMin = 1; ///< slump graph bottom axis: 1 .. N
    std::int32_t bottomMax = 1;
    PointSeries slump;  ///< (TotalPlays, Medals) of every normal game
    PointSeries stockB; ///< (TotalPlays, BigStock) of every entry
    PointSeries stockR; ///< (TotalPlays, RegStock) of every entry
    /// Role markers at (TotalPlays, Medals), indexed by Marker; bonus games included.
    std::array<PointSeries, kMarkerCount> markers;
    std::vector<Bar> bars;                          ///< one per bonus, in play order
    std::array<PieSlice, kRoleCount> rolePie;       ///< bell .. pure miss, by normal-game count
    std::array<PieSlice, kTriggerCount> triggerPie; ///< RT release triggers 1..4, by release count
    friend bool operator==(const ChartData&, const ChartData&) = default;
};

} // namespace zenoku
