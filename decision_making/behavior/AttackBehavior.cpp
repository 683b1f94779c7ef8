#include "decision_making/behavior/AttackBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Vector2;

/// In a penalty the kick is taken within this share of their goal's distance from the centre line.
constexpr float PENALTY_KICK_SHARE = 0.38f;
/// Nearer their goal (m) the closest player dribbles or walks instead of kicking.
constexpr double NO_KICK_NEAR_GOAL = 5.0;
/// A standing opponent this near the agent (m) leaves no time to kick.
constexpr double PRESSING_OPPONENT = 1.0;
/// From their goal (m): nearer never a pass, farther always one.
constexpr double SHOT_RANGE = 10.0;
constexpr double PASS_RANGE = 20.0;
/// In between, an opponent this near the ball (m) makes the kick a pass.
constexpr double CONTESTING_OPPONENT = 2.0;

Vector2<double> theirGoal(modeling::WorldModel& world) {
    const auto goal = world.getTheirGoalPosition();
    return {goal.x, goal.y};
}

double distanceToBall(modeling::WorldModel& world) {
    return world.getSelf().getPosition().translation.distance(world.getBall().getPosition().translation);
}

} // namespace

void AttackBehavior::behave(modeling::Modeling& modeling) {
    passRequest = false;
    modeling::WorldModel& world = modeling.getWorldModel();
    if (!world.selfIsClosestToBall()) {
        delaunayPositioningFunc(modeling);
        utils::roboviz::Roboviz::getInstance()->swapBuffers(KickTargetSelector::DRAWING_BUFFER);
        return;
    }
    kickTargetSelector.select(modeling);
    if (isKickable(modeling)) {
        kick(modeling, kickTargetSelector.getTarget());
        passRequest = mustPass(modeling);
    } else if (distanceToBall(world) < DRIBBLE_RADIUS) {
        dribble(modeling);
    } else {
        navigate(modeling);
    }
}

bool AttackBehavior::isKickable(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> goal = theirGoal(world);
    const Vector2<double> self = world.getSelf().getPosition().translation;
    if (world.isPenalty()) {
        return std::fabs(goal.x - self.x) < static_cast<double>(PENALTY_KICK_SHARE) * goal.x;
    }
    if (factory->getKickBehavior()->isPreciseMode()) {
        return true;
    }
    if (goal.distance(self) < NO_KICK_NEAR_GOAL) {
        return false;
    }
    for (const auto& opponent : world.getOpponentsFromSelf()) {
        if (!opponent.second->isFallen() && opponent.first <= PRESSING_OPPONENT) {
            return false;
        }
    }
    return true;
}

bool AttackBehavior::mustPass(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const double distance = theirGoal(world).distance(world.getSelf().getPosition().translation);
    if (distance < SHOT_RANGE) {
        return false;
    }
    if (distance > PASS_RANGE) {
        return true;
    }
    for (const auto& opponent : world.getOpponentsFromBall()) {
        if (opponent.first <= CONTESTING_OPPONENT) {
            return true;
        }
    }
    return false;
}

void AttackBehavior::kick(modeling::Modeling& modeling, const Vector2<double>& target) {
    KickBehavior& kickBehavior = *factory->getKickBehavior();
    kickBehavior.setTarget(target);
    runPartner(kickBehavior, modeling);
}

void AttackBehavior::dribble(modeling::Modeling& modeling) { runPartner(*factory->getDribbleBall(), modeling); }

void AttackBehavior::navigate(modeling::Modeling& modeling) { runPartner(*factory->getNavigateToBall(), modeling); }

void AttackBehavior::delaunayPositioningFunc(modeling::Modeling& modeling) {
    runPartner(*factory->getNavigateToStaticPosition(), modeling);
}

bool AttackBehavior::isCloseToBall(modeling::Modeling& modeling) {
    return distanceToBall(modeling.getWorldModel()) < DRIBBLE_RADIUS;
}

void AttackBehavior::runPartner(Behavior& partner, modeling::Modeling& modeling) {
    partner.behave(modeling);
    movementRequest = partner.getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
