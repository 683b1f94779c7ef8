// Checks the configuration that the agent reads, run where the agent runs (so
// that ../configuration/core is the tree to check):
//   check_configuration
// Lists every problem and ends with status 1 when there is one.
#include "tools/configuration_check/ConfigurationCheck.h"

#include <iostream>

int main() {
    const std::vector<std::string> problems = tools::configuration_check::ConfigurationCheck::run();
    for (const std::string& problem : problems) {
        std::cerr << problem << '\n';
    }
    if (!problems.empty()) {
        return 1;
    }
    std::cout << "the configuration is sound" << std::endl;
    return 0;
}
