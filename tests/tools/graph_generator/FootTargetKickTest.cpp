#include "tools/graph_generator/FootTargetKick.h"

#include "control/neural_network/NeuralPlayer.h"
#include "modeling/BodyModel.h"
#include "representations/MarlowindsConstants.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/GraphKinds.h"

#include <gtest/gtest.h>

#include <random>

namespace tools {
namespace graph_generator {
namespace {

using control::walking::OmnidirectionalWalkZMPParams;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using modeling::BodyPartType;
using modeling::testing::expectNear;
using representations::NaoJoints;

const auto NAO = control::walking::RobotPhysicalParameters::getNaoPhysicalParameters();
constexpr double MILLIMETRE = 0.001;

/// The body model takes the server's joint directions, the kicks the engines'.
modeling::BodyModel bodyIn(const NaoJoints& posture) {
    modeling::BodyModel body;
    body.update(posture * NaoJoints::getNaoDirectionsFixing());
    return body;
}

TEST(FootTargetKickTest, TheRightFootReachesItsTargetsFromTheFlatLeftFootAtAnyStance) {
    std::mt19937 random(14);
    const auto draw = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int kick = 0; kick < 20; ++kick) {
        OmnidirectionalWalkZMPParams walk;
        walk.zCom = draw(0.29, 0.33);
        walk.ySeparation = draw(0.045, 0.065);
        FootTargetKick source;
        for (int step = 0; step < 6; ++step) {
            source.steps.push_back({0.1, draw(0.0, 0.4), std::nullopt});
            if (step % 3 != 0) { // else the foot stands where the walk stands it
                source.steps.back().rightFoot = FootTargetKick::FootTarget{draw(-0.1, 0.12), draw(-0.11, -0.09),
                                                                           draw(0.02, 0.08), draw(-0.1, 0.65)};
            }
        }
        const PostureTrajectory trajectory = source.toTrajectory(walk, NAO);
        ASSERT_EQ(trajectory.postures.size(), source.steps.size() + 1);
        for (std::size_t step = 0; step < source.steps.size(); ++step) {
            SCOPED_TRACE(::testing::Message() << "kick " << kick << ", step " << step + 1);
            const auto target = source.steps[step].rightFoot.value_or(
                FootTargetKick::FootTarget{0.0, -2.0 * walk.ySeparation, 0.0, 0.0});
            const Vector3<double> centreFromAnkle{NAO.footOffsetX, 0.0, NAO.footOffsetZ};

            const modeling::BodyModel body = bodyIn(trajectory.postures[step + 1]);
            const Pose3D left = body.getTransformAtCenter(BodyPartType::LEFT_FOOT);
            EXPECT_NEAR(left.translation.x, 0.0, MILLIMETRE);
            EXPECT_NEAR(left.translation.z, -walk.zCom, MILLIMETRE);
            expectNear(left.rotation, RotationMatrix(), 1e-3);
            // The ankle stands where a flat foot's would, and the foot turns about the ankle's pitch joint.
            const Pose3D ankle = left.inverse() * body.getTransformAtCenter(BodyPartType::RIGHT_ANKLE);
            expectNear(ankle.translation, Vector3<double>{target.x, target.y, target.z} - centreFromAnkle, MILLIMETRE);
            const RotationMatrix toeDown(ankle.rotation * Vector3<double>{0.0, 1.0, 0.0}, target.pitch);
            const Pose3D right = left.inverse() * body.getTransformAtCenter(BodyPartType::RIGHT_FOOT);
            expectNear(right.translation, ankle.translation + toeDown * centreFromAnkle, MILLIMETRE);
            expectNear(right.rotation, toeDown, 1e-3);
        }
    }
}

class FootTargetKickGraphTest : public testing::Test {
protected:
    std::string file(const std::string& name) const { return (workingDirectory.getRoot() / name).string(); }

