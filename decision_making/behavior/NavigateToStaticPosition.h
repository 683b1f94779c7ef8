#ifndef DECISION_MAKING_BEHAVIOR_NAVIGATETOSTATICPOSITION_H
#define DECISION_MAKING_BEHAVIOR_NAVIGATETOSTATICPOSITION_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/positioning/DelaunayPositioning.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"

#include <vector>

namespace decision_making {
namespace behavior {

/// Sends a field player to the place its role in the team's synchronised role
/// vector names, facing the ball: a formation position, or the marking point in
/// front of an opponent. Without an agreed role for the player (the vote's 0
/// when it heard nobody, or an id that names no place) it takes its own
/// formation position.
class NavigateToStaticPosition : public Behavior {
public:
    /// The player of this role stands ON_BALL_SETBACK (m) nearer its own goal than its formation position.
    static constexpr int ON_BALL_ROLE = 9;
    static constexpr double ON_BALL_SETBACK = 0.75;

    /// Reads the formation files of the shipped formation folder once.
    explicit NavigateToStaticPosition(BehaviorFactory* factory);

    /// Chooses the place and walks there through the factory's NavigateToPosition.
    void behave(modeling::Modeling& modeling) override;

    /// The place chosen by the last step, (0, 0) before the first.
    double getDesiredPosX() const { return desiredPosX; }
    double getDesiredPosY() const { return desiredPosY; }
    /// The last place was a formation position rather than a marking one.
    bool isDelaunayPos() const { return delaunayPos; }
    /// The agent's own formation pose.
    marlowinds_lib::math::Pose2D getStrategicPosition(modeling::Modeling& modeling);

private:
    using Position = marlowinds_lib::math::Vector2<double>;

    /// The agreed role of the agent, or its own formation role when there is none.
    static int roleOf(int uniformNumber, const std::vector<int>& synchronizedRoles);
    Position formationPlace(modeling::Modeling& modeling, int role, const Position& self);
    Position markingPlace(modeling::Modeling& modeling, int role, const Position& self);

    positioning::DelaunayPositioning formation;
    double desiredPosX = 0.0;
    double desiredPosY = 0.0;
    bool delaunayPos = false;
};

} // namespace behavior
} // namespace decision_making

#endif
