#include "cli/Cli.h"
#include "cli/Command.h"
#include "results/Results.h"
#include "results/TableWriter.h"
#include "simfile/SimFile.h"
#include "texts/Messages.h"

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

namespace zenoku {

namespace {

/// The lists `show --list` prints.
enum class ListKind { Games, Bonuses, Roles, Triggers };

struct ShowOptions {
    std::string file;
    std::optional<ListKind> list;
    bool csv = false;
};

template <std::size_t N>
void printRows(TableWriter& table, const std::array<std::string_view, N>& captions,
               const std::vector<TextRow>& rows) {
    table.row(captions);
    for (const TextRow& r : rows)
        table.row(r);
}

void printList(std::ostream& out, const Results& results, ListKind kind, bool csv) {
    TableWriter table(out, csv ? TableWriter::Format::Csv : TableWriter::Format::Tsv);
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

int show(const ShowOptions& options, CliContext& context) {
    std::ostream& err = context.err;
    const std::string& file = options.file;
    SimFileContents contents;
    switch (readSimFile(file, contents)) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::CannotOpen:
        err << "zenoku-sim-cli: cannot open '" << file << "'\n";
        return kExitFailure;
    case ReadStatus::ReadFailed:
        err << "zenoku-sim-cli: cannot read '" << file << "'\n";
        return kExitFailure;
    case ReadStatus::OutOfMemory:
        err << texts::kOutOfMemory << '\n';
        return kExitFailure;
    case ReadStatus::NotSimFile:
        err << texts::kNotSimFile << '\n';
        return kExitFailure;
    case ReadStatus::NoRecords:
        err << "zenoku-sim-cli: '" << file << "' holds no game to show\n";
        return kExitFailure;
    }
    // The reader hands over showable histories only.
    const auto results = buildResults(shareHistory(std::move(contents.history)));
    if (options.list)
        printList(context.out, *results, *options.list, options.csv);
    else
        context.out << results->summary << '\n';
    return kExitOk;
}

} // namespace

void addShowCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* cmd = app.add_subcommand(
        "show", "show FILE.sim [--list LIST [--csv]]: print the results of a saved or batch "
                "\".sim\" file (saved in the window, or written by play --plays N --out FILE)");
    cmd->add_option("FILE.sim", options->file, "the file to show")->type_name("");
    const std::map<std::string, ListKind> lists{{"games", ListKind::Games},
                                                {"bonuses", ListKind::Bonuses},
                                                {"roles", ListKind::Roles},
                                                {"triggers", ListKind::Triggers}};
    cmd->add_option_function<std::string>(
           "--list", [options, lists](const std::string& name) { options->list = lists.at(name); },
           "print a result list instead of the summary: games (PLAY情報), bonuses "
           "(ボーナス情報), roles (小役出現率) or triggers (RT解除情報). Tab-separated: the "
           "column captions, then one line per row with the cells as the window shows them (a "
           "bonus whose medals are not known yet has four cells)")
        ->type_name("LIST")
        ->check(CLI::Validator(
            [lists](std::string& s) {
                return lists.count(s) ? std::string()
                                      : "takes games, bonuses, roles or triggers, not '" + s + "'";
            },
            ""));
    cmd->add_flag("--csv", options->csv,
                  "with --list: CSV instead (RFC 4180: comma-separated, fields quoted where "
                  "needed, CRLF line ends, UTF-8 without a byte-order mark)");
    cmd->callback([options, &context] {
        if (options->file.empty())
            context.usageError("show", "show needs a .sim file");
        else if (options->csv && !options->list)
            context.usageError("show", "--csv goes with --list");
        else
            context.exitCode = show(*options, context);
    });
}

} // namespace zenoku
