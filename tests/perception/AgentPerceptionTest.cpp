#include "perception/AgentPerception.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/PerceptorFactory.h"
#include "perception/VisionPerceptor.h"
#include "representations/RawPlayMode.h"
#include "tests/perception/ParsedGroup.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Vector3;
using representations::NaoJoints;
using representations::PlaySide;
using representations::RawPlayMode;

/// Feeds messages through the factory into one snapshot, cycle after cycle.
class Cycles {
public:
    const AgentPerception& perceive(const std::string& message,
                                    AgentPerception::Message kind = AgentPerception::Message::WHOLE) {
        const auto root = parser.parseMessage(message);
        factory.update(*root);
        snapshot.update(factory.getPerceptors(), kind);
        return snapshot;
    }

    utils::parser::Parser parser;
    PerceptorFactory factory;
    AgentPerception snapshot;
};

const std::string FULL_CYCLE = "(time (now 10.00))(GS (unum 7) (team right) (sl 1) (sr 2) (t 5.00) (pm PlayOn))"
                               "(GYR (n torso) (rt 90 0 0))(ACC (n torso) (a 0 0 9.81))"
                               "(HJ (n hj1) (ax 90))(HJ (n raj1) (ax -45))(HJ (n llj1) (ax 30))"
                               "(See (B (pol 2 0 0)) (F1L (pol 10 90 0)))"
                               "(FRP (n lf) (c 0 0 0) (f 0 0 20))(FRP (n rf) (c 0.01 0 0) (f 0 0 25))"
                               "(AgentState (temp 48) (battery 75))(hear Marlowinds 9.98 self AAAA)";

/// The readings of FULL_CYCLE that stay until a group of their kind comes again.
void expectLastingReadings(const AgentPerception& snapshot) {
    EXPECT_DOUBLE_EQ(snapshot.getGlobalTime(), 10.0);
    EXPECT_EQ(snapshot.getUniformNumber(), 7);
    EXPECT_EQ(snapshot.getPlaySide(), PlaySide::RIGHT);
    EXPECT_EQ(snapshot.getGameState().getPlayMode(), RawPlayMode::PLAY_ON);
    EXPECT_EQ(snapshot.getGameState().getScoreLeft(), 1);
    EXPECT_EQ(snapshot.getGameState().getScoreRight(), 2);
    EXPECT_DOUBLE_EQ(snapshot.getGameState().getGameTime(), 5.0);
    EXPECT_NEAR(snapshot.getTorsoAngularVelocities().x, MathUtils::PI / 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(snapshot.getTorsoAcceleration().z, 9.81);
    EXPECT_DOUBLE_EQ(snapshot.getTemperature(), 48.0);
    EXPECT_DOUBLE_EQ(snapshot.getBatteryPercentage(), 75.0);
    EXPECT_EQ(snapshot.getHearData().getMessage(), "AAAA");
    EXPECT_TRUE(snapshot.getHearData().isFromSelf());
    EXPECT_EQ(snapshot.getPlayMode(), 0);
}

TEST(AgentPerceptionTest, AFullMessageFillsEveryReading) {
    Cycles cycles;

    const AgentPerception& snapshot = cycles.perceive(FULL_CYCLE);

    expectLastingReadings(snapshot);
    EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::NECK_YAW), MathUtils::PI / 2.0, 1e-12);
    EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::RIGHT_SHOULDER_PITCH), -MathUtils::PI / 4.0, 1e-12);
    EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::LEFT_HIP_YAWPITCH), MathUtils::PI / 6.0, 1e-12);
    EXPECT_TRUE(snapshot.receivedVisionUpdate());
    ASSERT_EQ(snapshot.getVisibleObjects().size(), 2u);
    EXPECT_EQ(snapshot.getVisibleObjects()[0]->getVisibleObjectType(), VisibleObjectType::BALL);
    EXPECT_EQ(snapshot.getVisibleObjects()[1]->getVisibleObjectType(), VisibleObjectType::FLAG);
    EXPECT_DOUBLE_EQ(snapshot.getLeftFootForceResistanceData().getForce().z, 20.0);
    EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, 25.0);
    EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getOriginCoordinates().x, 0.01);
}

TEST(AgentPerceptionTest, AMessageWithoutGroupsRebuildsOnlyThePerCycleReadings) {
    Cycles cycles;
    cycles.perceive(FULL_CYCLE);

    const AgentPerception& snapshot = cycles.perceive("");

    EXPECT_TRUE(snapshot.getVisibleObjects().empty());
    EXPECT_FALSE(snapshot.receivedVisionUpdate());
    EXPECT_EQ(snapshot.getNaoJoints().getAsVector(), std::vector<double>(NaoJoints::NUMBER_OF_JOINTS, 0.0));
    EXPECT_EQ(snapshot.getLeftFootForceResistanceData().getForce(), Vector3<double>());
    EXPECT_EQ(snapshot.getRightFootForceResistanceData().getForce(), Vector3<double>());
    expectLastingReadings(snapshot);
}

