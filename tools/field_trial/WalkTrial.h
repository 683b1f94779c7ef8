#ifndef TOOLS_FIELD_TRIAL_WALKTRIAL_H
#define TOOLS_FIELD_TRIAL_WALKTRIAL_H

#include "control/WalkMode.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "tools/field_trial/LocalisationMeter.h"
#include "tools/field_trial/SinglePlayerTrial.h"

#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// One stretch of a walk: a velocity asked of the walk in a mode until a goal is reached.
struct WalkLeg {
    enum class Goal { DISTANCE, TURN, DURATION };

    /// Turning (rad/s), forward and leftward speed (m/s), cut to the mode's
    /// navigation limits as decision making cuts its own.
    marlowinds_lib::math::Pose2D velocity;
    control::WalkMode mode;
    Goal goal;
    /// Metres along the velocity's direction, radians turned, or seconds.
    double amount;
};

/// Walks its legs from a start pose; a fallen player stands up as the
/// decision cycle would have it, and the leg goes on once it is up. A leg ends
/// at its goal, or after twice the time it should take and five seconds more.
/// Measures falls, upright time, the mean speed and turning rate while
/// upright, and the walk's odometry over each step against the truth (data to
/// fit the odometry calibrator to, in every direction the trials walk); with
/// localisation, the head scans as the agent's does and the player's pose
/// estimate is measured against the truth too.
class WalkTrial : public SinglePlayerTrial {
public:
    WalkTrial(std::string name, const marlowinds_lib::math::Pose2D& start, std::vector<WalkLeg> legs,
              bool localisation = false);

    bool mustStayUp() const override { return true; }
    void run(TrialField& field, TrialFigures& figures) const override;

private:
    struct Tally {
        double path = 0.0;
        double walkingSeconds = 0.0;
        double turned = 0.0;
        double turningSeconds = 0.0;
    };

    void walk(TrialField& field, const WalkLeg& leg, Tally& tally, LocalisationMeter& meter) const;
    /// One cycle, with the meter fed.
    void step(TrialField& field, LocalisationMeter& meter) const;

    marlowinds_lib::math::Pose2D start;
    std::vector<WalkLeg> legs;
    bool localisation;
};

} // namespace field_trial
} // namespace tools

#endif
