#ifndef TOOLS_GRAPH_GENERATOR_FOOTTARGETKICK_H
#define TOOLS_GRAPH_GENERATOR_FOOTTARGETKICK_H

#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "control/walking/RobotPhysicalParameters.h"
#include "tools/graph_generator/PostureTrajectory.h"

#include <optional>
#include <string>
#include <vector>

namespace tools {
namespace graph_generator {

/// A right-foot kick written as where the right foot goes relative to the
/// left one, which it stands on, rather than as joint angles: the postures come
/// from the walk's leg inverse kinematics at the walk's stance, so the kick
/// starts and ends standing as the walk stands, wherever that is.
struct FootTargetKick {
    /// The right foot's centre x ahead of and y left of the left foot's centre
    /// and its sole z above the ground, as they would be with the sole flat;
    /// the foot is then turned toe down by pitch about its ankle's pitch
    /// joint, whose axis leans with the leg's roll (the walk's kinematics keep
    /// the hip from yawing, so the foot cannot pitch about the torso's axis).
    struct FootTarget {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        double pitch = 0.0;
    };

    struct Step {
        /// Seconds to reach the step from the one before.
        double duration = 0.0;
        /// The weight shift onto the left foot: the torso moves left over the
        /// flat soles until the legs lean by this angle (hip rolls -roll and
        /// foot rolls +roll when the feet stand below the hips).
        double roll = 0.0;
        /// None: the right foot stands where the walk's stance puts it.
        std::optional<FootTarget> rightFoot;
    };

    /// After the walk's standing posture at time 0, the last one standing again.
    std::vector<Step> steps;

    /// The kick in the file: {"steps": [{"duration": 0.45, "roll": 0.39,
    /// "rightFoot": {"x": 0, "y": -0.1, "z": 0.04, "pitch": 0.15}}, ...]},
    /// "roll", "rightFoot" and "pitch" optional (0, the stance, 0). Throws
    /// std::invalid_argument naming the file for an unknown or missing key, a
    /// value that is no finite number, a step shorter than
    /// PostureTrajectory::MIN_STEP_DURATION, or a last step that does not
    /// stand as the walk stands; a file that cannot be read or parsed throws
    /// the JSON reader's error, which names it too.
    static FootTargetKick read(const std::string& file);

    /// The postures at the stance of the walk's parameters (zCom, ySeparation),
    /// the first the walk's standing posture at time 0, the arms held as the
    /// walk holds them.
    PostureTrajectory toTrajectory(const control::walking::OmnidirectionalWalkZMPParams& walk,
                                   const control::walking::RobotPhysicalParameters& dimensions) const;
};

} // namespace graph_generator
} // namespace tools

#endif