TEST(AgentPerceptionTest, ADamagedMessageGivesWhatItHoldsAndAWholeOneIsTakenAsItStands) {
    using Message = AgentPerception::Message;
    struct Row {
        std::string message;
        Message kind;
        double neckYaw, rightShoulderPitch, leftHipYawPitch; // degrees
        double left, right;                                  // N
    };
    // One cycle per row, in order, after FULL_CYCLE.
    const std::vector<Row> cycles{
        {"", Message::DAMAGED, 90.0, -45.0, 30.0, 20.0, 25.0},
        {"(HJ (n hj1) (ax 10))(FRP (n lf) (c 0 0 0) (f 0 0 7))", Message::DAMAGED, 10.0, -45.0, 30.0, 7.0, 25.0},
        {"(HJ (n raj1) (ax 5))", Message::WHOLE, 0.0, 5.0, 0.0, 0.0, 0.0},
        {"(FRP (n rf) (c 0 0 0) (f 0 0 9))", Message::DAMAGED, 0.0, 5.0, 0.0, 0.0, 9.0},
        {"(HJ (n hj1) (ax -20))(HJ (n llj1) (ax -30))(FRP (n lf) (c 0 0 0) (f 0 0 3))", Message::WHOLE, -20.0, 0.0,
         -30.0, 3.0, 0.0},
    };
    Cycles run;
    run.perceive(FULL_CYCLE);
    for (const Row& cycle : cycles) {
        const AgentPerception& snapshot = run.perceive(cycle.message, cycle.kind);

        const NaoJoints& joints = snapshot.getNaoJoints();
        EXPECT_NEAR(joints.getValue(NaoJoints::NECK_YAW), MathUtils::degreesToRadians(cycle.neckYaw), 1e-12)
            << cycle.message;
        EXPECT_NEAR(joints.getValue(NaoJoints::RIGHT_SHOULDER_PITCH),
                    MathUtils::degreesToRadians(cycle.rightShoulderPitch), 1e-12)
            << cycle.message;
        EXPECT_NEAR(joints.getValue(NaoJoints::LEFT_HIP_YAWPITCH), MathUtils::degreesToRadians(cycle.leftHipYawPitch),
                    1e-12)
            << cycle.message;
        EXPECT_DOUBLE_EQ(snapshot.getLeftFootForceResistanceData().getForce().z, cycle.left) << cycle.message;
        EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, cycle.right) << cycle.message;
        EXPECT_TRUE(snapshot.getVisibleObjects().empty()) << cycle.message;
        expectLastingReadings(snapshot);
    }
}

TEST(AgentPerceptionTest, AFootWithoutPressureThisCycleReadsZero) {
    struct Row {
        std::string message;
        double left;
        double right;
    };
    // One cycle per row, in order.
    const std::vector<Row> cycles{
        {"(FRP (n lf) (c 0 0 0) (f 0 0 20))(FRP (n rf) (c 0 0 0) (f 0 0 25))", 20.0, 25.0},
        {"(FRP (n lf) (c 0 0 0) (f 0 0 30))", 30.0, 0.0},
        {"(FRP (n rf) (c 0 0 0) (f 0 0 12))", 0.0, 12.0},
        {"(FRP (n LF) (c 0 0 0) (f 0 0 40))(FRP (n xf) (c 0 0 0) (f 0 0 40))", 0.0, 0.0},
        {"(FRP (n lf) (c 0 0 0) (f 0 0 5))(FRP (n lf) (c 0 0 0) (f 0 0 6))", 6.0, 0.0},
    };
    Cycles run;
    for (const Row& cycle : cycles) {
        const AgentPerception& snapshot = run.perceive(cycle.message);

        EXPECT_DOUBLE_EQ(snapshot.getLeftFootForceResistanceData().getForce().z, cycle.left) << cycle.message;
        EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, cycle.right) << cycle.message;
    }
}

