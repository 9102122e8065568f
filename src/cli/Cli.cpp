#include "cli/Cli.h"

#include "machine/Slot.h"
#include "results/ResultLists.h"
#include "results/RunStatistics.h"
#include "results/ShowResults.h"
#include "sim/Batch.h"
#include "sim/PlayHistory.h"
#include "sim/Run.h"
#include "sim/StartInputs.h"
#include "simfile/SimFile.h"

#include <ctime>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <utility>
#include <variant>

namespace zenoku {

namespace {

constexpr const char* kUsage = R"(Usage:
  zenoku-sim-cli play [options]     play runs of the machine and print their summaries
  zenoku-sim-cli show FILE.sim [--list LIST [--csv]]
                                    print the results of a saved or batch ".sim" file
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

  One run prints its four-line summary as the window shows it. Several runs without
  --out print one block per run: "# run i", then that run's summary.

show options:
  --list LIST     print a result list instead of the summary: games (PLAY情報),
                  bonuses (ボーナス情報), roles (小役出現率) or triggers (RT解除情報).
                  Tab-separated: the column captions, then one line per row with the
                  cells as the window shows them (a bonus whose medals are not known
                  yet has four cells)
  --csv           with --list: CSV instead (RFC 4180: comma-separated, fields quoted
                  where needed, CRLF line ends, UTF-8 without a byte-order mark)

Exit codes: 0 done, 1 a file could not be written or read, 2 bad options or input values.
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
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

/// An argument as an option name and, for "--name=value", its value.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& arg) {
    const auto eq = arg.find('=');
    if (arg.rfind("--", 0) != 0 || eq == std::string::npos) return {arg, std::nullopt};
    return {arg.substr(0, eq), arg.substr(eq + 1)};
}

/// Reads the options of `play`; a message in `error` when they are wrong.
std::optional<PlayOptions> parsePlayOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    PlayOptions o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        // Plain variables, not structured bindings: the lambdas below capture them.
        auto parts = splitOption(args[i]);
        const std::string name = std::move(parts.first);
        std::optional<std::string> value = std::move(parts.second);
        auto take = [&]() -> std::optional<std::string> {
            if (value) return value;
            if (i + 1 < args.size()) return args[++i];
            error = "option " + name + " needs a value";
            return std::nullopt;
        };
        if (name == "--clear-stock" && !value) {
            o.clearStock = true;
        } else if (name == "--seed") {
            const auto v = take();
            if (!v) return std::nullopt;
            const auto seed = parseSeed(*v);
            if (!seed) {
                error = "--seed takes an integer from 0 to 4294967295, not '" + *v + "'";
                return std::nullopt;
            }
            o.seed = *seed;
        } else if (name == "--level" || name == "--plays" || name == "--runs" || name == "--out") {
            const auto v = take();
            if (!v) return std::nullopt;
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

/// The summary of a played run, as the window shows it, and a line feed.
void printRun(std::ostream& out, const PlayHistory& history) {
    if (isShowable(history)) out << summaryText(computeStatistics(history)) << '\n';
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
        if (in.runs > 1) out << (i > 1 ? "\n" : "") << "# run " << i << '\n';
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

/// The lists `show --list` prints.
enum class ListKind { Games, Bonuses, Roles, Triggers };

struct ShowOptions {
    std::string file;
    std::optional<ListKind> list;
    bool csv = false;
};

std::optional<ShowOptions> parseShowOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    ShowOptions o;
    bool haveFile = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        // Plain variables, not structured bindings: the lambdas below capture them.
        auto parts = splitOption(args[i]);
        const std::string name = std::move(parts.first);
        std::optional<std::string> value = std::move(parts.second);
        if (name == "--csv" && !value) {
            o.csv = true;
        } else if (name == "--list") {
            if (!value && i + 1 < args.size()) value = args[++i];
            if (!value) {
                error = "option --list needs a value";
                return std::nullopt;
            }
            if (*value == "games")
                o.list = ListKind::Games;
            else if (*value == "bonuses")
                o.list = ListKind::Bonuses;
            else if (*value == "roles")
                o.list = ListKind::Roles;
            else if (*value == "triggers")
                o.list = ListKind::Triggers;
            else {
                error = "--list takes games, bonuses, roles or triggers, not '" + *value + "'";
                return std::nullopt;
            }
        } else if (name.rfind("--", 0) == 0 || haveFile) {
            error = "unknown option '" + args[i] + "'";
            return std::nullopt;
        } else {
            o.file = args[i];
            haveFile = true;
        }
    }
    if (!haveFile || o.file.empty()) {
        error = "show needs a .sim file";
        return std::nullopt;
    }
    if (o.csv && !o.list) {
        error = "--csv goes with --list";
        return std::nullopt;
    }
    return o;
}

/// Writes rows of cells as tab-separated lines, or as RFC 4180 CSV records.
class TableWriter {
public:
    TableWriter(std::ostream& out, bool csv) : m_out(out), m_csv(csv) {}

