#include "decision_making/behavior/BeamBehavior.h"

#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"

#include <iterator>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;

/// By uniform number 1 to 11; every other number beams to the centre spot.
constexpr Pose2D BEAM_POSES[] = {
    {0.0, -14.9, 0.0}, {0.0, -9.0, -0.0}, {0.0, -7.0, 0.0}, {0.0, -4.0, -2.0}, {0.0, -4.0, 2.0},  {0.0, -5.0, 0.0},
    {0.0, -3.0, -3.0}, {0.0, -3.0, 3.0},  {0.0, -2.0, 9.0}, {0.0, -0.5, 0.0},  {0.0, -2.0, -9.0},
};
constexpr int KICK_OFF_TAKER = 10;
/// After the own team scored the opponents kick off, and the centre circle is theirs.
constexpr Pose2D KICK_OFF_TAKER_AFTER_OWN_GOAL(0.0, -2.5, 0.0);

Pose2D beamPoseOf(int uniformNumber, int playMode) {
    if (uniformNumber == KICK_OFF_TAKER && playMode == modeling::PlayMode::OWN_GOAL) {
        return KICK_OFF_TAKER_AFTER_OWN_GOAL;
    }
    const bool listed = uniformNumber >= 1 && uniformNumber <= static_cast<int>(std::size(BEAM_POSES));
    return listed ? BEAM_POSES[uniformNumber - 1] : Pose2D();
}

} // namespace

void BeamBehavior::behave(modeling::Modeling& modeling) {
    beamPose = std::make_shared<Pose2D>(
        beamPoseOf(modeling.getAgentModel().getAgentNumber(), modeling.getWorldModel().getPlayMode()));
}

} // namespace behavior
} // namespace decision_making
