#include "tools/walk_probe/WalkProbe.h"

#include "control/walking/RobotPhysicalParameters.h"
#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <set>

namespace tools {
namespace walk_probe {

using control::walking::OmnidirectionalWalkZMP;
using marlowinds_lib::math::MathUtils;
using representations::NaoJoints;

namespace {

const char* stateName(OmnidirectionalWalkZMP::WalkState state) {
    switch (state) {
    case OmnidirectionalWalkZMP::WalkState::WALKING:
        return "walking";
    case OmnidirectionalWalkZMP::WalkState::STOP_REQUESTED:
        return "stop-requested";
    case OmnidirectionalWalkZMP::WalkState::FIRST_CLOSING_STEP:
        return "first-closing-step";
    case OmnidirectionalWalkZMP::WalkState::SECOND_CLOSING_STEP:
        return "second-closing-step";
    case OmnidirectionalWalkZMP::WalkState::STOPPED:
        break;
    }
    return "stopped";
}

} // namespace

WalkProbe::WalkProbe(const control::walking::OmnidirectionalWalkZMPParams& params) : params(params) {}

ProbeRun WalkProbe::run(const marlowinds_lib::math::Pose2D& velocity, int cycles, int stopCycle,
                        const Observer& observer) const {
    const auto dimensions = control::walking::RobotPhysicalParameters::getNaoPhysicalParameters();
    control::walking::InverseKinematics inverseKinematics(dimensions);
    OmnidirectionalWalkZMP walk({}, dimensions, &inverseKinematics);
    walk.setWalkParams(params);
    walk.restart();

    ProbeRun result;
    NaoJoints joints;
    for (int cycle = 0; cycle < cycles && !result.stopped; ++cycle) {
        if (stopCycle >= 0 && cycle >= stopCycle) {
            walk.requestStop();
        } else {
            walk.setDesiredVelocity(velocity);
        }
        walk.setWalkParams(params);
        const bool leftFootSwung = walk.isLeftFootSwinging();
        walk.update(CYCLE, joints);

        if (walk.isLeftFootSwinging() != leftFootSwung) {
            result.steps.push_back({cycle, walk.isLeftFootSwinging(), walk.getWalkState(), walk.getCurrentVelocity()});
        }
        checkRanges(cycle, joints, result.violations);
        if (observer) {
            observer(cycle, walk, joints);
        }
        result.cycles = cycle + 1;
        result.stopped = walk.hasStopped();
    }
    return result;
}

void WalkProbe::checkRanges(int cycle, const NaoJoints& joints, std::vector<RangeViolation>& into) const {
    const NaoJoints serverJoints = joints * NaoJoints::getNaoDirectionsFixing();
    for (int number = NaoJoints::LEFT_SHOULDER_PITCH; number < NaoJoints::NUMBER_OF_JOINTS; ++number) {
        const auto joint = static_cast<NaoJoints::HINGE_JOINTS>(number);
        if (!ranges.contains(joint, serverJoints.getValue(joint))) {
            into.push_back({cycle, joint, serverJoints.getValue(joint)});
        }
    }
}

void WalkProbe::print(const ProbeRun& run, std::ostream& out) const {
    for (std::size_t step = 0; step < run.steps.size(); ++step) {
        const ProbedStep& probed = run.steps[step];
        out << "step " << step + 1 << " cycle " << probed.cycle << " " << stateName(probed.state) << ", "
            << (probed.leftFootSwings ? "left" : "right") << " foot swings, velocity " << probed.velocity.rotation
            << " rad/s " << probed.velocity.translation.x << " m/s forward " << probed.velocity.translation.y
            << " m/s left\n";
    }
    std::set<NaoJoints::HINGE_JOINTS> reported;
    for (const RangeViolation& violation : run.violations) {
        if (reported.insert(violation.joint).second) {
            out << "joint " << ranges.getName(violation.joint) << " left its range ["
                << MathUtils::radiansToDegrees(ranges.getMinimum(violation.joint)) << ", "
                << MathUtils::radiansToDegrees(ranges.getMaximum(violation.joint)) << "] degrees first at cycle "
                << violation.cycle << ": " << MathUtils::radiansToDegrees(violation.angle) << "\n";
        }
    }
    out << run.cycles << " cycles, " << (run.stopped ? "stopped" : "walking") << ", "
        << (run.violations.empty() ? "every joint target within its range"
                                   : std::to_string(run.violations.size()) + " joint targets out of range")
        << std::endl;
}

} // namespace walk_probe
} // namespace tools