    template <class Cells> void row(const Cells& cells) {
        m_line.clear();
        bool first = true;
        for (const auto& cell : cells) {
            if (!first) m_line.push_back(m_csv ? ',' : '\t');
            first = false;
            appendCell(std::string_view(cell));
        }
        m_line += m_csv ? "\r\n" : "\n";
        m_out << m_line;
    }

private:
    void appendCell(std::string_view cell) {
        // A field with a separator, a quote or a line break is quoted, its quotes doubled.
        if (!m_csv || cell.find_first_of(",\"\r\n") == std::string_view::npos) {
            m_line += cell;
            return;
        }
        m_line.push_back('"');
        for (char ch : cell) {
            if (ch == '"') m_line.push_back('"');
            m_line.push_back(ch);
        }
        m_line.push_back('"');
    }

    std::ostream& m_out;
    bool m_csv;
    std::string m_line;
};

template <std::size_t N>
void printRows(TableWriter& table, const std::array<std::string_view, N>& captions,
               const std::vector<TextRow>& rows) {
    table.row(captions);
    for (const TextRow& r : rows)
        table.row(r);
}

void printList(std::ostream& out, const Results& results, ListKind kind, bool csv) {
    TableWriter table(out, csv);
    switch (kind) {
    case ListKind::Games:
        table.row(kGameListCaptions);
        for (std::size_t k = 0; k < results.gameList.rowCount(); ++k)
            table.row(results.gameList.row(k));
        break;
    case ListKind::Bonuses:
        printRows(table, kBonusListCaptions, results.bonusRows);
        break;
    case ListKind::Roles:
        printRows(table, kRoleListCaptions, results.roleRows);
        break;
    case ListKind::Triggers:
        printRows(table, kTriggerListCaptions, results.triggerRows);
        break;
    }
}

int show(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = parseShowOptions(args, error);
    if (!options) {
        err << "zenoku-sim-cli: " << error << "\n(see zenoku-sim-cli --help)\n";
        return kExitBadInput;
    }
    SimFileContents contents;
    switch (readSimFile(options->file, contents)) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::CannotOpen:
        err << "zenoku-sim-cli: cannot open '" << options->file << "'\n";
        return kExitFailure;
    case ReadStatus::NotSimFile:
        err << "このファイルは、ゼノクsimファイルではありません。\n";
        return kExitFailure;
    case ReadStatus::NoRecords:
        err << "zenoku-sim-cli: '" << options->file << "' holds no game to show\n";
        return kExitFailure;
    }
    const auto results =
        ShowResults(std::make_shared<const PlayHistory>(std::move(contents.history)));
    if (!results) {
        err << "zenoku-sim-cli: '" << options->file << "' holds no game to show\n";
        return kExitFailure;
    }
    if (options->list)
        printList(out, *results, *options->list, options->csv);
    else
        out << results->summary << '\n';
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
    if (args[0] == "play" || args[0] == "show") {
        for (const auto& a : args)
            if (a == "--help" || a == "-h") {
                out << kUsage;
                return kExitOk;
            }
        return args[0] == "play" ? play(args, out, err) : show(args, out, err);
    }
    err << "zenoku-sim-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return kExitBadInput;
}

} // namespace zenoku
