#include "cli/Cli.h"

#include "cli/Command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

namespace zenoku {

namespace {

constexpr const char* kProgram = "zenoku-sim-cli";

constexpr const char* kFooter = R"(
Exit codes: 0 done, 1 a file could not be written or read, 2 bad options or input values.)";

/// The subcommand the parse reached last, or the application itself.
const CLI::App& deepestCommand(const CLI::App& app) {
    const CLI::App* at = &app;
    for (;;) {
        const auto parsed = at->get_subcommands();
        if (parsed.empty()) return *at;
        at = parsed.front();
    }
}

/// The option name a CLI11 message starts with ("--plays: 1 required TEXT missing").
std::string optionOf(const std::string& message) {
    const auto colon = message.find(':');
    return colon == std::string::npos ? message : message.substr(0, colon);
}

} // namespace

void CliContext::usageError(std::string_view command, std::string_view message) {
    err << kProgram << ": " << message << "\n(see " << kProgram;
    if (!command.empty()) err << ' ' << command;
    err << " --help)\n";
    exitCode = kExitBadInput;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliContext context{out, err};
    CLI::App app{"ゼノクsim on the command line: play runs of the machine and show their results.",
                 kProgram};
    app.require_subcommand(1);
    app.footer(kFooter);
    addPlayCommand(app, context);
    addShowCommand(app, context);

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        // The application's help shows every command with its options; a command's help,
        // reached through the application, names the program in its usage line.
        const bool top = &deepestCommand(app) == &app;
        out << app.help("", top ? CLI::AppFormatMode::All : CLI::AppFormatMode::Normal);
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        const CLI::App& command = deepestCommand(app);
        const std::string name = &command == &app ? "" : command.get_name();
        if (&command == &app) {
            // No command was recognised: say so and show what there is.
            if (!app.remaining().empty())
                err << kProgram << ": unknown command '" << app.remaining().front() << "'\n";
            err << app.help("", CLI::AppFormatMode::All);
            return kExitBadInput;
        }
        if (dynamic_cast<const CLI::ExtrasError*>(&e) && !command.remaining().empty())
            context.usageError(name, "unknown option '" + command.remaining().front() + "'");
        else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e))
            context.usageError(name, "option " + optionOf(e.what()) + " needs a value");
        else
            context.usageError(name, e.what());
        return kExitBadInput;
    }
    return context.exitCode;
}

} // namespace zenoku
