#ifndef TOOLS_WALK_PROBE_WALKPROBE_H
#define TOOLS_WALK_PROBE_WALKPROBE_H

#include "control/walking/InverseKinematics.h"
#include "control/walking/OmnidirectionalWalkZMP.h"
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "representations/NaoJoints.h"
#include "tools/walk_probe/JointRanges.h"

#include <functional>
#include <ostream>
#include <vector>

namespace tools {
namespace walk_probe {

/// One step of a probed walk, as planned at its boundary.
struct ProbedStep {
    int cycle = 0; ///< the cycle whose update began the step, from 0
    bool leftFootSwings = false;
    control::walking::OmnidirectionalWalkZMP::WalkState state =
        control::walking::OmnidirectionalWalkZMP::WalkState::WALKING;
    marlowinds_lib::math::Pose2D velocity; ///< the velocity the step was planned with
};

/// A joint target outside its joint's range, in the server's joint directions.
struct RangeViolation {
    int cycle = 0;
    representations::NaoJoints::HINGE_JOINTS joint = representations::NaoJoints::NECK_YAW;
    double angle = 0.0;
};

struct ProbeRun {
    std::vector<ProbedStep> steps;
    std::vector<RangeViolation> violations;
    int cycles = 0;
    bool stopped = false;
};

/// Drives a fresh walk engine the way the walk state does after start-up: built
/// with the empty set, given the probed set, restarted, then updated once per
/// 0.02 s cycle with the requested velocity, or asked to stop from the stop
/// cycle on. Records each step and every joint target that leaves its range.
class WalkProbe {
public:
    static constexpr double CYCLE = 0.02;

    /// Sees the walk and its joint targets (engine directions) after each cycle.
    using Observer = std::function<void(int cycle, const control::walking::OmnidirectionalWalkZMP& walk,
                                        const representations::NaoJoints& joints)>;

    explicit WalkProbe(const control::walking::OmnidirectionalWalkZMPParams& params);

    /// Up to cycles cycles, fewer when the walk stops; a negative stopCycle never stops.
    ProbeRun run(const marlowinds_lib::math::Pose2D& velocity, int cycles, int stopCycle = -1,
                 const Observer& observer = {}) const;

    /// One line per step, one per joint that left its range (its first violation) and a verdict.
    void print(const ProbeRun& run, std::ostream& out) const;

private:
    void checkRanges(int cycle, const representations::NaoJoints& joints, std::vector<RangeViolation>& into) const;

    control::walking::OmnidirectionalWalkZMPParams params;
    JointRanges ranges;
};

} // namespace walk_probe
} // namespace tools

#endif
