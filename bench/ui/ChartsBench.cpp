// Speed of the four charts on a 10-million-game run, offscreen: filling them from the
// results, and one repaint of the slump graph at full view and zoomed.
#include "charts/BonusBarChartView.h"
#include "charts/PieChartView.h"
#include "charts/SlumpChartView.h"
#include "machine/Slot.h"
#include "results/Results.h"
#include "sim/Run.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>

namespace zenoku {
namespace {

constexpr std::int32_t kLongRun = 10'000'000;

/// The chart data of one 10-million-game run at level 6, computed once.
const Results& longRun() {
    static const Results results = [] {
        TSlot slot(20240611);
        return std::move(*buildResults(RunSimulation(slot, {kLongRun, 6, false}).history));
    }();
    return results;
}

/// The four charts at their sizes in the window, shown offscreen.
struct Charts {
    QWidget window;
    SlumpChartView* slump = new SlumpChartView(&window);
    BonusBarChartView* bars = new BonusBarChartView(&window);
    PieChartView* roles = new PieChartView(&window);
    PieChartView* triggers = new PieChartView(&window);

    Charts() {
        window.resize(604, 701);
        bars->setGeometry(4, 284, 597, 149);
        slump->setGeometry(4, 428, 597, 217);
        roles->setGeometry(324, 9, 260, 173);
        triggers->setGeometry(324, 9, 260, 173);
        window.show();
    }
    void fill(const Results& r) {
        slump->setChartData(r.charts);
        bars->setChartData(r.charts);
        roles->setSlices(r.charts.rolePie);
        triggers->setSlices(r.charts.triggerPie);
    }
};

void addCounters(benchmark::State& state, const ChartData& c) {
    std::size_t points = c.slump.size() + c.stockB.size() + c.stockR.size();
    for (const PointSeries& m : c.markers)
        points += m.size();
    state.counters["points"] = static_cast<double>(points);
    state.counters["bars"] = static_cast<double>(c.bars.size());
}

/// Filling all four charts from the run's chart data, every point included, as every run
/// after the first does: the graphs write over the memory of the previous run's points.
void BM_FillAllCharts(benchmark::State& state) {
    const Results& run = longRun();
    Charts charts;
    charts.fill(run);
    for (auto _ : state)
        charts.fill(run);
    addCounters(state, run.charts);
}
BENCHMARK(BM_FillAllCharts)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

/// The first fill of new charts: the same work into memory never used before, whose first
/// touch the operating system charges for (about 550 MB of points for this run).
void BM_FillAllChartsFirstTime(benchmark::State& state) {
    const Results& run = longRun();
    for (auto _ : state) {
        state.PauseTiming();
        auto charts = std::make_unique<Charts>();
        state.ResumeTiming();
        charts->fill(run);
        state.PauseTiming();
        charts.reset();
        state.ResumeTiming();
    }
    addCounters(state, run.charts);
}
BENCHMARK(BM_FillAllChartsFirstTime)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

/// One replot and repaint of the slump graph. Argument 0: full view; 1: zoomed into a
/// rectangle a fifth of the plotting area wide; 2: full view with every marker shown.
void BM_RepaintSlumpChart(benchmark::State& state) {
    const Results& run = longRun();
    Charts charts;
    charts.fill(run);
    SlumpChartView* slump = charts.slump;
    slump->interaction()->setAnimationDuration(0);
    slump->replot();
    if (state.range(0) == 1) {
        const QRect area = slump->axisRect()->rect();
        slump->interaction()->zoomTo(
            QRect(area.left() + area.width() * 2 / 5, area.top(), area.width() / 5, area.height()));
    } else if (state.range(0) == 2) {
        for (std::size_t k = 0; k < kMarkerCount; ++k)
            slump->setMarkerVisible(static_cast<Marker>(k), true);
    }
    for (auto _ : state)
        slump->replot(QCustomPlot::rpImmediateRefresh);
    addCounters(state, run.charts);
}
BENCHMARK(BM_RepaintSlumpChart)
    ->ArgName("view")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);

/// One replot and repaint of the bars between bonuses at full view (every bar in view).
void BM_RepaintBonusBars(benchmark::State& state) {
    const Results& run = longRun();
    Charts charts;
    charts.fill(run);
    charts.bars->replot();
    for (auto _ : state)
        charts.bars->replot(QCustomPlot::rpImmediateRefresh);
    addCounters(state, run.charts);
}
BENCHMARK(BM_RepaintBonusBars)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

} // namespace
} // namespace zenoku

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
