#include "modeling/WorldModel.h"

#include "modeling/AgentModel.h"
#include "perception/AgentPerception.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace modeling {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using representations::GoalPostType;
using representations::PlaySide;

Vector3<double> goalCentre(const FieldDescription& field, GoalPostType::GOAL_POST_TYPE first,
                           GoalPostType::GOAL_POST_TYPE second) {
    return (field.getGoalPostKnownPosition(first) + field.getGoalPostKnownPosition(second)) / 2.0;
}

double planarDistance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

double planarDistance(const representations::OtherPlayer& player, double x, double y) {
    const Pose2D position = player.getPosition();
    return planarDistance(position.translation.x, position.translation.y, x, y);
}

} // namespace

WorldModel::WorldModel(int agentNumber, std::string teamName)
    : selfModel(fieldDescription), playersFromBallModel(agentNumber, teamName, teammatesFromBall, opponentsFromBall),
      agentNumber(agentNumber), teamName(std::move(teamName)),
      localizationErrorLogger(utils::loggers::LocalizationErrorLogger::getInstance(agentNumber)) {
    if (!OtherPlayerModel::isUniformNumber(agentNumber)) {
        throw std::invalid_argument("world model: uniform number " + std::to_string(agentNumber) +
                                    " is not between 1 and 11");
    }
    for (std::vector<OtherPlayerModel>* models :
         {&teammateModels, &opponentModels, &heardTeammateModels, &heardOpponentModels}) {
        models->reserve(NUMBER_OF_PLAYERS);
        for (int number = 1; number <= NUMBER_OF_PLAYERS; ++number) {
            models->emplace_back(number);
        }
    }
    // The description starts on the left table while the side is still unknown;
    // matching them keeps the own goal at x = -15 before the first cycle too.
    fieldDescription.update(ourPlaySide);
    // The lists are refilled every cycle; their storage is kept.
    teammates.reserve(NUMBER_OF_PLAYERS);
    opponents.reserve(NUMBER_OF_PLAYERS);
    for (PlayerDistanceList* list :
         {&teammatesFromSelf, &teammatesFromBall, &opponentsFromSelf, &opponentsFromBall, &opponentsFromOurGoal}) {
        list->reserve(NUMBER_OF_PLAYERS);
    }
}

Vector3<double> WorldModel::getOwnGoalPosition() const {
    // The field description lays the landmarks out in the agent's own frame, so
    // this is (-15, 0) whatever the side.
    return ourPlaySide == PlaySide::LEFT ? goalCentre(fieldDescription, GoalPostType::G1L, GoalPostType::G2L)
                                         : goalCentre(fieldDescription, GoalPostType::G1R, GoalPostType::G2R);
}

Vector3<double> WorldModel::getTheirGoalPosition() const {
    return ourPlaySide == PlaySide::LEFT ? goalCentre(fieldDescription, GoalPostType::G1R, GoalPostType::G2R)
                                         : goalCentre(fieldDescription, GoalPostType::G1L, GoalPostType::G2L);
}

representations::OtherPlayer* WorldModel::getOpponent(int uniformNumber) {
    for (representations::OtherPlayer* opponent : opponents) {
        if (opponent->getId() == uniformNumber) {
            return opponent;
        }
    }
    return nullptr;
}

int WorldModel::getTeammateModelState(int index) const {
    return index >= 0 && index < NUMBER_OF_PLAYERS ? teammateModelState[static_cast<std::size_t>(index)] : SEEN;
}

int WorldModel::getOpponentModelState(int index) const {
    return index >= 0 && index < NUMBER_OF_PLAYERS ? opponentModelState[static_cast<std::size_t>(index)] : SEEN;
}

