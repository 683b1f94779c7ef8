#ifndef TESTS_DECISION_MAKING_BEHAVIOR_SHIPPEDNAVIGATIONPARAMS_H
#define TESTS_DECISION_MAKING_BEHAVIOR_SHIPPEDNAVIGATIONPARAMS_H

#include "tests/representations/NavigationParamsGuard.h"
#include "tests/support/ShippedNavigationParams.h"

namespace decision_making {
namespace testing {

/// The navigation sets as shipped, loaded for each test and restored afterwards.
class ShippedNavigationParams : public representations::NavigationParamsGuard {
protected:
    void SetUp() override {
        NavigationParamsGuard::SetUp();
        tests::loadShippedNavigationParams();
    }
};

} // namespace testing
} // namespace decision_making

#endif
