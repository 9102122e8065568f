#include "cli/Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return zenoku::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
