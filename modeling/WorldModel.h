#ifndef MODELING_WORLDMODEL_H
#define MODELING_WORLDMODEL_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "modeling/BallModel.h"
#include "modeling/FieldDescription.h"
#include "modeling/OtherPlayerModel.h"
#include "modeling/PlayMode.h"
#include "modeling/PlayerDistances.h"
#include "modeling/PlayersFromBallModel.h"
#include "modeling/PositioningModel.h"
#include "modeling/SelfModel.h"
#include "perception/VisibleBall.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "perception/VisiblePlayer.h"
#include "representations/Ball.h"
#include "representations/GameState.h"
#include "representations/HearData.h"
#include "representations/OtherPlayer.h"
#include "representations/PlaySide.h"
#include "representations/Self.h"
#include "utils/loggers/LocalizationErrorLogger.h"

#include <array>
#include <string>
#include <vector>

namespace perception {
class AgentPerception;
}

namespace modeling {

class AgentModel;

/// The agent's picture of the game outside its own body: its own pose on the
/// field, the ball, the eleven teammates and eleven opponents, who is close to
/// the ball, the play mode seen from its own side, the last heard team message
/// and the team's role vectors. Updated once per cycle by the modeling facade;
/// decision making reads it through the getters below.
///
/// Players are identified by uniform number n, 1 to 11, at index n - 1 of every
/// per-player array. The player records and the distance lists handed out stay
/// valid until the next update; the visible objects are perception's and valid
/// until it perceives the next message.
///
/// Tests build hand-made states through WorldModelTestAccess, a friend kept
/// among the test helpers.
class WorldModel {
public:
    static constexpr int NUMBER_OF_PLAYERS = 11;
    /// A heard description replaces a player's tracker only after this many
    /// consecutive cycles without a sighting.
    static constexpr int MAX_CYCLES_TRACKED_UNSEEN = 10;

    /// How a player's model was updated in the last cycle.
    enum ModelState : int {
        SEEN = 0,
        HEARD = 1,
        PREDICTED = 2,
    };

    /// Throws std::invalid_argument for a uniform number outside 1 to 11.
    WorldModel(int agentNumber, std::string teamName);
    WorldModel(const WorldModel&) = delete;
    WorldModel& operator=(const WorldModel&) = delete;
    virtual ~WorldModel() = default;

    /// One cycle, after the agent model, with the walk odometry of the previous
    /// cycle. Rewrites perception's visible objects into the robot's root frame.
    void update(perception::AgentPerception& perception, AgentModel& agentModel,
                control::walking::OdometryDistribution& odometry);
    /// Moves every visible object of the cycle into the root frame and sorts it by kind.
    void updateVisibleObjects(perception::AgentPerception& perception, AgentModel& agentModel);

    representations::Ball& getBall() { return ballModel.getObject(); }
    /// The localised global pose.
    representations::Self& getSelf() { return selfModel.getObject(); }
    FieldDescription& getFieldDescription() { return fieldDescription; }
    /// The centre of the own goal, at the posts' height: (-15, 0, 0.8) on either side.
    marlowinds_lib::math::Vector3<double> getOwnGoalPosition() const;
    /// The centre of the opponents' goal: (15, 0, 0.8) on either side.
    marlowinds_lib::math::Vector3<double> getTheirGoalPosition() const;
    /// No relevant teammate in this cycle.
    bool isPenalty() const { return teammates.empty(); }

    /// The relevant opponent of that number; null when it is not known this cycle.
    representations::OtherPlayer* getOpponent(int uniformNumber);
    /// This cycle's relevant teammates (the agent excluded) and opponents, by uniform number.
    std::vector<representations::OtherPlayer*>& getTeammates() { return teammates; }
    std::vector<representations::OtherPlayer*>& getOpponents() { return opponents; }
    // The relevant players with their planar distance to the agent, the ball
    // or the own goal centre, nearest first.
    PlayerDistanceList& getTeammatesFromSelf() { return teammatesFromSelf; }
    PlayerDistanceList& getOpponentsFromSelf() { return opponentsFromSelf; }
    PlayerDistanceList& getOpponentsFromOurGoal() { return opponentsFromOurGoal; }
    PlayerDistanceList& getTeammatesFromBall() { return playersFromBallModel.getTeammatesFromBall(); }
    PlayerDistanceList& getOpponentsFromBall() { return playersFromBallModel.getOpponentsFromBall(); }
    /// The opponent nearest the ball, or a placeholder at (100, 100) that is not relevant; never null.
    representations::OtherPlayer* getOpponentClosestFromBall() {
        return playersFromBallModel.getOpponentClosestFromBall();
    }

    /// The side's agreed answer: the agent is the agreed closest player, or has no teammate.
    bool selfIsClosestToBall() { return playersFromBallModel.selfIsClosestToBall(); }
    bool selfIsSecondClosestToBall() { return playersFromBallModel.selfIsSecondClosestToBall(); }
    /// The agent's own judgement, which it announces in its team message.
    bool selfIsClosestToBallPerceived() const { return playersFromBallModel.selfIsClosestToBallPerceived(); }
    int getSynchronizedClosestToBall() const { return playersFromBallModel.getSynchronizedClosestToBall(); }
    std::vector<int> getHeardClosestToBall() const { return playersFromBallModel.getHeardClosestToBall(); }

