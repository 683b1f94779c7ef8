#include "action/ActionImpl.h"

#include "control/Control.h"
#include "decision_making/DecisionMaking.h"

#include <cmath>

namespace action {

namespace {

// Room for a say, a beam, a pass and 22 joint commands with long numbers.
constexpr std::size_t MESSAGE_CAPACITY = 1024;

bool isFinite(const marlowinds_lib::math::Pose2D& pose) {
    return std::isfinite(pose.rotation) && std::isfinite(pose.translation.x) && std::isfinite(pose.translation.y);
}

} // namespace

ActionImpl::ActionImpl() { serverMessage.reserve(MESSAGE_CAPACITY); }

void ActionImpl::create(int robotType) {
    effectorFactory.clear();
    effectorFactory.addCreateEffector(NAO_SCENE_STRING, robotType);
    effectorFactory.writeTo(serverMessage);
}

void ActionImpl::init(int agentNumber, const std::string& teamName) {
    effectorFactory.clear();
    effectorFactory.addInitEffector(agentNumber, teamName);
    effectorFactory.writeTo(serverMessage);
}

void ActionImpl::act(decision_making::DecisionMaking& decisionMaking, control::Control& control) {
    effectorFactory.clear();
    if (const auto say = decisionMaking.getSayMessage()) {
        effectorFactory.addSayEffector(*say);
    }
    if (const auto beam = decisionMaking.getBeamRequest(); beam && isFinite(*beam)) {
        effectorFactory.addBeamEffector(*beam);
    }
    if (decisionMaking.getPassRequest()) {
        effectorFactory.addPassEffector();
    }
    jointSpeeds = control.getJointsCommands();
    for (int number = 0; number < representations::NaoJoints::NUMBER_OF_JOINTS; ++number) {
        const auto joint = static_cast<representations::NaoJoints::HINGE_JOINTS>(number);
        if (!std::isfinite(jointSpeeds.getValue(joint))) {
            jointSpeeds.setValue(joint, 0.0);
        }
    }
    effectorFactory.addJointsEffectors(jointSpeeds);
    effectorFactory.writeTo(serverMessage);
}

} // namespace action