TEST(AgentPerceptionTest, UniformNumberAndSideComeOnlyWithTheUniformNumber) {
    struct Row {
        std::string message;
        int uniformNumber;
        int side;
        int playMode;
        int scoreLeft;
    };
    const std::vector<Row> cycles{
        {"(GS (t 0.00) (pm BeforeKickOff))", 0, PlaySide::UNKNOWN, RawPlayMode::BEFORE_KICK_OFF, 0},
        {"(GS (unum 7) (team right) (t 0.00) (pm BeforeKickOff))", 7, PlaySide::RIGHT, RawPlayMode::BEFORE_KICK_OFF, 0},
        {"(GS (sl 1) (sr 0) (t 5.5) (pm PlayOn))", 7, PlaySide::RIGHT, RawPlayMode::PLAY_ON, 1},
        {"(GS (team left) (t 6.0))", 7, PlaySide::RIGHT, RawPlayMode::NONE, 0},
        {"(GS (unum 9) (t 6.0) (pm PlayOn))", 9, PlaySide::UNKNOWN, RawPlayMode::PLAY_ON, 0},
        {"(time (now 7.0))", 9, PlaySide::UNKNOWN, RawPlayMode::PLAY_ON, 0},
    };
    Cycles run;
    for (const Row& cycle : cycles) {
        const AgentPerception& snapshot = run.perceive(cycle.message);

        EXPECT_EQ(snapshot.getUniformNumber(), cycle.uniformNumber) << cycle.message;
        EXPECT_EQ(snapshot.getPlaySide(), cycle.side) << cycle.message;
        EXPECT_EQ(snapshot.getGameState().getPlayMode(), cycle.playMode) << cycle.message;
        EXPECT_EQ(snapshot.getGameState().getScoreLeft(), cycle.scoreLeft) << cycle.message;
        EXPECT_EQ(snapshot.getPlayMode(), 0);
    }
}

TEST(AgentPerceptionTest, KeepsTheLastMessageOfTheDefaultTeam) {
    struct Row {
        std::string message;
        std::string kept;
    };
    // One cycle per row, in order.
    const std::vector<Row> cycles{
        {"(hear Marlowinds 1.00 self first)", "first"},
        {"(time (now 1.02))", "first"},
        {"(hear marlowinds 1.04 30 second)", "first"},
        {"(hear Rivals 1.06 30 third)", "first"},
        {"(hear Marlowinds 1.08 -30 fourth)(hear Rivals 1.08 30 fifth)", "fourth"},
        {"(hear Marlowinds 1.10 -30 sixth)(hear Marlowinds 1.10 self seventh)", "seventh"},
    };
    Cycles run;
    for (const Row& cycle : cycles) {
        const AgentPerception& snapshot = run.perceive(cycle.message);

        EXPECT_EQ(snapshot.getHearData().getMessage(), cycle.kept) << cycle.message;
    }
}

TEST(AgentPerceptionTest, TheLastVisionGroupOfAMessageWins) {
    Cycles run;

    const AgentPerception& snapshot = run.perceive("(See (B (pol 1 0 0)) (F1L (pol 1 0 0)))(See (G1L (pol 2 0 0)))");

    ASSERT_EQ(snapshot.getVisibleObjects().size(), 1u);
    EXPECT_EQ(snapshot.getVisibleObjects()[0]->getName(), "G1L");
    EXPECT_TRUE(snapshot.receivedVisionUpdate());
}

TEST(AgentPerceptionTest, VisibleObjectsOutliveTheirPerceptorsUntilTheNextUpdate) {
    Cycles run;
    const auto root = run.parser.parseMessage("(See (B (pol 3 0 0)) (L (pol 1 0 0) (pol 2 0 0)))");
    run.factory.update(*root);
    auto& vision = dynamic_cast<VisionPerceptor&>(*run.factory.getPerceptors().front());

    run.snapshot.update(run.factory.getPerceptors());
    EXPECT_TRUE(vision.getVisibleObjects().empty());
    const auto next = run.parser.parseMessage("(time (now 1))");
    run.factory.update(*next);

    ASSERT_EQ(run.snapshot.getVisibleObjects().size(), 2u);
    EXPECT_NEAR(run.snapshot.getVisibleObjects()[0]->getDistance(), 3.0, 1e-12);
    EXPECT_EQ(run.snapshot.getVisibleObjects()[1]->getVisibleObjectType(), VisibleObjectType::LINE);
}

TEST(AgentPerceptionTest, IgnoresAPerceptorWhoseClassDoesNotMatchItsType) {
    const testing::ParsedGroup time("(time (now 5))");
    std::vector<std::unique_ptr<Perceptor>> perceptors;
    perceptors.push_back(std::make_unique<Perceptor>(time.node()));
    perceptors.push_back(nullptr);
    AgentPerception snapshot;

    snapshot.update(perceptors);

    EXPECT_EQ(snapshot.getGlobalTime(), 0.0);
}

} // namespace
} // namespace perception