    /// A PlayMode::PLAY_MODE: the server's mode of the previous cycle in the
    /// agent's own terms; NONE before the first update.
    int getPlayMode() const { return playMode; }
    representations::PlaySide::PLAY_SIDE getOurPlaySide() const { return ourPlaySide; }
    representations::GameState& getGameState() { return gameState; }
    int getGameSituation() const { return gameSituation; }
    void updateGameSituation() { gameSituation = 0; }

    /// Ten role ids; 1 to 10 until decision making stores its own.
    const std::vector<int>& getMyRoleAssignmentVector() const { return positioningModel.getMyRoleAssignmentVector(); }
    void updateMyRoleAssignmentVector(const std::vector<int>& roles) {
        positioningModel.setMyRoleAssignmentVector(roles);
    }
    /// Ten role ids, entry k for uniform number k + 2.
    const std::vector<int>& getSynchronizedRoleAssignmentVector() const {
        return positioningModel.getSynchronizedRoleAssignmentVector();
    }

    std::vector<perception::VisibleFlag*>& getVisibleFlags() { return visibleFlags; }
    std::vector<perception::VisibleGoalPost*>& getVisibleGoalPosts() { return visibleGoalPosts; }
    std::vector<OtherPlayerModel> getTeammateModels() const { return teammateModels; }
    std::vector<OtherPlayerModel> getOpponentModels() const { return opponentModels; }
    /// A ModelState; index = uniform number - 1. SEEN for an index outside 0 to 10.
    int getTeammateModelState(int index) const;
    int getOpponentModelState(int index) const;

    void resetLocalizer(marlowinds_lib::math::Pose2D mean, marlowinds_lib::math::Pose2D sigma) {
        selfModel.resetLocalizer(mean, sigma);
    }
    void sortTeammatesFromSelf() { sortByDistance(teammatesFromSelf); }
    void sortOpponentsFromSelf() { sortByDistance(opponentsFromSelf); }
    void sortOpponentsFromOurGoal() { sortByDistance(opponentsFromOurGoal); }
    /// Compares two distance-list entries qsort style (-1, 0, 1); NaN compares greater.
    static int sortFunction(const void* a, const void* b) { return compareDistanceEntries(a, b); }

private:
    friend class WorldModelTestAccess;

    using PerPlayer = std::array<bool, NUMBER_OF_PLAYERS>;
    using PerPlayerCount = std::array<int, NUMBER_OF_PLAYERS>;

    void applyHeardMessage();
    void updateSeenPlayers(const marlowinds_lib::math::Pose2D& odometry, const marlowinds_lib::math::Pose2D& self);
    void updateUnseenPlayers(const marlowinds_lib::math::Pose2D& odometry, const marlowinds_lib::math::Pose2D& self);
    /// One player out of sight this cycle: the heard description (when usable and
    /// the tracker has gone too long without a sighting) or the tracker's
    /// prediction. Answers the ModelState.
    int updateUnseenPlayer(OtherPlayerModel& model, const OtherPlayerModel& heard, bool heardUsable, int cyclesNotSeen,
                           const marlowinds_lib::math::Pose2D& odometry, const marlowinds_lib::math::Pose2D& self);
    /// Refills the lists of relevant players from the models, runs the
    /// closest-to-ball reasoning and sorts the lists.
    void updatePlayerLists();
    void draw();

    FieldDescription fieldDescription;
    BallModel ballModel;
    SelfModel selfModel;
    PositioningModel positioningModel;
    std::vector<OtherPlayerModel> teammateModels;
    std::vector<OtherPlayerModel> opponentModels;
    std::vector<OtherPlayerModel> heardTeammateModels;
    std::vector<OtherPlayerModel> heardOpponentModels;
    PlayersFromBallModel playersFromBallModel;
    std::vector<representations::OtherPlayer*> teammates;
    std::vector<representations::OtherPlayer*> opponents;
    PlayerDistanceList teammatesFromSelf;
    PlayerDistanceList teammatesFromBall;
    PlayerDistanceList opponentsFromSelf;
    PlayerDistanceList opponentsFromBall;
    PlayerDistanceList opponentsFromOurGoal;
    int agentNumber;
    bool fallen = false;
    std::string teamName;
    representations::PlaySide::PLAY_SIDE ourPlaySide = representations::PlaySide::UNKNOWN;
    int playMode = PlayMode::NONE;
    representations::GameState gameState;
    double time = 0.0;
    representations::HearData hearData;
    int gameSituation = 0;
    perception::VisibleBall* visibleBall = nullptr;
    std::vector<perception::VisiblePlayer*> visiblePlayers;
    std::vector<perception::VisibleFlag*> visibleFlags;
    std::vector<perception::VisibleGoalPost*> visibleGoalPosts;
    std::vector<perception::VisibleLine*> visibleLines;
    PerPlayer teammateSeen{};
    PerPlayer opponentSeen{};
    PerPlayer opponentHeard{};
    PerPlayerCount teammateCyclesNotSeen{};
    PerPlayerCount opponentCyclesNotSeen{};
    PerPlayerCount teammateModelState{};
    PerPlayerCount opponentModelState{};
    /// The process-wide logger; not owned.
    utils::loggers::LocalizationErrorLogger* localizationErrorLogger;
};

} // namespace modeling

#endif
