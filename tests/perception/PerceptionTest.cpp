#include "perception/Perception.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/MalformedInputReporter.h"
#include "perception/VisibleLine.h"
#include "perception/VisiblePlayer.h"
#include "tests/perception/MessageFeed.h"
#include "tests/support/DamagedServerStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;
using representations::NaoJoints;
using utils::parser::Parser;

const std::string VISION = "(See (F1L (pol 18.66 53.57 -5.03)) (B (pol 1.89 -0.28 -57.93)) "
                           "(L (pol 1.90 -0.22 -60.04) (pol 11.10 0.04 -8.46)) "
                           "(P (team Rivals) (id 4) (head (pol 6.34 12.02 1.26)) (rfoot (pol 6.37 10.98 -5.41))))";

/// A cycle's message in the server's shape: the neck joints first, vision
/// (when given) between them and the other joints, the feet among the legs.
/// Every joint reads angleDegrees.
std::string serverMessage(double time, const std::string& vision, double angleDegrees) {
    const std::string angle = std::to_string(angleDegrees);
    std::string message = "(time (now " + std::to_string(time) +
                          "))(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))"
                          "(GYR (n torso) (rt 0.00 -0.00 0.00))(ACC (n torso) (a 0.00 0.00 9.81))"
                          "(HJ (n hj1) (ax " +
                          angle + "))(HJ (n hj2) (ax " + angle + "))" + vision;
    for (const std::string sensor : {"raj1", "raj2", "raj3", "raj4", "laj1", "laj2", "laj3", "laj4", "rlj1", "rlj2",
                                     "rlj3", "rlj4", "rlj5", "rlj6"}) {
        message += "(HJ (n " + std::string(sensor) + ") (ax " + angle + "))";
    }
    message += "(FRP (n rf) (c 0.01 0.02 -0.02) (f -0.09 0.04 23.11))";
    for (const std::string sensor : {"llj1", "llj2", "llj3", "llj4", "llj5", "llj6"}) {
        message += "(HJ (n " + std::string(sensor) + ") (ax " + angle + "))";
    }
    return message;
}

void expectAllJoints(const AgentPerception& snapshot, double angleDegrees) {
    for (const double value : snapshot.getNaoJoints().getAsVector()) {
        EXPECT_NEAR(value, MathUtils::degreesToRadians(angleDegrees), 1e-9);
    }
}

TEST(PerceptionTest, FollowsTheServerCycleByCycle) {
    struct Row {
        double time;
        bool vision;
        double angle;
    };
    // Vision every third cycle.
    const std::vector<Row> cycles{{0.38, true, -0.0}, {0.40, false, 1.5}, {0.42, false, -2.25}, {0.44, true, 3.0}};
    Perception perception;
    testing::MessageFeed feed;
    for (const Row& cycle : cycles) {
        perception.perceive(feed.deliver(serverMessage(cycle.time, cycle.vision ? VISION : "", cycle.angle)));

        const AgentPerception& snapshot = perception.getAgentPerception();
        EXPECT_NEAR(snapshot.getGlobalTime(), cycle.time, 1e-9);
        EXPECT_EQ(snapshot.receivedVisionUpdate(), cycle.vision);
        EXPECT_EQ(snapshot.getVisibleObjects().size(), cycle.vision ? 4u : 0u);
        expectAllJoints(snapshot, cycle.angle);
        EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, 23.11);
        EXPECT_EQ(snapshot.getLeftFootForceResistanceData().getForce().z, 0.0);
        EXPECT_DOUBLE_EQ(snapshot.getTorsoAcceleration().z, 9.81);
    }
}

TEST(PerceptionTest, KeepsTheRadioOfTheTeamItWasGiven) {
    Perception perception("Rivals");
    testing::MessageFeed feed;

    perception.perceive(feed.deliver("(hear Rivals 1.00 -20 ours)(hear Marlowinds 1.00 20 theirs)"));
    perception.perceive(feed.deliver("(hear Marlowinds 1.02 20 theirs)"));

    EXPECT_EQ(perception.getAgentPerception().getHearData().getTeam(), "Rivals");
    EXPECT_EQ(perception.getAgentPerception().getHearData().getMessage(), "ours");
}

