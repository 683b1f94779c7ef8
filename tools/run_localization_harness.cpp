// Runs the localisation accuracy harness by hand:
//   run_localization_harness
// Plays every standard scenario on both sides of the field through the agent's
// own localizer and prints one row of accuracy figures per scenario.
#include "tools/localization_harness/HarnessRunner.h"
#include "tools/localization_harness/ScenarioCatalogue.h"

#include <exception>
#include <iostream>

using namespace tools::localization_harness;

int main(int argc, char** argv) {
    if (argc > 1) {
        std::cerr << "usage: " << argv[0] << "\n";
        return 2;
    }
    try {
        std::cout << ScenarioResult::tableHeader() << std::endl;
        for (const Scenario& scenario : ScenarioCatalogue::standardScenarios()) {
            std::cout << HarnessRunner::run(scenario).tableRow() << std::endl;
        }
    } catch (const std::exception& error) {
        std::cerr << "run_localization_harness: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
