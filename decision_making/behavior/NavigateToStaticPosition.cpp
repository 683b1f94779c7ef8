#include "decision_making/behavior/NavigateToStaticPosition.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/positioning/role_assignment/MarkingSystem.h"
#include "decision_making/positioning/role_assignment/RoleId.h"
#include "modeling/Modeling.h"
#include "representations/MarlowindsConstants.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>
#include <string>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;
using positioning::role_assignment::MarkingSystem;
using positioning::role_assignment::RoleId;
using utils::roboviz::Roboviz;

// Strings made once: the drawing facade takes names as strings, even when it draws nothing.
const std::string ROLE_BUFFER = "decision_making/behavior/roleAssignment";
const std::string ON_BALL_BUFFER = "decision_making/behavior/OnBallAgent";
const std::string ON_BALL_LABEL = "OnBall";
constexpr float PLACE_CIRCLE_RADIUS = 0.3f;
constexpr float ON_BALL_LABEL_HEIGHT = 1.2f;

void drawWayTo(const MarkingSystem::Position& self, const MarkingSystem::Position& place,
               Roboviz::THICKNESS lineThickness, Roboviz::COLOR color) {
    Roboviz* const roboviz = Roboviz::getInstance();
    roboviz->drawLine(ROLE_BUFFER, self.x, self.y, 0.0f, place.x, place.y, 0.0f, lineThickness, color);
    roboviz->drawCircle(ROLE_BUFFER, place.x, place.y, PLACE_CIRCLE_RADIUS, Roboviz::THIN, color);
    roboviz->swapBuffers(ROLE_BUFFER);
}

} // namespace

NavigateToStaticPosition::NavigateToStaticPosition(BehaviorFactory* factory)
    : Behavior(factory), formation(representations::MarlowindsConstants::FORMATION_FOLDER) {}

void NavigateToStaticPosition::behave(modeling::Modeling& modeling) {
    movementRequest.reset();
    modeling::WorldModel& world = modeling.getWorldModel();
    const int role = roleOf(modeling.getAgentModel().getAgentNumber(), world.getSynchronizedRoleAssignmentVector());
    const Position self = world.getSelf().getPosition().translation;

    delaunayPos = !RoleId::isMarking(role);
    const Position desired = delaunayPos ? formationPlace(modeling, role, self) : markingPlace(modeling, role, self);
    desiredPosX = desired.x;
    desiredPosY = desired.y;

    // Face the ball from the place.
    const Position ball = world.getBall().getPosition().translation;
    const double heading = std::atan2(ball.y - desired.y, ball.x - desired.x);
    NavigateToPosition* const navigation = factory->getNavigatePosition();
    navigation->setTarget(Pose2D(heading, desired));
    navigation->behave(modeling, 0.0);
    movementRequest = navigation->getMovementRequest();
}

Pose2D NavigateToStaticPosition::getStrategicPosition(modeling::Modeling& modeling) {
    return formation.getAgentPosition(modeling);
}

int NavigateToStaticPosition::roleOf(int uniformNumber, const std::vector<int>& synchronizedRoles) {
    const int index = uniformNumber - RoleId::FIRST_FIELD_PLAYER;
    if (index >= 0 && index < static_cast<int>(synchronizedRoles.size())) {
        const int agreed = synchronizedRoles[index];
        if (RoleId::isFormation(agreed) || RoleId::isMarking(agreed)) {
            return agreed;
        }
    }
    return RoleId::formationRole(uniformNumber);
}

NavigateToStaticPosition::Position NavigateToStaticPosition::formationPlace(modeling::Modeling& modeling, int role,
                                                                            const Position& self) {
    const auto team = formation.getTeamPosition(modeling);
    const int player = RoleId::formationPlayer(role);
    if (player < 1 || player > static_cast<int>(team.size())) {
        return self;
    }
    Position place = team[player - 1];
    drawWayTo(self, place, Roboviz::THIN, Roboviz::ORANGE);
    if (role == ON_BALL_ROLE) {
        place.x -= ON_BALL_SETBACK;
        Roboviz::getInstance()->drawAnnotation(ON_BALL_BUFFER, ON_BALL_LABEL, self.x, self.y, ON_BALL_LABEL_HEIGHT);
        Roboviz::getInstance()->swapBuffers(ON_BALL_BUFFER);
    }
    return place;
}

NavigateToStaticPosition::Position NavigateToStaticPosition::markingPlace(modeling::Modeling& modeling, int role,
                                                                          const Position& self) {
    modeling::WorldModel& world = modeling.getWorldModel();
    Position place = self;
    const representations::OtherPlayer* const opponent = world.getOpponent(RoleId::markedOpponent(role));
    // An opponent that is not known, or is off the field, leaves the marker where it is.
    if (opponent != nullptr && MarkingSystem::isInsideField(opponent->getPosition().translation)) {
        const auto ownGoal = world.getOwnGoalPosition();
        place = MarkingSystem::markingPoint(opponent->getPosition().translation, Position(ownGoal.x, ownGoal.y));
    }
    drawWayTo(self, place, Roboviz::MEDIUM, Roboviz::PURPLE);
    return place;
}

} // namespace behavior
} // namespace decision_making
