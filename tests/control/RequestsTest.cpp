#include "control/KeyframeRequest.h"
#include "control/KickRequest.h"
#include "control/NeuralRequest.h"
#include "decision_making/DecisionMaking.h"

#include <gtest/gtest.h>

namespace control {
namespace {

TEST(RequestsTest, EachKindCarriesItsType) {
    EXPECT_EQ(KickRequest().getMovementType(), MovementRequestType::KICK);
    EXPECT_EQ(KeyframeRequest("getReady", false).getMovementType(), MovementRequestType::KEYFRAME);
    EXPECT_EQ(NeuralRequest("kick/long").getMovementType(), MovementRequestType::NEURAL);
}

TEST(RequestsTest, NamesAreIndependentCopies) {
    const KeyframeRequest keyframe("standUpFromFront", true);
    std::string name = keyframe.getName();
    name += "x";
    EXPECT_EQ(keyframe.getName(), "standUpFromFront");
}

class NothingDecided : public decision_making::DecisionMaking {
public:
    void decide(modeling::Modeling&) override {}
};

TEST(DecisionMakingTest, OutputsAreEmptyBeforeTheFirstDecision) {
    NothingDecided decision;
    EXPECT_FALSE(decision.getSayMessage());
    EXPECT_FALSE(decision.getMovementRequest());
    EXPECT_FALSE(decision.getBeamRequest());
    EXPECT_FALSE(decision.getLookRequest());
    EXPECT_FALSE(decision.getPassRequest());
}

} // namespace
} // namespace control
