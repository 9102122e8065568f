#pragma once

#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace zenoku::test {

/// What one in-process run of the command line printed and returned.
struct CliResult {
    int code;
    std::string out;
    std::string err;
};

inline CliResult cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace zenoku::test