TEST(PerceptionTest, AMalformedGroupIsSkippedAndTheRestOfTheMessageUsed) {
    Perception perception;
    testing::MessageFeed feed;
    std::string message = serverMessage(2.0, VISION, 10.0);
    message.replace(message.find("(HJ (n hj2) (ax 10.000000))"), 27, "(HJ (n hj2))");
    ::testing::internal::CaptureStderr();

    perception.perceive(feed.deliver(message));

    EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
    const AgentPerception& snapshot = perception.getAgentPerception();
    EXPECT_EQ(snapshot.getNaoJoints().getValue(NaoJoints::NECK_PITCH), 0.0);
    EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::NECK_YAW), MathUtils::degreesToRadians(10.0), 1e-9);
    EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::LEFT_FOOT_ROLL), MathUtils::degreesToRadians(10.0), 1e-9);
    EXPECT_EQ(snapshot.getVisibleObjects().size(), 4u);
    EXPECT_DOUBLE_EQ(snapshot.getGlobalTime(), 2.0);
}

TEST(PerceptionTest, AMessageThatDoesNotParseIsDroppedAndTheNextPerceived) {
    Perception perception;
    testing::MessageFeed feed;
    perception.perceive(feed.deliver(serverMessage(1.0, VISION, 5.0)));
    const std::string tooDeep = serverMessage(1.02, VISION, 6.0) + std::string(Parser::MAXIMUM_DEPTH + 1, '(');
    ::testing::internal::CaptureStderr();

    perception.perceive(feed.deliver(tooDeep));

    const std::string diagnostics = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(diagnostics.rfind("(Perception) dropped a message", 0), 0u) << diagnostics;
    EXPECT_EQ(std::count(diagnostics.begin(), diagnostics.end(), '\n'), 1) << diagnostics;
    // Nothing is seen; the body's readings are those of the last message.
    const AgentPerception& dropped = perception.getAgentPerception();
    EXPECT_DOUBLE_EQ(dropped.getGlobalTime(), 1.0);
    EXPECT_DOUBLE_EQ(dropped.getTorsoAcceleration().z, 9.81);
    EXPECT_TRUE(dropped.getVisibleObjects().empty());
    EXPECT_FALSE(dropped.receivedVisionUpdate());
    expectAllJoints(dropped, 5.0);
    EXPECT_DOUBLE_EQ(dropped.getRightFootForceResistanceData().getForce().z, 23.11);

    perception.perceive(feed.deliver(serverMessage(1.04, VISION, 7.0)));

    const AgentPerception& next = perception.getAgentPerception();
    EXPECT_NEAR(next.getGlobalTime(), 1.04, 1e-9);
    EXPECT_EQ(next.getVisibleObjects().size(), 4u);
    expectAllJoints(next, 7.0);
}

TEST(PerceptionTest, AMessageCutShortGivesWhatCameBeforeTheCutAndKeepsTheRestOfTheBody) {
    const std::string before = serverMessage(1.0, "", 5.0);
    const std::string cut = serverMessage(1.02, VISION, 16.5);
    struct Row {
        const char* name;
        std::size_t length;
        bool vision;
        double raj2, raj3, rlj4; // degrees
    };
    const std::size_t afterRaj2 = cut.find("(HJ (n raj3)");
    const Row rows[] = {
        {"inside the vision", cut.find("(B (pol"), false, 5.0, 5.0, 5.0},
        {"inside a joint's angle", cut.find("(ax 16.5", afterRaj2) + 5, true, 16.5, 5.0, 5.0},
        {"inside a joint's name", cut.find("(HJ (n rlj4)") + 8, true, 16.5, 16.5, 5.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Perception perception;
        testing::MessageFeed feed;
        perception.perceive(feed.deliver(before));
        ::testing::internal::CaptureStderr();

        perception.perceive(feed.deliver(cut.substr(0, row.length)));

        const std::string diagnostics = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(diagnostics.rfind("(Perception) skipped a malformed group, cut short", 0), 0u) << diagnostics;
        const AgentPerception& snapshot = perception.getAgentPerception();
        EXPECT_NEAR(snapshot.getGlobalTime(), 1.02, 1e-9);
        EXPECT_EQ(snapshot.receivedVisionUpdate(), row.vision);
        const auto expectJoint = [&snapshot](NaoJoints::HINGE_JOINTS joint, double degrees) {
            EXPECT_NEAR(snapshot.getNaoJoints().getValue(joint), MathUtils::degreesToRadians(degrees), 1e-9) << joint;
        };
        expectJoint(NaoJoints::NECK_YAW, 16.5);
        expectJoint(NaoJoints::RIGHT_SHOULDER_YAW, row.raj2);
        expectJoint(NaoJoints::RIGHT_ARM_ROLL, row.raj3);
        expectJoint(NaoJoints::RIGHT_KNEE_PITCH, row.rlj4);
        expectJoint(NaoJoints::LEFT_FOOT_ROLL, 5.0);
        EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, 23.11);
    }
}

