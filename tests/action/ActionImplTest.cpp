#include "action/ActionImpl.h"

#include "control/Control.h"
#include "decision_making/DecisionMaking.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

namespace action {
namespace {

const std::string ZERO_JOINTS = "(he1 0)(he2 0)(lae1 0)(lae2 0)(lae3 0)(lae4 0)(rae1 0)(rae2 0)(rae3 0)(rae4 0)"
                                "(lle1 0)(lle2 0)(lle3 0)(lle4 0)(lle5 0)(lle6 0)(rle1 0)(rle2 0)(rle3 0)(rle4 0)"
                                "(rle5 0)(rle6 0)";
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class FixedControl : public control::Control {
public:
    control::walking::OdometryDistribution getWalkOdometry() override { return {}; }
    representations::NaoJoints& getJointsCommands() override { return commands; }

    representations::NaoJoints commands;
};

class FixedDecision : public decision_making::DecisionMaking {
public:
    void decide(modeling::Modeling&) override {}

    void set(std::shared_ptr<std::string> say, std::shared_ptr<marlowinds_lib::math::Pose2D> beam, bool pass) {
        sayMessage = std::move(say);
        beamRequest = std::move(beam);
        passRequest = pass;
    }
};

class ActionImplTest : public testing::Test {
protected:
    ActionImpl action;
    FixedControl control;
    FixedDecision decision;
};

TEST_F(ActionImplTest, StartUpMessagesHoldOneCommandAndSyn) {
    EXPECT_EQ(action.getServerMessage(), "");
    action.create(4);
    EXPECT_EQ(action.getServerMessage(), "(scene rsg/agent/nao/nao_hetero.rsg 4)(syn)");
    action.create(0);
    EXPECT_EQ(action.getServerMessage(), "(scene rsg/agent/nao/nao_hetero.rsg 0)(syn)");
    action.init(7, "Marlowinds");
    EXPECT_EQ(action.getServerMessage(), "(init (unum 7)(teamname Marlowinds))(syn)");
}

TEST_F(ActionImplTest, CycleMessagesPutSayBeamAndPassBeforeTheJoints) {
    using marlowinds_lib::math::Pose2D;
    const struct {
        std::shared_ptr<std::string> say;
        std::shared_ptr<Pose2D> beam;
        bool pass;
        std::string expectedPrefix;
    } cases[] = {
        {nullptr, nullptr, false, ""},
        {nullptr, std::make_shared<Pose2D>(0.0, -14.9, 0.0), false, "(beam -14.9 0 0)"},
        {std::make_shared<std::string>("Ab9"), std::make_shared<Pose2D>(90.0, -3.0, 3.0), true,
         "(say Ab9)(beam -3 3 90)(pass)"},
        {std::make_shared<std::string>(""), nullptr, false, "(say )"},
        {nullptr, nullptr, true, "(pass)"},
    };
    for (const auto& testCase : cases) {
        decision.set(testCase.say, testCase.beam, testCase.pass);
        action.act(decision, control);
        EXPECT_EQ(action.getServerMessage(), testCase.expectedPrefix + ZERO_JOINTS + "(syn)");
    }
}

TEST_F(ActionImplTest, NonFiniteValuesNeverReachTheServer) {
    control.commands.setValue(representations::NaoJoints::NECK_YAW, NaN);
    control.commands.setValue(representations::NaoJoints::LEFT_KNEE_PITCH, std::numeric_limits<double>::infinity());
    control.commands.setValue(representations::NaoJoints::LEFT_FOOT_PITCH, 1.5);
    decision.set(nullptr, std::make_shared<marlowinds_lib::math::Pose2D>(0.0, NaN, 1.0), false);
    action.act(decision, control);
    const std::string& message = action.getServerMessage();
    EXPECT_EQ(message.find("nan"), std::string::npos);
    EXPECT_EQ(message.find("inf"), std::string::npos);
    EXPECT_EQ(message.find("(beam"), std::string::npos);
    EXPECT_EQ(message.rfind("(he1 0)(he2 0)", 0), 0u);
    EXPECT_NE(message.find("(lle4 0)(lle5 1.5)"), std::string::npos);
    // The controller's own values are left as they were.
    EXPECT_TRUE(std::isnan(control.commands.getValue(representations::NaoJoints::NECK_YAW)));
}

} // namespace
} // namespace action
