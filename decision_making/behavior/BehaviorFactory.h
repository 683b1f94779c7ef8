#ifndef DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H
#define DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H

#include "decision_making/behavior/AttackBehavior.h"
#include "decision_making/behavior/BeamBehavior.h"
#include "decision_making/behavior/CircleBall.h"
#include "decision_making/behavior/ConductBall.h"
#include "decision_making/behavior/DribbleBall.h"
#include "decision_making/behavior/FollowLine.h"
#include "decision_making/behavior/HockeyBehavior.h"
#include "decision_making/behavior/Keep.h"
#include "decision_making/behavior/KickBehavior.h"
#include "decision_making/behavior/NavigateToBall.h"
#include "decision_making/behavior/NavigateToPosition.h"
#include "decision_making/behavior/NavigateToStaticPosition.h"
#include "decision_making/behavior/PotentialFieldNavigation.h"
#include "decision_making/behavior/Say.h"

namespace decision_making {
namespace behavior {

/// One instance of every behaviour of a role, each built with the factory's
/// address and handed out by a getter of its own. Behaviours reach each other
/// through it, so every user of a kind shares one instance and its state.
///
/// Building one reads the formation files, by the agent's relative path.
///
/// Neither copyable nor movable: the behaviours keep the address of the
/// factory that built them, which a copy would leave pointing at the original.
class BehaviorFactory {
public:
    BehaviorFactory() = default;
    BehaviorFactory(const BehaviorFactory&) = delete;
    BehaviorFactory& operator=(const BehaviorFactory&) = delete;
    virtual ~BehaviorFactory() = default;

    AttackBehavior* getAttackBehavior() { return &attackBehavior; }
    NavigateToPosition* getNavigatePosition() { return &navigateToPosition; }
    NavigateToStaticPosition* getNavigateToStaticPosition() { return &navigateToStaticPosition; }
    PotentialFieldNavigation* getPotentialFieldNavigationBehavior() { return &potentialFieldNavigation; }
    ConductBall* getConductBall() { return &conductBall; }
    FollowLine* getFollowLine() { return &followLine; }
    CircleBall* getCircleBall() { return &circleBall; }
    NavigateToBall* getNavigateToBall() { return &navigateToBall; }
    DribbleBall* getDribbleBall() { return &dribbleBall; }
    KickBehavior* getKickBehavior() { return &kickBehavior; }
    Keep* getKeep() { return &keep; }
    HockeyBehavior* getHockeyBehavior() { return &hockeyBehavior; }
    Say* getSay() { return &say; }
    BeamBehavior* getBeamBehavior() { return &beamBehavior; }

private:
    // Built in this order, destroyed in reverse.
    AttackBehavior attackBehavior{this};
    NavigateToPosition navigateToPosition{this};
    NavigateToStaticPosition navigateToStaticPosition{this};
    PotentialFieldNavigation potentialFieldNavigation{this};
    ConductBall conductBall{this};
    FollowLine followLine{this};
    /// Radius (m), angle threshold (degrees) and radial tolerance (m) until a kick approach rebuilds it.
    CircleBall circleBall{this, 0.2, 30.0, 0.4};
    NavigateToBall navigateToBall{this};
    DribbleBall dribbleBall{this};
    KickBehavior kickBehavior{this};
    Keep keep{this};
    HockeyBehavior hockeyBehavior{this};
    Say say{this};
    BeamBehavior beamBehavior{this};
};

} // namespace behavior
} // namespace decision_making

#endif
