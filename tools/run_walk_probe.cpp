// Drives the walk engine with one parameter set, the way the walk state does:
//   run_walk_probe <parameter file> <turn rad/s> <forward m/s> <left m/s> <cycles> [<stop cycle>]
// Prints each step's planned velocity and walk state, and every joint whose
// target left its range. Exit status 0 when every target stayed in range, 1
// when one left it, 2 for a bad command line or parameter file.
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"
#include "tools/walk_probe/WalkProbe.h"

#include <boost/property_tree/json_parser.hpp>

#include <exception>
#include <iostream>
#include <string>

namespace {

control::walking::OmnidirectionalWalkZMPParams readParams(const std::string& file) {
    boost::property_tree::ptree content;
    boost::property_tree::read_json(file, content);
    marlowinds_lib::utils::patterns::LeafParameter<boost::property_tree::ptree, std::string> leaf(content);
    control::walking::OmnidirectionalWalkZMPParams params;
    control::walking::OmnidirectionalWalkZMPParams::setWalkParameters(leaf, params);
    return params;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::cerr << "usage: " << argv[0]
                  << " <parameter file> <turn rad/s> <forward m/s> <left m/s> <cycles> [<stop cycle>]\n";
        return 2;
    }
    try {
        const marlowinds_lib::math::Pose2D velocity(std::stod(argv[2]), std::stod(argv[3]), std::stod(argv[4]));
        const int cycles = std::stoi(argv[5]);
        const int stopCycle = argc == 7 ? std::stoi(argv[6]) : -1;
        const tools::walk_probe::WalkProbe probe(readParams(argv[1]));
        const tools::walk_probe::ProbeRun run = probe.run(velocity, cycles, stopCycle);
        probe.print(run, std::cout);
        return run.violations.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "run_walk_probe: " << error.what() << std::endl;
        return 2;
    }
}
