#ifndef DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H
#define DECISION_MAKING_BEHAVIOR_BEHAVIORFACTORY_H

#include "decision_making/behavior/BeamBehavior.h"
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

    NavigateToPosition* getNavigatePosition() { return &navigateToPosition; }
    NavigateToStaticPosition* getNavigateToStaticPosition() { return &navigateToStaticPosition; }
    PotentialFieldNavigation* getPotentialFieldNavigationBehavior() { return &potentialFieldNavigation; }
    Say* getSay() { return &say; }
    BeamBehavior* getBeamBehavior() { return &beamBehavior; }

private:
    // Built in this order, destroyed in reverse.
    NavigateToPosition navigateToPosition{this};
    NavigateToStaticPosition navigateToStaticPosition{this};
    PotentialFieldNavigation potentialFieldNavigation{this};
    Say say{this};
    BeamBehavior beamBehavior{this};
};

} // namespace behavior
} // namespace decision_making

#endif
