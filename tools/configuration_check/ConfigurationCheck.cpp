#include "tools/configuration_check/ConfigurationCheck.h"

#include "agent/StartUpConfiguration.h"
#include "control/ControlImpl.h"
#include "control/WalkMode.h"
#include "control/keyframe/KeyframeType.h"
#include "control/neural_network/NeuralMotionType.h"
#include "control/neural_network/NeuralPlayer.h"
#include "control/walking/OmnidirectionalWalkZMP.h"
#include "representations/MarlowindsConstants.h"

#include <exception>

namespace tools {
namespace configuration_check {

namespace {

void checkPages(const control::keyframe::manager::KeyframePageManager& pages, std::vector<std::string>& problems) {
    for (const std::string& name : pages.findMissingPages(control::keyframe::KeyframeType::getRequestedPages())) {
        problems.push_back("no keyframe page \"" + name + "\", which the agent requests");
    }
    for (const std::string& name : pages.getPageNames()) {
        if (!(pages.getPage(name)->getMovementTime() > 0.0)) {
            problems.push_back("keyframe page \"" + name + "\" has no movement time");
        }
    }
}

/// The sets that a walk request's mode selects; the blends and STOP keep the set in use.
void checkWalkSets(std::vector<std::string>& problems) {
    using namespace control::walking;
    for (int mode = 0; mode <= static_cast<int>(control::WalkMode::SPRINT_CONDUCT); ++mode) {
        OmnidirectionalWalkZMParamsType set{};
        if (control::selectsWalkParams(static_cast<control::WalkMode>(mode), set) &&
            !OmnidirectionalWalkZMP::isUsable(OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(set))) {
            problems.push_back(std::string("walk parameter set \"") +
                               OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES[static_cast<std::size_t>(set)] +
                               "\" cannot be walked with: the walk would refuse it");
        }
    }
}

void checkNeuralMotions(std::vector<std::string>& problems) {
    control::neural_network::NeuralPlayer player(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER);
    for (const std::string& name : control::neural_network::NeuralMotionType::getRequestedMotions()) {
        player.setNetwork(name, 1);
        if (!player.hasNetwork()) {
            problems.push_back("no usable graph \"" + name + "\", which the agent requests");
        }
    }
}

} // namespace

std::vector<std::string> ConfigurationCheck::run() {
    std::vector<std::string> problems;
    control::ControlImpl control(representations::RobotType::NAO_TYPE_0);
    try {
        agent::StartUpConfiguration::load(control);
    } catch (const std::exception& error) {
        problems.push_back(std::string("the agent cannot load the configuration: ") + error.what());
        return problems;
    }
    checkPages(control.getKeyframePlayer().getPageManager(), problems);
    checkWalkSets(problems);
    if (!control.getStateMachine().getWalk().isCalibrated()) {
        problems.push_back("the walk's odometry calibrator graph cannot be used");
    }
    checkNeuralMotions(problems);
    return problems;
}

} // namespace configuration_check
} // namespace tools
