// Start → results shown, offscreen: the time from pressing 開始 with Play数 1,000,000 until
// the window shows the run, and the heap the window holds per history entry on top of the
// history itself (the results, the list model and the views).
#include "window/Dialogs.h"
#include "window/LayoutFonts.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace zenoku {
namespace {

/// A single run opens no dialog; any that opened would be answered "cancel".
class NoDialogs final : public Dialogs {
public:
    void showError(QWidget*, const QString&) override {}
    void showToolkitError(QWidget*, const QString&) override {}
    QString openFileName(QWidget*) override { return {}; }
    QString saveFileName(QWidget*) override { return {}; }
};

/// Bytes the C heap has handed out and not taken back, mapped blocks included. Qt allocates
/// with malloc, so this counts the views as well as the results.
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_StartToResultsShown(benchmark::State& state) {
    NoDialogs dialogs;
    TMainForm form(dialogs, 1);
    form.show();
    QApplication::processEvents();
    form.findChild<QLineEdit*>(QStringLiteral("PlayNumEdit"))->setText(QStringLiteral("1000000"));
    form.findChild<QComboBox*>(QStringLiteral("FlevelComboBox"))
        ->setCurrentText(QString::number(state.range(0)));
    QPushButton* start = form.findChild<QPushButton*>(QStringLiteral("StartButton"));

    // The first start, measured for memory: nothing was shown before it.
    const std::size_t before = heapInUse();
    start->click();
    const std::size_t after = heapInUse();
    const auto shown = form.shownResults();
    const double entries = static_cast<double>(shown->history->size());
    const double historyBytes = static_cast<double>(form.history().capacity() * sizeof(PlayRecord));

    for (auto _ : state) {
        start->click();
        // The window repaints once the command returns; that is part of showing the run.
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries));
    state.counters["entries"] = entries;
    state.counters["window_bytes_per_entry"] =
        (static_cast<double>(after - before) - historyBytes) / entries;
}
BENCHMARK(BM_StartToResultsShown)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace zenoku

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zenoku::substituteLayoutFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
