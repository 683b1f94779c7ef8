#ifndef TOOLS_FIELD_TRIAL_TRUEBODY_H
#define TOOLS_FIELD_TRIAL_TRUEBODY_H

#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "utils/wizard/SceneGraph.h"

#include <string>

namespace tools {
namespace field_trial {

/// A player's torso as the simulation has it, in the server's field frame:
/// the truth every trial measures against.
struct TrueBody {
    /// Upright: the torso's up axis within this of the vertical (30 degrees) ...
    static constexpr double UPRIGHT_TILT = 0.5235987755982988;
    /// ... and the torso at least this high (m).
    static constexpr double UPRIGHT_HEIGHT = 0.25;
    /// Fallen: the torso lower than this (m), lying or sitting ...
    static constexpr double FALLEN_HEIGHT = 0.2;
    /// ... or its up axis more than this off the vertical (60 degrees).
    static constexpr double FALLEN_TILT = 1.0471975511965976;

    /// From the torso's transform; all zero (no truth yet) gives a body that
    /// is neither upright nor fallen.
    static TrueBody fromTorso(const utils::wizard::Transform& torso);

    /// The help text's account of the two definitions.
    static std::string definitions();

    bool isUpright() const;
    bool isFallen() const;
    /// Heading of the torso's forward axis and position on the ground.
    marlowinds_lib::math::Pose2D groundPose() const;

    bool known = false;
    /// Game time (s) of the monitor message it was read from.
    double time = 0.0;
    marlowinds_lib::math::Vector3<double> position;
    double heading = 0.0; // rad
    double tilt = 0.0;    // rad, of the torso's up axis from the vertical
};

} // namespace field_trial
} // namespace tools

#endif