void WorldModel::update(perception::AgentPerception& perception, AgentModel& agentModel,
                        control::walking::OdometryDistribution& odometry) {
    fallen = agentModel.hasFallen();
    time = perception.getGlobalTime();
    // Game state and side are still the previous cycle's: the play mode follows the server's by one cycle.
    playMode = PlayMode::fromRawPlayMode(gameState.getPlayMode(), ourPlaySide);

    gameState = perception.getGameState();
    const int side = perception.getPlaySide();
    ourPlaySide =
        side == PlaySide::LEFT || side == PlaySide::RIGHT ? static_cast<PlaySide::PLAY_SIDE>(side) : PlaySide::UNKNOWN;
    fieldDescription.update(ourPlaySide);

    hearData = perception.getHearData();
    if (!hearData.getMessage().empty()) {
        hearData.decode(teamName);
    }

    updateVisibleObjects(perception, agentModel);

    selfModel.update(time, visibleFlags, visibleGoalPosts, visibleLines, odometry, perception.getNaoJoints());
    Pose2D& self = selfModel.getObject().getPosition();
    if (!fallen && playMode != PlayMode::BEFORE_KICK_OFF) {
        localizationErrorLogger->logError(gameState.getGameTime(), ourPlaySide, self);
    }
    draw();

    ballModel.update(time, visibleBall, hearData, teamName, agentNumber, odometry.mean, self);

    applyHeardMessage();

    teammateSeen.fill(false);
    const int ownNumber = agentModel.getAgentNumber();
    if (OtherPlayerModel::isUniformNumber(ownNumber)) {
        teammateSeen[static_cast<std::size_t>(ownNumber - 1)] = true;
    }
    opponentSeen.fill(false);
    updateSeenPlayers(odometry.mean, self);
    updateUnseenPlayers(odometry.mean, self);

    updatePlayerLists();
    positioningModel.update(time, hearData, teamName, agentNumber);
    gameSituation = 0;
}

void WorldModel::updateVisibleObjects(perception::AgentPerception& perception, AgentModel& agentModel) {
    visibleBall = nullptr;
    visiblePlayers.clear();
    visibleFlags.clear();
    visibleGoalPosts.clear();
    visibleLines.clear();
    const marlowinds_lib::math::Pose3D& cameraToRoot = agentModel.getFromCameraToRootTransform();
    for (const std::unique_ptr<perception::VisibleObject>& object : perception.getVisibleObjects()) {
        object->transformPosition(cameraToRoot);
        // The kind comes from the server's name; an object whose class does not
        // match its kind is moved but not listed.
        switch (object->getVisibleObjectType()) {
        case perception::VisibleObjectType::BALL:
            if (auto* ball = dynamic_cast<perception::VisibleBall*>(object.get())) {
                visibleBall = ball;
            }
            break;
        case perception::VisibleObjectType::FLAG:
            if (auto* flag = dynamic_cast<perception::VisibleFlag*>(object.get())) {
                visibleFlags.push_back(flag);
            }
            break;
        case perception::VisibleObjectType::GOAL_POST:
            if (auto* post = dynamic_cast<perception::VisibleGoalPost*>(object.get())) {
                visibleGoalPosts.push_back(post);
            }
            break;
        case perception::VisibleObjectType::LINE:
            if (auto* line = dynamic_cast<perception::VisibleLine*>(object.get())) {
                visibleLines.push_back(line);
            }
            break;
        case perception::VisibleObjectType::PLAYER:
            if (auto* player = dynamic_cast<perception::VisiblePlayer*>(object.get())) {
                visiblePlayers.push_back(player);
            }
            break;
        case perception::VisibleObjectType::UNKNOWN:
            break;
        }
    }
}

void WorldModel::applyHeardMessage() {
    const int sender = hearData.getUniformNumber();
    if (!hearData.isFromSelf() && hearData.getTeam() == teamName && OtherPlayerModel::isUniformNumber(sender)) {
        heardTeammateModels[static_cast<std::size_t>(sender - 1)].update(hearData);
    }
    // The goalkeeper's report, even the agent's own; a fallen goalkeeper's is not trusted.
    if (sender == representations::HearData::GOALIE_NUMBER && !hearData.isFallen()) {
        opponentHeard.fill(false);
        for (const representations::OtherPlayer& opponent : hearData.getOpponentPositions()) {
            const int id = opponent.getId();
            if (OtherPlayerModel::isUniformNumber(id)) {
                heardOpponentModels[static_cast<std::size_t>(id - 1)].update(opponent);
                opponentHeard[static_cast<std::size_t>(id - 1)] = true;
            }
        }
    }
}

void WorldModel::updateSeenPlayers(const Pose2D& odometry, const Pose2D& self) {
    for (perception::VisiblePlayer* player : visiblePlayers) {
        const int id = player->getId();
        // A player without a usable number cannot be told apart from the others.
        if (!OtherPlayerModel::isUniformNumber(id)) {
            continue;
        }
        const std::size_t index = static_cast<std::size_t>(id - 1);
        if (player->getTeamName() == teamName) {
            teammateSeen[index] = true;
            teammateModels[index].update(time, player, odometry, self);
        } else {
            opponentSeen[index] = true;
            opponentModels[index].update(time, player, odometry, self);
        }
    }
}