TEST(PerceptionTest, AMessageWithFewerJointsThanTheLastWholeOneIsTakenAsDamaged) {
    const std::string before = serverMessage(1.0, "", 5.0);
    const std::string next = serverMessage(1.02, "", 16.5);
    struct Row {
        const char* name;
        std::string message;
        double rlj4; // degrees
    };
    const std::size_t rlj4 = next.find("(HJ (n rlj4)");
    const std::size_t rlj4End = next.find("))", rlj4) + 2;
    const Row rows[] = {
        {"cut right after a group", next.substr(0, rlj4), 5.0},
        {"a joint's group left out", next.substr(0, rlj4) + next.substr(rlj4End), 5.0},
        {"a joint's group named by an unknown name", next.substr(0, rlj4) + "(HJ (n rlj9)" + next.substr(rlj4 + 12),
         5.0},
        {"every joint given", next, 16.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Perception perception;
        testing::MessageFeed feed;
        perception.perceive(feed.deliver(before));

        perception.perceive(feed.deliver(row.message));

        const AgentPerception& snapshot = perception.getAgentPerception();
        EXPECT_NEAR(snapshot.getGlobalTime(), 1.02, 1e-9);
        EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::NECK_YAW), MathUtils::degreesToRadians(16.5), 1e-9);
        EXPECT_NEAR(snapshot.getNaoJoints().getValue(NaoJoints::RIGHT_KNEE_PITCH),
                    MathUtils::degreesToRadians(row.rlj4), 1e-9);
        EXPECT_DOUBLE_EQ(snapshot.getRightFootForceResistanceData().getForce().z, 23.11);
    }
}

/// Every number of the snapshot.
std::vector<double> readings(const AgentPerception& snapshot) {
    std::vector<double> numbers = snapshot.getNaoJoints().getAsVector();
    const auto add = [&numbers](const marlowinds_lib::math::Vector3<double>& v) {
        numbers.insert(numbers.end(), {v.x, v.y, v.z});
    };
    const auto& game = snapshot.getGameState();
    const auto& heard = snapshot.getHearData();
    numbers.insert(numbers.end(), {game.getGameTime(), snapshot.getTemperature(), snapshot.getBatteryPercentage(),
                                   snapshot.getGlobalTime(), heard.getHeardServerTime(), heard.getDirection()});
    for (const auto* foot : {&snapshot.getLeftFootForceResistanceData(), &snapshot.getRightFootForceResistanceData()}) {
        add(foot->getOriginCoordinates());
        add(foot->getForce());
    }
    add(snapshot.getTorsoAcceleration());
    add(snapshot.getTorsoAngularVelocities());
    for (const auto& object : snapshot.getVisibleObjects()) {
        add(object->getPosition());
        if (const auto* line = dynamic_cast<const VisibleLine*>(object.get())) {
            add(line->getPosition2());
        }
        if (const auto* player = dynamic_cast<const VisiblePlayer*>(object.get())) {
            for (const auto& part : player->getAllBodyParts()) {
                add(part.second);
            }
        }
    }
    return numbers;
}

/// Everything of the snapshot but its numbers.
std::string labels(const AgentPerception& snapshot) {
    const auto& game = snapshot.getGameState();
    const auto& heard = snapshot.getHearData();
    std::ostringstream text;
    text << snapshot.getUniformNumber() << ' ' << snapshot.getPlaySide() << ' ' << game.getScoreLeft() << ' '
         << game.getScoreRight() << ' ' << game.getPlayMode() << ' ' << snapshot.receivedVisionUpdate() << " | "
         << heard.getTeam() << ' ' << heard.isFromSelf() << ' ' << heard.getMessage() << " |";
    for (const auto& object : snapshot.getVisibleObjects()) {
        text << ' ' << object->getName() << '/' << object->getVisibleObjectType();
        if (const auto* player = dynamic_cast<const VisiblePlayer*>(object.get())) {
            text << '/' << player->getTeamName() << '/' << player->getId();
            for (const auto& part : player->getAllBodyParts()) {
                text << '/' << part.first;
            }
        }
    }
    return text.str();
}

