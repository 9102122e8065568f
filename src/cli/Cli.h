#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zenoku {

/// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  ///< a file could not be written or read
inline constexpr int kExitBadInput = 2; ///< bad options or input values

/// The command line without its program name; writes to `out` and `err` and returns the exit
/// code. `main` is a thin wrapper, so tests run it in-process.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace zenoku