    void writeWalk(const std::string& zCom) const {
        tests::TemporaryFolder::write(file("walk.json"), R"({"period": 0.2, "zCom": )" + zCom +
                                                             R"(, "doubleSupportRatio": 0.2, "ySeparation": 0.055})");
    }

    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    control::neural_network::NeuralPlayer player{representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER};
};

TEST_F(FootTargetKickGraphTest, TheKickStandsAndShiftsItsWeightAtTheWalkFilesStance) {
    tests::TemporaryFolder::write(file("kick.json"), R"({"steps": [{"duration": 0.5, "roll": 0.39},
                                                                   {"duration": 0.5}]})");
    for (const double zCom : {0.3, 0.325, 0.35}) {
        SCOPED_TRACE(zCom);
        writeWalk(std::to_string(zCom));
        writeGraphFile(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/kick.pb",
                       makeGraph("foot_target_kick", {"source=" + file("kick.json"), "walk=" + file("walk.json")}));
        player.setNetwork("kick", 1);
        for (const double time : {0.0, 1.0}) {
            const modeling::BodyModel body = bodyIn(player.getDesiredJoints({time}));
            for (const auto& [foot, y] :
                 {std::pair{BodyPartType::LEFT_FOOT, 0.055}, {BodyPartType::RIGHT_FOOT, -0.055}}) {
                expectNear(body.getTransformAtCenter(foot).translation, {0.0, y, -zCom}, MILLIMETRE);
                expectNear(body.getTransformAtCenter(foot).rotation, RotationMatrix(), 1e-3);
            }
        }
        // With the feet below the hips, the legs lean by the roll over flat soles.
        const NaoJoints& shifted = player.getDesiredJoints({0.5});
        for (const auto& [hipRoll, footRoll] : {std::pair{NaoJoints::LEFT_HIP_ROLL, NaoJoints::LEFT_FOOT_ROLL},
                                                {NaoJoints::RIGHT_HIP_ROLL, NaoJoints::RIGHT_FOOT_ROLL}}) {
            EXPECT_NEAR(shifted.getValue(hipRoll), -0.39, 1e-6);
            EXPECT_NEAR(shifted.getValue(footRoll), 0.39, 1e-6);
        }
    }
}

TEST_F(FootTargetKickGraphTest, RefusesMalformedSourcesAndWalkFilesNamingThem) {
    const std::string stand = R"({"duration": 0.4})";
    const struct {
        std::string kick;
        std::string zCom;
        std::string error;
    } cases[] = {
        {R"({"steps": [{"duration": 0.4, "rol": 0.39}, )" + stand + "]}", "0.3", "kick.json: step 1: a step has no"},
        {R"({"steps": [{"roll": 0.39}, )" + stand + "]}", "0.3", "kick.json: step 1: \"duration\" is missing"},
        {R"({"steps": [{"duration": 0.0005}, )" + stand + "]}", "0.3", "kick.json: step 1: it takes less than"},
        {R"({"steps": [{"duration": 0.4, "roll": 0.39}]})", "0.3", "kick.json: the last step must stand"},
        {R"({"steps": {"first": )" + stand + "}}", "0.3", "kick.json: \"steps\" must be a list"},
        {R"({"steps": [)" + stand + "]}", "\"abc\"", "walk.json: \"zCom\": stod"},
        {R"({"steps": [)" + stand + "]}", "0", "walk.json: not a walk parameter set the walk can use"},
    };
    for (const auto& c : cases) {
        tests::TemporaryFolder::write(file("kick.json"), c.kick);
        writeWalk(c.zCom);
        try {
            makeGraph("foot_target_kick", {"source=" + file("kick.json"), "walk=" + file("walk.json")});
            ADD_FAILURE() << c.error << ": accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(makeGraph("foot_target_kick", {"source=" + file("kick.json")}), std::invalid_argument);
}

} // namespace
} // namespace graph_generator
} // namespace tools
