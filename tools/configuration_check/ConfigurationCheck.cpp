#include "tools/configuration_check/ConfigurationCheck.h"

#include "agent/StartUpConfiguration.h"
#include "control/ControlImpl.h"
#include "control/keyframe/KeyframeType.h"

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
    return problems;
}

} // namespace configuration_check
} // namespace tools
