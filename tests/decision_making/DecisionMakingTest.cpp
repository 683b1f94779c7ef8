// The fall branch of the decision: the stand-up page for the way the agent lies.
#include "decision_making/DecisionMaking.h"

#include "control/KeyframeRequest.h"
#include "control/WalkRequest.h"
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

TEST(DecideFallStandingTest, UpAgainTheAgentStepsInPlaceHeadStraightUntilTheFallDetectorLetsGo) {
    testing::HandBuiltModeling models(5);
    EveryOutputDecision decision;
    decision.decide(models.modeling);
    modeling::AgentModel& body = models.modeling.getAgentModel();
    int cycle = 0;
    // One step of the agent model and of the world model's fall detector.
    const auto perceive = [&](bool lying) {
        models.perceive(0.02 * cycle++, lying);
        body.hasFallen();
    };
    for (int lying = 0; lying < 50; ++lying) {
        perceive(true);
    }
    ASSERT_TRUE(decision.decideFall(models.modeling));
    ASSERT_NE(std::dynamic_pointer_cast<control::KeyframeRequest>(decision.getMovementRequest()), nullptr);

    int steadying = 0;
    for (int upright = 0; upright < 200; ++upright) {
        perceive(false);
        if (body.isCurrentlyFallen()) {
            continue;
        }
        if (!decision.decideFall(models.modeling)) {
            break;
        }
        ++steadying;
        const auto walk = std::dynamic_pointer_cast<control::WalkRequest>(decision.getMovementRequest());
        ASSERT_NE(walk, nullptr) << "cycle " << cycle;
        EXPECT_EQ(walk->getVelocity().translation.norm(), 0.0);
        EXPECT_EQ(walk->getVelocity().rotation, 0.0);
        EXPECT_EQ(decision.getLookRequest()->getPan(), 0.0);
        EXPECT_EQ(decision.getLookRequest()->getTilt(), 0.0);
    }
    // The detector lets go after its upright steps, counted once the filtered reading is upright.
    EXPECT_GE(steadying, modeling::AgentModel::STAND_UP_STEPS);
    EXPECT_FALSE(decision.decideFall(models.modeling));
}

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