TEST(PerceptionTest, NothingOfADamagedMessageOutlivesIt) {
    // The perception's share of the agent's damage test, which runs the whole cycle.
    constexpr int DAMAGED_MESSAGES = MARLOWINDS_DAMAGED_MESSAGES / 10;
    const std::string team = "Marlowinds";
    tests::DamagedServerStream stream(18, team);
    Perception perception(team);
    testing::MessageFeed feed;
    for (int i = 0; i < DAMAGED_MESSAGES; ++i) {
        const std::string damaged = stream.getDamager().damage(stream.next());
        const std::string shown = MalformedInputReporter::printable(damaged, 600);
        ASSERT_NO_THROW(perception.perceive(feed.deliver(damaged))) << shown;
        for (const double number : readings(perception.getAgentPerception())) {
            ASSERT_TRUE(std::isfinite(number)) << shown;
        }

        const std::string good = stream.complete();
        perception.perceive(feed.deliver(good));
        Perception fresh(team);
        testing::MessageFeed freshFeed;
        fresh.perceive(freshFeed.deliver(good));

        // Exact: the same text must give the same numbers to the last bit.
        ASSERT_EQ(readings(perception.getAgentPerception()), readings(fresh.getAgentPerception()))
            << "after " << shown << "\nthe message " << good;
        ASSERT_EQ(labels(perception.getAgentPerception()), labels(fresh.getAgentPerception()))
            << "after " << shown << "\nthe message " << good;
    }
}

TEST(PerceptionTest, RandomReadingsNeverGiveNotANumber) {
    MathUtils::generator.seed(5489u);
    auto number = MathUtils::getUniformRandomGenerator(-500.0, 500.0);
    auto distance = MathUtils::getUniformRandomGenerator(0.0, 40.0);
    auto choice = MathUtils::getUniformRandomGenerator(0.0, 1.0);
    Perception perception;
    testing::MessageFeed feed;
    for (int cycle = 0; cycle < 200; ++cycle) {
        const auto n = [&number] { return std::to_string(number()); };
        const auto polar = [&] { return "(pol " + std::to_string(distance()) + " " + n() + " " + n() + ")"; };
        std::string vision = "(See (B " + polar() + ") (L " + polar() + " " + polar() + ") (G1R " + polar() +
                             ") (P (team Rivals) (id 3) (head " + polar() + ") (lfoot " + polar() + ")))";
        std::string message = "(GYR (n torso) (rt " + n() + " " + n() + " " + n() + "))(ACC (n torso) (a " + n() + " " +
                              n() + " " + n() + "))(FRP (n lf) (c " + n() + " " + n() + " " + n() + ") (f " + n() +
                              " " + n() + " " + n() + "))(HJ (n llj3) (ax " + n() + "))";
        message = choice() < 0.5 ? vision + message : message + (choice() < 0.5 ? vision : "");

        perception.perceive(feed.deliver(message));

        const AgentPerception& snapshot = perception.getAgentPerception();
        for (const double value : snapshot.getNaoJoints().getAsVector()) {
            ASSERT_TRUE(std::isfinite(value)) << message;
        }
        for (const auto& vector : {snapshot.getTorsoAngularVelocities(), snapshot.getTorsoAcceleration(),
                                   snapshot.getLeftFootForceResistanceData().getForce()}) {
            ASSERT_TRUE(std::isfinite(vector.x) && std::isfinite(vector.y) && std::isfinite(vector.z)) << message;
        }
        for (const auto& object : snapshot.getVisibleObjects()) {
            ASSERT_TRUE(std::isfinite(object->getPosition().norm())) << message;
            ASSERT_TRUE(std::isfinite(object->getHorizontalAngle())) << message;
        }
    }
}

} // namespace
} // namespace perception
