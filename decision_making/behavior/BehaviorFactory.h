#ifndef DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H
#define DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H

#include "decision_making/behavior/AttackBehavior.h"
#include "decision_making/behavior/BasicBehavior.h"
#include "decision_making/behavior/BeamBehavior.h"
#include "decision_making/behavior/BeforeKickOffSetPlay.h"
#include "decision_making/behavior/CircleBall.h"
#include "decision_making/behavior/ConductBall.h"
#include "decision_making/behavior/DataExtractionBehavior.h"
#include "decision_making/behavior/DeadBallBehavior.h"
#include "decision_making/behavior/DribbleBall.h"
#include "decision_making/behavior/FocusBall.h"
#include "decision_making/behavior/FollowLine.h"
#include "decision_making/behavior/GameOverSetPlay.h"
#include "decision_making/behavior/GoalieBehavior.h"
#include "decision_making/behavior/HockeyBehavior.h"
#include "decision_making/behavior/Keep.h"
#include "decision_making/behavior/KickBehavior.h"
#include "decision_making/behavior/NavigateToBall.h"
#include "decision_making/behavior/NavigateToPosition.h"
#include "decision_making/behavior/NavigateToStaticPosition.h"
#include "decision_making/behavior/OpponentCornerKickSetPlay.h"
#include "decision_making/behavior/OpponentFreeKickSetPlay.h"
#include "decision_making/behavior/OpponentGoalKickSetPlay.h"
#include "decision_making/behavior/OpponentGoalSetPlay.h"
#include "decision_making/behavior/OpponentKickInSetPlay.h"
#include "decision_making/behavior/OpponentKickOffSetPlay.h"
#include "decision_making/behavior/OpponentOffsideSetPlay.h"
#include "decision_making/behavior/OwnCornerKickSetPlay.h"
#include "decision_making/behavior/OwnFreeKickSetPlay.h"
#include "decision_making/behavior/OwnGoalKickSetPlay.h"
#include "decision_making/behavior/OwnGoalSetPlay.h"
#include "decision_making/behavior/OwnKickInSetPlay.h"
#include "decision_making/behavior/OwnKickOffSetPlay.h"
#include "decision_making/behavior/OwnOffsideSetPlay.h"
#include "decision_making/behavior/PotentialFieldNavigation.h"
#include "decision_making/behavior/Say.h"
#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// One instance of every behaviour of a role, each built with the factory's
/// address and handed out by a getter of its own. Behaviours reach each other
/// through it, so every user of a kind shares one instance and its state.
///
/// Building one reads the formation files, by the agent's relative path.
/// BasicBehavior, DeadBallBehavior and DataExtractionBehavior are built like
/// the others, though no role runs them.
///
/// Neither copyable nor movable: the behaviours keep the address of the
/// factory that built them, which a copy would leave pointing at the original.
class BehaviorFactory {
public:
    BehaviorFactory() = default;
    BehaviorFactory(const BehaviorFactory&) = delete;
    BehaviorFactory& operator=(const BehaviorFactory&) = delete;
    virtual ~BehaviorFactory() = default;

