#include "cli/Cli.h"
#include "cli/Command.h"
#include "results/RunStatistics.h"
#include "sim/Batch.h"
#include "sim/Run.h"
#include "sim/StartInputs.h"
#include "simfile/SimFile.h"
#include "texts/Messages.h"

#include <CLI/CLI.hpp>
#include <ctime>
#include <memory>
#include <optional>
#include <ostream>
#include <variant>

namespace zenoku {

namespace {

struct PlayOptions {
    std::string seed;
    std::string level = "1";
    std::string plays = "8000";
    std::string runs = "1";
    bool clearStock = false;
    std::string out;
};

std::optional<std::uint32_t> parseSeed(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

/// The summary of a played run, as the window shows it, and a line feed.
void printRun(std::ostream& out, const PlayHistory& history) {
    if (isShowable(history)) out << summaryText(computeStatistics(history)) << '\n';
}

/// Why a save failed, as the window says it, with the file's name on the next line.
void printSaveFailure(std::ostream& err, WriteStatus status, const std::string& name) {
    err << (status == WriteStatus::CannotCreate ? texts::kCannotCreate : texts::kWriteFailed)
        << '\n'
        << name << '\n';
}

int play(const PlayOptions& options, CliContext& context) {
    const auto checked =
        checkStartInputs(options.plays, options.level, options.runs, physicalMemoryBytes());
    if (const auto* bad = std::get_if<InputError>(&checked)) {
        context.err << bad->message << '\n';
        return kExitBadInput;
    }
    const auto& in = std::get<StartInputs>(checked);

    // The window seeds its machine from the calendar time in seconds; so does a play
    // without --seed.
    TSlot slot(options.seed.empty() ? static_cast<std::uint32_t>(std::time(nullptr))
                                    : *parseSeed(options.seed));
    const RunRequest request{in.plays, in.level, options.clearStock};

    if (in.runs > 1 && !options.out.empty()) {
        const BatchResult result = RunBatch(slot, {request, in.runs, options.out});
        for (const std::string& f : result.files)
            context.out << f << '\n';
        if (!result.completed) {
            context.err << texts::kBatchFailed << '\n';
            return kExitFailure;
        }
        return kExitOk;
    }

    PlayedRun run;
    for (std::int32_t i = 1; i <= in.runs; ++i) {
        run = RunSimulation(slot, request, reclaimStorage(std::move(run.history)));
        if (in.runs > 1) context.out << (i > 1 ? "\n" : "") << "# run " << i << '\n';
        printRun(context.out, *run.history);
    }
    if (!options.out.empty()) {
        const WriteStatus status =
            writeSimFile(options.out, SimVariant::Saved, run.header, *run.history);
        if (status != WriteStatus::Ok) {
            printSaveFailure(context.err, status, options.out);
            return kExitFailure;
        }
    }
    return kExitOk;
}

} // namespace

void addPlayCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<PlayOptions>();
    CLI::App* cmd =
        app.add_subcommand("play", "play runs of the machine and print their summaries");
    cmd->add_option("--seed", options->seed,
                    "seed of the random source, 0..4294967295 (default: the calendar time in "
                    "seconds, as the window seeds it)")
        ->type_name("S")
        ->check(CLI::Validator(
            [](std::string& s) {
                return parseSeed(s) ? std::string()
                                    : "takes an integer from 0 to 4294967295, not '" + s + "'";
            },
            ""));
    cmd->add_option("--level", options->level,
                    "setting level \"1\"..\"6\", or \"?\" for a hidden level drawn at random "
                    "(default 1)")
        ->type_name("L");
    cmd->add_option("--plays", options->plays,
                    "Play数: normal games per run, 1 or more (default 8000)")
        ->type_name("N");
    cmd->add_option("--runs", options->runs,
                    "Sim回数: runs played in a row on one machine (default 1); the stock carries "
                    "over from run to run unless --clear-stock is given")
        ->type_name("M");
    cmd->add_flag("--clear-stock", options->clearStock,
                  "empty the machine's stock before every run");
    cmd->add_option("--out", options->out,
                    "with one run: save it to FILE (\".sim\", 12-byte header); with several runs: "
                    "write run i to FILE with L_P_i inserted in front of the first \".\" of the "
                    "file name (level, play count, run number), and print the names of the "
                    "files written")
        ->type_name("FILE")
        ->check(CLI::Validator(
            [](std::string& s) { return s.empty() ? std::string("needs a file name") : ""; }, ""));
    cmd->footer("One run prints its four-line summary as the window shows it. Several runs "
                "without --out print one block per run: \"# run i\", then that run's summary.");
    cmd->callback([options, &context] { context.exitCode = play(*options, context); });
}

} // namespace zenoku
