// libFuzzer harness: a ".sim" file's bytes in; the reader and everything that consumes what
// it returns (statistics, summary, the four lists, chart data) must neither crash nor read
// outside the history, whatever the bytes.
#include "results/Results.h"
#include "simfile/SimFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zenoku::SimFileContents contents;
    const auto status = zenoku::parseSimFile(std::as_bytes(std::span(data, size)), contents);
    if (status != zenoku::ReadStatus::Ok) return 0;
    const auto results = zenoku::buildResults(zenoku::shareHistory(std::move(contents.history)));
    if (!results) return 0;
    std::size_t touched = results->summary.size();
    for (std::size_t k = 0; k < results->gameList.rowCount(); ++k)
        for (const std::string& cell : results->gameList.row(k))
            touched += cell.size();
    for (const auto* rows : {&results->bonusRows, &results->roleRows, &results->triggerRows})
        for (const auto& row : *rows)
            for (const std::string& cell : row)
                touched += cell.size();
    const auto& charts = results->charts;
    touched +=
        charts.slump.size() + charts.stockB.size() + charts.stockR.size() + charts.bars.size();
    for (const auto& m : charts.markers)
        touched += m.size();
    return touched == 0 ? 0 : 0;
}