    BasicBehavior* getBasicBehavior() { return &basicBehavior; }
    GoalieBehavior* getGoalieBehavior() { return &goalieBehavior; }
    AttackBehavior* getAttackBehavior() { return &attackBehavior; }
    DeadBallBehavior* getDeadBallBehavior() { return &deadBallBehavior; }
    NavigateToPosition* getNavigatePosition() { return &navigateToPosition; }
    NavigateToStaticPosition* getNavigateToStaticPosition() { return &navigateToStaticPosition; }
    PotentialFieldNavigation* getPotentialFieldNavigationBehavior() { return &potentialFieldNavigation; }
    ConductBall* getConductBall() { return &conductBall; }
    FollowLine* getFollowLine() { return &followLine; }
    CircleBall* getCircleBall() { return &circleBall; }
    NavigateToBall* getNavigateToBall() { return &navigateToBall; }
    DribbleBall* getDribbleBall() { return &dribbleBall; }
    FocusBall* getFocusBall() { return &focusBall; }
    KickBehavior* getKickBehavior() { return &kickBehavior; }
    DataExtractionBehavior* getDataExtractionBehavior() { return &dataExtractionBehavior; }
    Keep* getKeep() { return &keep; }
    HockeyBehavior* getHockeyBehavior() { return &hockeyBehavior; }
    Say* getSay() { return &say; }
    BeamBehavior* getBeamBehavior() { return &beamBehavior; }
    SetPlay* getSetPlay() { return &setPlay; }
    BeforeKickOffSetPlay* getBeforeKickOffSetPlay() { return &beforeKickOffSetPlay; }
    GameOverSetPlay* getGameOverSetPlay() { return &gameOverSetPlay; }
    OpponentCornerKickSetPlay* getOpponentCornerKickSetPlay() { return &opponentCornerKickSetPlay; }
    OpponentFreeKickSetPlay* getOpponentFreeKickSetPlay() { return &opponentFreeKickSetPlay; }
    OpponentGoalKickSetPlay* getOpponentGoalKickSetPlay() { return &opponentGoalKickSetPlay; }
    OpponentGoalSetPlay* getOpponentGoalSetPlay() { return &opponentGoalSetPlay; }
    OpponentKickInSetPlay* getOpponentKickInSetPlay() { return &opponentKickInSetPlay; }
    OpponentKickOffSetPlay* getOpponentKickOffSetPlay() { return &opponentKickOffSetPlay; }
    OpponentOffsideSetPlay* getOpponentOffsideSetPlay() { return &opponentOffsideSetPlay; }
    OwnCornerKickSetPlay* getOwnCornerKickSetPlay() { return &ownCornerKickSetPlay; }
    OwnFreeKickSetPlay* getOwnFreeKickSetPlay() { return &ownFreeKickSetPlay; }
    OwnGoalKickSetPlay* getOwnGoalKickSetPlay() { return &ownGoalKickSetPlay; }
    OwnGoalSetPlay* getOwnGoalSetPlay() { return &ownGoalSetPlay; }
    OwnKickInSetPlay* getOwnKickInSetPlay() { return &ownKickInSetPlay; }
    OwnKickOffSetPlay* getOwnKickOffSetPlay() { return &ownKickOffSetPlay; }
    OwnOffsideSetPlay* getOwnOffsideSetPlay() { return &ownOffsideSetPlay; }

private:
    // Built in this order, destroyed in reverse.
    BasicBehavior basicBehavior{this};
    GoalieBehavior goalieBehavior{this};
    AttackBehavior attackBehavior{this};
    DeadBallBehavior deadBallBehavior{this};
    NavigateToPosition navigateToPosition{this};
    NavigateToStaticPosition navigateToStaticPosition{this};
    PotentialFieldNavigation potentialFieldNavigation{this};
    ConductBall conductBall{this};
    FollowLine followLine{this};
    /// A radius of 0.2 m until a kick approach rebuilds it.
    CircleBall circleBall{this, 0.2, CircleBall::ANGLE_THRESHOLD, CircleBall::RADIAL_TOLERANCE};
    NavigateToBall navigateToBall{this};
    DribbleBall dribbleBall{this};
    FocusBall focusBall{this};
    KickBehavior kickBehavior{this};
    DataExtractionBehavior dataExtractionBehavior{this};
    Keep keep{this};
    HockeyBehavior hockeyBehavior{this};
    Say say{this};
    BeamBehavior beamBehavior{this};
    SetPlay setPlay{this};
    BeforeKickOffSetPlay beforeKickOffSetPlay{this};
    GameOverSetPlay gameOverSetPlay{this};
    OpponentCornerKickSetPlay opponentCornerKickSetPlay{this};
    OpponentFreeKickSetPlay opponentFreeKickSetPlay{this};
    OpponentGoalKickSetPlay opponentGoalKickSetPlay{this};
    OpponentGoalSetPlay opponentGoalSetPlay{this};
    OpponentKickInSetPlay opponentKickInSetPlay{this};
    OpponentKickOffSetPlay opponentKickOffSetPlay{this};
    OpponentOffsideSetPlay opponentOffsideSetPlay{this};
    OwnCornerKickSetPlay ownCornerKickSetPlay{this};
    OwnFreeKickSetPlay ownFreeKickSetPlay{this};
    OwnGoalKickSetPlay ownGoalKickSetPlay{this};
    OwnGoalSetPlay ownGoalSetPlay{this};
    OwnKickInSetPlay ownKickInSetPlay{this};
    OwnKickOffSetPlay ownKickOffSetPlay{this};
    OwnOffsideSetPlay ownOffsideSetPlay{this};
};

} // namespace behavior
} // namespace decision_making

#endif