void WorldModel::updateUnseenPlayers(const Pose2D& odometry, const Pose2D& self) {
    for (std::size_t i = 0; i < NUMBER_OF_PLAYERS; ++i) {
        teammateCyclesNotSeen[i] = teammateSeen[i] ? 0 : teammateCyclesNotSeen[i] + 1;
        opponentCyclesNotSeen[i] = opponentSeen[i] ? 0 : opponentCyclesNotSeen[i] + 1;
        // The own entry counts as seen, so the agent's own model is never updated.
        teammateModelState[i] = teammateSeen[i] ? SEEN
                                                : updateUnseenPlayer(teammateModels[i], heardTeammateModels[i], true,
                                                                     teammateCyclesNotSeen[i], odometry, self);
        opponentModelState[i] = opponentSeen[i]
                                    ? SEEN
                                    : updateUnseenPlayer(opponentModels[i], heardOpponentModels[i], opponentHeard[i],
                                                         opponentCyclesNotSeen[i], odometry, self);
    }
}

int WorldModel::updateUnseenPlayer(OtherPlayerModel& model, const OtherPlayerModel& heard, bool heardUsable,
                                   int cyclesNotSeen, const Pose2D& odometry, const Pose2D& self) {
    if (heardUsable && heard.getObject().isRelevant() && cyclesNotSeen > MAX_CYCLES_TRACKED_UNSEEN) {
        model.update(heard.getObject());
        return HEARD;
    }
    model.update(time, nullptr, odometry, self);
    return PREDICTED;
}

void WorldModel::updatePlayerLists() {
    const Pose2D& self = selfModel.getObject().getPosition();
    const Pose2D& ball = ballModel.getObject().getPosition();
    const Vector3<double> ownGoal = getOwnGoalPosition();
    const double sx = self.translation.x;
    const double sy = self.translation.y;
    const double bx = ball.translation.x;
    const double by = ball.translation.y;
    teammates.clear();
    teammatesFromBall.clear();
    teammatesFromSelf.clear();
    opponents.clear();
    opponentsFromBall.clear();
    opponentsFromSelf.clear();
    opponentsFromOurGoal.clear();
    for (std::size_t i = 0; i < NUMBER_OF_PLAYERS; ++i) {
        representations::OtherPlayer& teammate = teammateModels[i].getObject();
        if (static_cast<int>(i) + 1 != agentNumber && teammate.isRelevant()) {
            teammates.push_back(&teammate);
            teammatesFromBall.emplace_back(planarDistance(teammate, bx, by), &teammate);
            teammatesFromSelf.emplace_back(planarDistance(teammate, sx, sy), &teammate);
        }
        representations::OtherPlayer& opponent = opponentModels[i].getObject();
        if (opponent.isRelevant()) {
            opponents.push_back(&opponent);
            opponentsFromOurGoal.emplace_back(planarDistance(opponent, ownGoal.x, ownGoal.y), &opponent);
            opponentsFromBall.emplace_back(planarDistance(opponent, bx, by), &opponent);
            opponentsFromSelf.emplace_back(planarDistance(opponent, sx, sy), &opponent);
        }
    }
    playersFromBallModel.update(fallen, self, ball, hearData);
    sortOpponentsFromOurGoal();
    sortOpponentsFromSelf();
    sortTeammatesFromSelf();
}

void WorldModel::draw() {
    utils::roboviz::Roboviz* roboviz = utils::roboviz::Roboviz::getInstance();
    const Pose2D& self = selfModel.getObject().getPosition();
    const float x = static_cast<float>(self.translation.x);
    const float y = static_cast<float>(self.translation.y);
    const double heading = self.rotation;
    roboviz->drawLine(x, y, 0.0f, x, y, 1.0f, 5.0f, 1.0f, 1.0f, 0.0f, "modeling/self");
    roboviz->drawCircle(x, y, 0.05f, 1.0f, 100.0f, 0.0f, 0.0f, "modeling/self");
    roboviz->drawLine(x, y, 0.0f, static_cast<float>(self.translation.x + std::cos(heading)),
                      static_cast<float>(self.translation.y + std::sin(heading)), 0.0f, 5.0f, 233.0f, 12.0f, 0.0f,
                      "modeling/self");
    // The ball of the previous cycle: the ball model is updated after this.
    const Pose2D& ball = ballModel.getObject().getPosition();
    const float bx = static_cast<float>(ball.translation.x);
    const float by = static_cast<float>(ball.translation.y);
    roboviz->drawLine(bx, by, 0.0f, bx, by, 1.0f, 5.0f, 1.0f, 100.0f, 0.0f, "modeling/ball");
    roboviz->swapBuffers("modeling/");
}

} // namespace modeling
