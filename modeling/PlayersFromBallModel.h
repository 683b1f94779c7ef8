#ifndef MODELING_PLAYERSFROMBALLMODEL_H
#define MODELING_PLAYERSFROMBALLMODEL_H

#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"
#include "modeling/PlayerDistances.h"
#include "representations/HearData.h"
#include "representations/OtherPlayer.h"

#include <string>
#include <vector>

namespace modeling {

/// Which player of the side goes to the ball: the agent's own judgement (sent
/// in its team message), the closest-to-ball numbers the teammates announce,
/// and the number the side agrees on by majority, refreshed every 22 updates.
class PlayersFromBallModel {
public:
    static constexpr int NUMBER_OF_PLAYERS = 11;
    /// Updates between two refreshes of the agreed closest player.
    static constexpr int SYNC_PERIOD = 22;
    /// The agreed closest player until the first refresh.
    static constexpr int INITIAL_CLOSEST_TO_BALL = 10;

    /// Both lists belong to the world model and must outlive this model; it
    /// sorts them in every update.
    PlayersFromBallModel(int agentNumber, std::string teamName, PlayerDistanceList& teammatesFromBall,
                         PlayerDistanceList& opponentsFromBall);
    virtual ~PlayersFromBallModel() = default;
    PlayersFromBallModel(const PlayersFromBallModel&) = delete;
    PlayersFromBallModel& operator=(const PlayersFromBallModel&) = delete;

    /// Once per cycle, after the world model has filled both lists: records the
    /// vote of a heard field player of the own team (the agent's own message
    /// included), sorts both lists and advances the agreement.
    void update(bool fallen, const marlowinds_lib::math::Pose2D& self, const marlowinds_lib::math::Pose2D& ball,
                const representations::HearData& hearData);

    /// The agent's own judgement: its distance to the ball, with a penalty
    /// (closestToBallHeuristic), is no more than the nearest teammate's.
    bool selfIsClosestToBallPerceived() const;
    /// The side's agreed answer; true without any teammate.
    bool selfIsClosestToBall();
    /// Not the closest, and no farther from the ball than the second-nearest
    /// teammate; true when there is only one teammate.
    bool selfIsSecondClosestToBall();
    bool teammateIsClosestToBall() { return !selfIsClosestToBall(); }

    /// Entry n - 1: the closest-to-ball number last announced by teammate n, 0 for none.
    const std::vector<int>& getHeardClosestToBall() const { return heardClosestToBall; }
    int getSynchronizedClosestToBall() const { return synchronizedClosestToBall; }

    /// The opponent nearest the ball, or a placeholder at (100, 100) that is
    /// not relevant; never null, valid for the life of the model.
    representations::OtherPlayer* getOpponentClosestFromBall();
    PlayerDistanceList& getTeammatesFromBall() { return teammatesFromBall; }
    PlayerDistanceList& getOpponentsFromBall() { return opponentsFromBall; }

    void sortTeammatesFromBall() { sortByDistance(teammatesFromBall); }
    void sortOpponentsFromBall() { sortByDistance(opponentsFromBall); }
    /// Counts the heard votes and, every 22nd call, makes the winner the agreed number.
    void syncClosestToBall();

    /// The ball lies in the own goal box.
    bool isBallInOurGoalBox() const;
    /// The distance (metres) added to the agent's own distance to the ball:
    /// a goalkeeper outside its goal box practically never claims the ball, a
    /// fallen agent away from the ball pays 1.5, and one each for a worse
    /// place than the ball near a corner and for standing beyond the ball.
    double closestToBallHeuristic(bool isGoalie, bool fallen, double distance,
                                  const marlowinds_lib::math::Vector2<double>& position) const;

private:
    /// Writes the complaint about an empty teammates list.
    bool reportNoTeammates() const;

    marlowinds_lib::math::Pose2D selfPosition;
    marlowinds_lib::math::Pose2D ballPosition;
    int agentNumber;
    bool fallen = false;
    std::string teamName;
    std::vector<int> heardClosestToBall;
    int synchronizedClosestToBall = INITIAL_CLOSEST_TO_BALL;
    int syncCycle = 0;
    PlayerDistanceList& teammatesFromBall;
    PlayerDistanceList& opponentsFromBall;
    representations::OtherPlayer placeholderOpponent;
};

} // namespace modeling

#endif
