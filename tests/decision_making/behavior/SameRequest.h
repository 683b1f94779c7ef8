#ifndef TESTS_DECISION_MAKING_BEHAVIOR_SAMEREQUEST_H
#define TESTS_DECISION_MAKING_BEHAVIOR_SAMEREQUEST_H

#include "control/KeyframeRequest.h"
#include "control/MovementRequest.h"
#include "control/NeuralRequest.h"
#include "control/WalkRequest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace decision_making {
namespace testing {

/// Both ask motion control for the same: a walk at the same velocity in the
/// same mode, or the same keyframe page or network motion.
inline void expectSameRequest(const std::shared_ptr<control::MovementRequest>& actual,
                              const std::shared_ptr<control::MovementRequest>& expected, const std::string& what) {
    ASSERT_NE(actual, nullptr) << what;
    ASSERT_NE(expected, nullptr) << what;
    ASSERT_EQ(actual->getMovementType(), expected->getMovementType()) << what;
    if (const auto walk = std::dynamic_pointer_cast<control::WalkRequest>(actual)) {
        const auto& expectedWalk = dynamic_cast<const control::WalkRequest&>(*expected);
        EXPECT_EQ(walk->getWalkMode(), expectedWalk.getWalkMode()) << what;
        EXPECT_NEAR(walk->getVelocity().rotation, expectedWalk.getVelocity().rotation, 1e-9) << what;
        EXPECT_NEAR(walk->getVelocity().translation.x, expectedWalk.getVelocity().translation.x, 1e-9) << what;
        EXPECT_NEAR(walk->getVelocity().translation.y, expectedWalk.getVelocity().translation.y, 1e-9) << what;
    } else if (const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(actual)) {
        const auto& expectedKeyframe = dynamic_cast<const control::KeyframeRequest&>(*expected);
        EXPECT_EQ(keyframe->getName(), expectedKeyframe.getName()) << what;
        EXPECT_EQ(keyframe->isInverted(), expectedKeyframe.isInverted()) << what;
    } else if (const auto neural = std::dynamic_pointer_cast<control::NeuralRequest>(actual)) {
        EXPECT_EQ(neural->getName(), dynamic_cast<const control::NeuralRequest&>(*expected).getName()) << what;
    }
}

} // namespace testing
} // namespace decision_making

#endif
