// Fits the walk's odometry calibrator to the odometry steps of field trials
// (run_field_trial's JSON files) and writes the map as the calibrator's source
// file, from which the build generates its graph. See --help.
#include "tools/odometry_fit/OdometryFit.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <boost/program_options.hpp>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace options = boost::program_options;
using tools::graph_generator::OdometryCalibration;
using tools::odometry_fit::OdometryFit;

void printErrors(const char* what, const OdometryFit& fit, const OdometryCalibration& calibration) {
    std::printf("%-14s", what);
    for (int body = -1; body <= 4; ++body) {
        const auto errors = fit.rmsErrors(calibration, body);
        std::printf(" | %.4f / %.4f / %.2f", errors[0], errors[1],
                    marlowinds_lib::math::MathUtils::radiansToDegrees(errors[2]));
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    options::options_description described("Options");
    described.add_options()("help", "this text")(
        "output",
        options::value<std::string>()->default_value("../configuration/neural_motions/odometry_calibrator.json"),
        "the calibrator's source file to write")("figures", options::value<std::vector<std::string>>(),
                                                 "run_field_trial's JSON files (the arguments)");
    options::positional_options_description positional;
    positional.add("figures", -1);
    options::variables_map given;
    try {
        options::store(options::command_line_parser(argc, argv).options(described).positional(positional).run(), given);
        options::notify(given);
        if (!given.count("help") && !given.count("figures")) {
            throw options::error("give at least one file of field-trial figures");
        }
    } catch (const options::error& error) {
        std::cerr << "fit_odometry_calibrator: " << error.what() << " (--help lists the options)" << std::endl;
        return 2;
    }
    if (given.count("help")) {
        std::cout << "fit_odometry_calibrator [--output FILE] <field_trial.json>...: the least-squares scales of\n"
                     "x, y and rotation from the walk's odometry over a step to the torso's true motion over it,\n"
                     "over the walk steps of the trials in the files but those that failed or in which the\n"
                     "player fell, written as the odometry calibrator's source file.\n\n"
                  << described;
        return EXIT_SUCCESS;
    }
    try {
        OdometryFit fit;
        for (const std::string& file : given["figures"].as<std::vector<std::string>>()) {
            for (const auto& trial : tools::field_trial::TrialFigures::readFile(file)) {
                if (!trial.odometrySteps.empty() && !fit.addTrial(trial)) {
                    std::cout << "left out: " << trial.trial << ", body " << trial.body << " ("
                              << (trial.failure.empty() ? "fell" : "failed") << ")\n";
                }
            }
        }
        const OdometryCalibration calibration = fit.solve();
        std::cout << fit.getSteps() << " steps; the calibration:\n"
                  << calibration.toJson()
                  << "rms error per step, x m / y m / rotation deg, over all steps | body type 0 | ... | 4:\n";
        printErrors("unchanged", fit, OdometryCalibration());
        printErrors("calibrated", fit, calibration);
        calibration.write(given["output"].as<std::string>());
    } catch (const std::exception& error) {
        std::cerr << "fit_odometry_calibrator: " << error.what() << std::endl;
        return 1;
    }
    return EXIT_SUCCESS;
}
