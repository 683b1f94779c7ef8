// The fall branch of the decision: the stand-up page for the way the agent lies.
#include "decision_making/DecisionMaking.h"

#include "control/KeyframeRequest.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace decision_making {
namespace {

/// Leaves every output set, as a role's standing cycle may.
class EveryOutputDecision : public DecisionMaking {
public:
    void decide(modeling::Modeling& /*modeling*/) override {
        sayMessage = std::make_shared<std::string>("IAAAAAACIZCmOhKi");
        movementRequest = std::make_shared<control::KeyframeRequest>("getReady", false);
        beamRequest = std::make_shared<marlowinds_lib::math::Pose2D>(0.0, -1.0, 2.0);
        lookRequest = std::make_shared<control::LookRequest>(0.5, 0.1);
        passRequest = true;
    }
};

struct Lying {
    const char* acceleration;
    const char* page;
};

class DecideFallTest : public ::testing::TestWithParam<Lying> {};

TEST_P(DecideFallTest, LyingGivesTheHeadStraightItsStandUpPageAndNothingElse) {
    testing::HandBuiltModeling models(5);
    EveryOutputDecision decision;
    decision.decide(models.modeling);
    // The accelerometer filter needs a few cycles to settle on the new reading.
    for (int cycle = 0; cycle < 50; ++cycle) {
        models.perceiveAcceleration(cycle * 0.02, GetParam().acceleration);
    }

    ASSERT_TRUE(decision.decideFall(models.modeling));

    const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(decision.getMovementRequest());
    ASSERT_NE(keyframe, nullptr);
    EXPECT_EQ(keyframe->getName(), GetParam().page);
    EXPECT_FALSE(keyframe->isInverted());
    ASSERT_NE(decision.getLookRequest(), nullptr);
    EXPECT_EQ(decision.getLookRequest()->getPan(), 0.0);
    EXPECT_EQ(decision.getLookRequest()->getTilt(), 0.0);
    EXPECT_EQ(decision.getSayMessage(), nullptr);
    EXPECT_EQ(decision.getBeamRequest(), nullptr);
    EXPECT_FALSE(decision.getPassRequest());
}

// Front before back before side when the readings say several at once.
INSTANTIATE_TEST_SUITE_P(WaysOfLying, DecideFallTest,
                         ::testing::Values(Lying{"0 -9.81 0", "standUpFromFront"},
                                           Lying{"0 9.81 0", "standUpFromBackOptimization"},
                                           Lying{"9.81 0 0", "moveArmToFallBack"},
                                           Lying{"-9.81 0 0", "moveArmToFallBack"}, Lying{"7 -7 0", "standUpFromFront"},
                                           Lying{"-7 7 0", "standUpFromBackOptimization"}),
                         [](const auto& info) { return info.param.page + std::to_string(info.index); });

TEST(DecideFallStandingTest, AnUprightAgentKeepsEveryOutput) {
    testing::HandBuiltModeling models(5);
    EveryOutputDecision decision;
    decision.decide(models.modeling);
    for (int cycle = 0; cycle < 50; ++cycle) {
        models.perceive(cycle * 0.02);
    }

    EXPECT_FALSE(decision.decideFall(models.modeling));

    EXPECT_NE(decision.getSayMessage(), nullptr);
    EXPECT_NE(decision.getBeamRequest(), nullptr);
    EXPECT_TRUE(decision.getPassRequest());
    const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(decision.getMovementRequest());
    ASSERT_NE(keyframe, nullptr);
    EXPECT_EQ(keyframe->getName(), "getReady");
}

} // namespace
} // namespace decision_making
