#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace zenoku {

/// What every subcommand of the command line writes to and reports back.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;

    /// "zenoku-sim-cli: <message>" and a pointer to the command's help, on `err`.
    void usageError(std::string_view command, std::string_view message);
};

/// Each subcommand registers itself on the application: its options, their checks and the
/// callback that runs it and sets `CliContext::exitCode`. One file per command.
void addPlayCommand(CLI::App& app, CliContext& context);
void addShowCommand(CLI::App& app, CliContext& context);

} // namespace zenoku
