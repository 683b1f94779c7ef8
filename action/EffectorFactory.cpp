#include "action/EffectorFactory.h"

#include "action/BeamEffector.h"
#include "action/CreateEffector.h"
#include "action/InitEffector.h"
#include "action/PassEffector.h"
#include "action/SayEffector.h"

#include <utility>

namespace action {

namespace {

// A say, a beam, a pass and two joint sets fit without growing the list.
constexpr std::size_t TYPICAL_MESSAGE_LENGTH = 3 + 2 * representations::NaoJoints::NUMBER_OF_JOINTS;

} // namespace

EffectorFactory::EffectorFactory()
    : jointsNames{"he1",  "he2",  "lae1", "lae2", "lae3", "lae4", "rae1", "rae2", "rae3", "rae4", "lle1",
                  "lle2", "lle3", "lle4", "lle5", "lle6", "rle1", "rle2", "rle3", "rle4", "rle5", "rle6"} {
    effectors.reserve(TYPICAL_MESSAGE_LENGTH);
}

void EffectorFactory::clear() {
    effectors.clear();
    otherEffectors.clear();
    jointEffectorsInUse = 0;
}

void EffectorFactory::append(std::unique_ptr<Effector> effector) {
    effectors.push_back(effector.get());
    otherEffectors.push_back(std::move(effector));
}

void EffectorFactory::addCreateEffector(const std::string& scene, int robotType) {
    append(std::make_unique<CreateEffector>(scene, robotType));
}

void EffectorFactory::addInitEffector(int agentNumber, const std::string& teamName) {
    append(std::make_unique<InitEffector>(agentNumber, teamName));
}

void EffectorFactory::addBeamEffector(const marlowinds_lib::math::Pose2D& pose) {
    append(std::make_unique<BeamEffector>(pose));
}

void EffectorFactory::addSayEffector(const std::string& message) { append(std::make_unique<SayEffector>(message)); }

void EffectorFactory::addPassEffector() { append(std::make_unique<PassEffector>()); }

void EffectorFactory::addJointsEffectors(const representations::NaoJoints& joints) {
    for (int number = 0; number < representations::NaoJoints::NUMBER_OF_JOINTS; ++number) {
        const auto joint = static_cast<representations::NaoJoints::HINGE_JOINTS>(number);
        HingeJointEffector effector(jointsNames[static_cast<std::size_t>(number)], joints.getValue(joint));
        if (jointEffectorsInUse == jointEffectors.size()) {
            jointEffectors.push_back(std::move(effector));
        } else {
            jointEffectors[jointEffectorsInUse] = std::move(effector);
        }
        effectors.push_back(&jointEffectors[jointEffectorsInUse]);
        ++jointEffectorsInUse;
    }
}

void EffectorFactory::writeTo(std::string& text) const {
    text.clear();
    for (const Effector* effector : effectors) {
        effector->appendTo(text);
    }
    synchronize.appendTo(text);
}

std::string EffectorFactory::toString() const {
    std::string text;
    writeTo(text);
    return text;
}

} // namespace action
