#include "tools/graph_generator/FootTargetKick.h"

#include "control/ParameterFieldReader.h"
#include "control/walking/InverseKinematics.h"
#include "control/walking/OmnidirectionalWalkZMP.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "utils/configure_tree/ParameterFileReader.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace tools {
namespace graph_generator {

namespace {

using Tree = boost::property_tree::ptree;
using control::walking::OmnidirectionalWalkZMP;
using representations::NaoJoints;

/// Refuses a value where an object belongs and a member the object cannot have.
void expectObject(const Tree& object, std::initializer_list<const char*> keys, const std::string& what) {
    if (!object.data().empty()) {
        throw std::invalid_argument(what + " must be an object");
    }
    for (const auto& member : object) {
        if (std::none_of(keys.begin(), keys.end(), [&member](const char* key) { return member.first == key; })) {
            throw std::invalid_argument(what + " has no member \"" + member.first + "\"");
        }
    }
}

/// The member's number; `absent` stands for a member left out, which without it is an error.
double number(const Tree& object, const char* key, std::optional<double> absent) {
    const auto member = object.get_child_optional(key);
    if (!member) {
        if (!absent) {
            throw std::invalid_argument(std::string("\"") + key + "\" is missing");
        }
        return *absent;
    }
    return control::ParameterFieldReader::toNumber(key, member->data());
}

FootTargetKick::Step readStep(const Tree& node) {
    expectObject(node, {"duration", "roll", "rightFoot"}, "a step");
    FootTargetKick::Step step;
    step.duration = number(node, "duration", std::nullopt);
    if (!(step.duration >= PostureTrajectory::MIN_STEP_DURATION)) {
        throw std::invalid_argument("it takes less than " + std::to_string(PostureTrajectory::MIN_STEP_DURATION) +
                                    " s: a network's postures cannot jump");
    }
    step.roll = number(node, "roll", 0.0);
    if (const auto foot = node.get_child_optional("rightFoot")) {
        expectObject(*foot, {"x", "y", "z", "pitch"}, "\"rightFoot\"");
        step.rightFoot = FootTargetKick::FootTarget{number(*foot, "x", std::nullopt), number(*foot, "y", std::nullopt),
                                                    number(*foot, "z", std::nullopt), number(*foot, "pitch", 0.0)};
    }
    return step;
}

FootTargetKick readKick(const Tree& content) {
    expectObject(content, {"steps"}, "a kick");
    const auto steps = content.get_child_optional("steps");
    if (!steps || !steps->data().empty() || steps->empty()) {
        throw std::invalid_argument("a kick needs a list of \"steps\"");
    }
    FootTargetKick kick;
    for (const auto& [key, step] : *steps) {
        if (!key.empty()) {
            throw std::invalid_argument("\"steps\" must be a list, not an object");
        }
        try {
            kick.steps.push_back(readStep(step));
        } catch (const std::logic_error& error) {
            throw std::invalid_argument("step " + std::to_string(kick.steps.size() + 1) + ": " + error.what());
        }
    }
    const FootTargetKick::Step& last = kick.steps.back();
    if (last.roll != 0.0 || last.rightFoot) {
        throw std::invalid_argument("the last step must stand as the walk stands, without \"roll\" or \"rightFoot\"");
    }
    return kick;
}

/// The whole body in the step's posture, the left foot flat below the torso origin's side.
NaoJoints posture(const FootTargetKick::Step& step, const control::walking::OmnidirectionalWalkZMPParams& walk,
                  const control::walking::InverseKinematics& legs,
                  const control::walking::RobotPhysicalParameters& dimensions) {
    // Leaning the legs by the roll about the ankles moves the hips sideways
    // by the hips' height above the ankles times its tangent.
    const double hipAboveAnkle = walk.zCom + dimensions.hipOffsetZ + dimensions.footOffsetZ;
    const double leftY = walk.ySeparation - hipAboveAnkle * std::tan(step.roll);
    const FootTargetKick::FootTarget right =
        step.rightFoot.value_or(FootTargetKick::FootTarget{0.0, -2.0 * walk.ySeparation, 0.0, 0.0});

    NaoJoints joints;
    legs.computeJointsTargets(0.0, leftY, walk.zCom, 0.0, right.x, leftY + right.y, walk.zCom - right.z, 0.0, joints);
    // The pitches of hip, knee and foot sum to the sole's pitch from the torso's.
    joints.setValue(NaoJoints::RIGHT_FOOT_PITCH, joints.getValue(NaoJoints::RIGHT_FOOT_PITCH) + right.pitch);

    // The arms hang as the walk holds them with the feet side by side.
    const double hanging = marlowinds_lib::math::MathUtils::PI / 2.0;
    joints.setValue(NaoJoints::LEFT_SHOULDER_PITCH, hanging);
    joints.setValue(NaoJoints::RIGHT_SHOULDER_PITCH, hanging);
    joints.setValue(NaoJoints::LEFT_SHOULDER_YAW, OmnidirectionalWalkZMP::DEFAULT_LEFT_SHOULDER_YAW_OFFSET);
    joints.setValue(NaoJoints::RIGHT_SHOULDER_YAW, -OmnidirectionalWalkZMP::DEFAULT_LEFT_SHOULDER_YAW_OFFSET);
    joints.setValue(NaoJoints::LEFT_ARM_ROLL, OmnidirectionalWalkZMP::DEFAULT_LEFT_ARM_ROLL_OFFSET);
    joints.setValue(NaoJoints::RIGHT_ARM_ROLL, -OmnidirectionalWalkZMP::DEFAULT_LEFT_ARM_ROLL_OFFSET);
    return joints;
}

} // namespace

FootTargetKick FootTargetKick::read(const std::string& file) {
    const auto leaf = utils::configure_tree::ParameterFileReader::readLeaf<Tree, std::string>(file);
    try {
        return readKick(leaf->getContent());
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument(file + ": " + error.what());
    }
}

PostureTrajectory FootTargetKick::toTrajectory(const control::walking::OmnidirectionalWalkZMPParams& walk,
                                               const control::walking::RobotPhysicalParameters& dimensions) const {
    const control::walking::InverseKinematics legs(dimensions);
    PostureTrajectory trajectory;
    trajectory.times.push_back(0.0);
    trajectory.postures.push_back(posture(Step{}, walk, legs, dimensions));
    for (const Step& step : steps) {
        trajectory.times.push_back(trajectory.times.back() + step.duration);
        trajectory.postures.push_back(posture(step, walk, legs, dimensions));
    }
    return trajectory;
}

} // namespace graph_generator
} // namespace tools
