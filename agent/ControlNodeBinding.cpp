#include "agent/ControlNodeBinding.h"

#include "control/keyframe/KeyframeType.h"
#include "representations/MarlowindsConstants.h"
#include "utils/configure_tree/control/KickNodeCreator.h"
#include "utils/configure_tree/control/WalkNodeCreator.h"

#include <functional>
#include <iostream>
#include <stdexcept>

namespace agent {

namespace {

/// Runs a read of one leaf and puts where it came from in front of its error.
template <typename Read> void readNamingTheSource(const std::string& source, Read read) {
    try {
        read();
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument(source + ": " + error.what());
    } catch (const std::out_of_range& error) {
        throw std::out_of_range(source + ": " + error.what());
    } catch (const std::bad_function_call&) {
        // A branch where a parameter file belongs.
        throw std::invalid_argument(source + ": not a parameter file");
    }
}

} // namespace

void ControlNodeBinding::bind(Node& controlNode, control::ControlImpl& control) {
    if (!controlNode.hasChild()) {
        return;
    }
    for (auto& [name, stateMachine] : controlNode.getChildren()) {
        if (name != "stateMachine" || !stateMachine->hasChild()) {
            continue;
        }
        for (auto& [childName, child] : stateMachine->getChildren()) {
            if (childName == "walk") {
                bindWalk(*child, control);
            } else if (childName == "kick") {
                bindKick(*child, control);
            } else if (childName == "keyframe") {
                bindKeyframes(*child, control);
            }
        }
    }
}

void ControlNodeBinding::bindWalk(Node& walk, control::ControlImpl& control) {
    if (!walk.hasChild()) {
        return;
    }
    using control::walking::OmnidirectionalWalkZMPParams;
    for (auto& [name, leaf] : walk.getChildren()) {
        OmnidirectionalWalkZMPParams* target = nullptr;
        std::string source;
        control::walking::OmnidirectionalWalkZMParamsType type{};
        if (name == "current") {
            target = &control.getCurrentWalkParams();
            source = "walk parameter set \"current\"";
        } else if (control::walking::omnidirectionalWalkZMParamsTypeFromName(name, type)) {
            target = &OmnidirectionalWalkZMPParams::getParamsSet(type);
            source = utils::configure_tree::ParameterFileReader::parameterSetFile(
                utils::configure_tree::control::WalkNodeCreator::FOLDER, name);
        } else {
            continue;
        }
        readNamingTheSource(source, [&] { OmnidirectionalWalkZMPParams::setWalkParameters(*leaf, *target); });
    }
}

void ControlNodeBinding::bindKick(Node& kick, control::ControlImpl& control) {
    readNamingTheSource(utils::configure_tree::control::KickNodeCreator::FILE,
                        [&] { control::kick::KickZMPParams::setKickParameters(kick, control.getKickParams()); });
}

void ControlNodeBinding::bindKeyframes(Node& keyframe, control::ControlImpl& control) {
    auto& pages = control.getKeyframePlayer().getPageManager();
    pages.setParameter(keyframe);
    // Reported now rather than when a match requests the page, which is then refused.
    for (const std::string& name : pages.findMissingPages(control::keyframe::KeyframeType::getRequestedPages())) {
        std::cerr << "(ControlNodeBinding) no keyframe page \"" << name << "\" under "
                  << representations::MarlowindsConstants::KEYFRAME_FOLDER << ": its requests will be refused"
                  << std::endl;
    }
}

} // namespace agent
