#include "sim/Batch.h"

#include "simfile/SimFile.h"

namespace zenoku {

std::string batchFileName(std::string_view chosenName, std::int32_t level, std::int32_t plays,
                          std::int32_t run) {
    const std::string suffix =
        std::to_string(level) + "_" + std::to_string(plays) + "_" + std::to_string(run);
    const auto slash = chosenName.find_last_of('/');
    const auto nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const auto dot = chosenName.find('.', nameStart);
    std::string name(chosenName);
    if (dot == std::string_view::npos)
        name += suffix;
    else
        name.insert(dot, suffix);
    return name;
}

BatchResult RunBatch(TSlot& slot, const BatchRequest& request, const BatchCallbacks& callbacks,
                     FileLayer& files, PlayHistory storage) {
    BatchResult result;
    for (std::int32_t i = 1; i <= request.runs; ++i) {
        if (i > 1) storage = reclaimStorage(std::move(result.lastRun.history));
        result.lastRun =
            RunSimulation(slot, request.run, std::move(storage), [&](const RunReport& report) {
                if (callbacks.beforeGames) callbacks.beforeGames(i, report);
            });
        const SimHeader& header = result.lastRun.header;
        const std::string name = batchFileName(request.chosenName, header.level, header.plays, i);
        const std::unique_ptr<OutputFile> out = files.create(name);
        if (!out) return result;
        if (callbacks.saving)
            callbacks.saving(name, static_cast<int>(std::int64_t{100} * i / request.runs));
        if (!writeSimFile(*out, SimVariant::Batch, header, *result.lastRun.history)) return result;
        result.files.push_back(name);
    }
    result.completed = true;
    return result;
}

} // namespace zenoku
