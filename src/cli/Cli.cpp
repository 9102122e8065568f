#include "cli/Cli.h"

#include "machine/Slot.h"
#include "sim/Batch.h"
#include "sim/PlayHistory.h"
#include "sim/Run.h"
#include "sim/StartInputs.h"
#include "simfile/SimFile.h"

#include <ctime>
#include <optional>
#include <ostream>
#include <variant>

namespace zenoku {

namespace {

constexpr const char* kUsage = R"(Usage:
  zenoku-sim-cli play [options]     play runs of the machine
  zenoku-sim-cli --help             show this text

play options:
  --seed S        seed of the random source, 0..4294967295
                  (default: the calendar time in seconds, as the window seeds it)
  --level L       setting level "1".."6", or "?" for a hidden level drawn at random
                  (default 1)
  --plays N       Play数: normal games per run, 1 or more (default 8000)
  --runs M        Sim回数: runs played in a row on one machine (default 1); the stock
                  carries over from run to run unless --clear-stock is given
  --clear-stock   empty the machine's stock before every run
  --out FILE      with one run: save it to FILE (".sim", 12-byte header);
                  with several runs: write run i to FILE with L_P_i inserted in front of
                  the first "." of the file name (level, play count, run number), and
                  print the names of the files written

Exit codes: 0 done, 1 a file could not be written, 2 bad options or input values.
)";

struct PlayOptions {
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    std::string level = "1";
    std::string plays = "8000";
    std::string runs = "1";
    bool clearStock = false;
    std::optional<std::string> out;
};

std::optional<std::uint32_t> parseSeed(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

/// Reads the options of `play`; a message in `error` when they are wrong.
std::optional<PlayOptions> parsePlayOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    PlayOptions o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        auto take = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < args.size())
                return args[++i];
            error = "option " + name + " needs a value";
            return std::nullopt;
        };
        if (name == "--clear-stock" && !value) {
            o.clearStock = true;
        } else if (name == "--seed") {
            const auto v = take();
            if (!v)
                return std::nullopt;
            const auto seed = parseSeed(*v);
            if (!seed) {
                error = "--seed takes an integer from 0 to 4294967295, not '" + *v + "'";
                return std::nullopt;
            }
            o.seed = *seed;
        } else if (name == "--level" || name == "--plays" || name == "--runs" ||
                   name == "--out") {
            const auto v = take();
            if (!v)
                return std::nullopt;
            if (name == "--level")
                o.level = *v;
            else if (name == "--plays")
                o.plays = *v;
            else if (name == "--runs")
                o.runs = *v;
            else
                o.out = *v;
        } else {
            error = "unknown option '" + args[i] + "'";
            return std::nullopt;
        }
    }
    if (o.out && o.out->empty()) {
        error = "--out needs a file name";
        return std::nullopt;
    }
    return o;
}

void printRun(std::ostream& out, const PlayHistory& history) {
    std::int32_t big = 0;
    std::int32_t reg = 0;
    for (const PlayRecord& r : history) {
        big += r.isRelease() && r.Outcome == OutcomeCode::BigRelease;
        reg += r.isRelease() && r.Outcome == OutcomeCode::RegRelease;
    }
    const PlayRecord& last = history.back();
    out << "BIG回数:" << big << "\u3000REG回数:" << reg << "\nPlay数:" << last.TotalPlays
        << "  記録数:" << history.size() << "  メダル:" << last.Medals << '\n';
}

int play(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = parsePlayOptions(args, error);
    if (!options) {
        err << "zenoku-sim-cli: " << error << "\n(see zenoku-sim-cli --help)\n";
        return kExitBadInput;
    }
    const auto checked =
        checkStartInputs(options->plays, options->level, options->runs, physicalMemoryBytes());
    if (const auto* bad = std::get_if<InputError>(&checked)) {
        err << bad->message << '\n';
        return kExitBadInput;
    }
    const auto& in = std::get<StartInputs>(checked);

    TSlot slot(options->seed);
    PlayHistory history;
    const RunRequest request{in.plays, in.level, options->clearStock};

    if (in.runs > 1 && options->out) {
        const BatchResult result = RunBatch(slot, history, {request, in.runs, *options->out});
        for (const std::string& f : result.files)
            out << f << '\n';
        if (!result.completed) {
            err << kBatchFailedText << '\n';
            return kExitFailure;
        }
        return kExitOk;
    }

    for (std::int32_t i = 1; i <= in.runs; ++i) {
        RunSimulation(slot, request, history);
        if (in.runs > 1)
            out << (i > 1 ? "\n" : "") << "# run " << i << '\n';
        printRun(out, history);
    }
    if (options->out) {
        const SimHeader header{slot.GetFlevel(), slot.TotalPlays};
        if (writeSimFile(*options->out, SimVariant::Saved, header, history) != WriteStatus::Ok) {
            err << kBatchFailedText << '\n';
            return kExitFailure;
        }
    }
    return kExitOk;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kExitBadInput;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (args[0] == "play") {
        for (const auto& a : args)
            if (a == "--help" || a == "-h") {
                out << kUsage;
                return kExitOk;
            }
        return play(args, out, err);
    }
    err << "zenoku-sim-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return kExitBadInput;
}

} // namespace zenoku
