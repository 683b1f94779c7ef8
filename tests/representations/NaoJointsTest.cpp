#include "representations/NaoJoints.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace representations {
namespace {

using J = NaoJoints;

/// A joint sensor reading as perception delivers it.
class FakePerceptor {
public:
    FakePerceptor(std::string name, double angle) : name(std::move(name)), angle(angle) {}
    std::string getName() const { return name; }
    double getAngle() const { return angle; }

private:
    std::string name;
    double angle;
};

struct JointRow {
    J::HINGE_JOINTS joint;
    const char* perceptorName;
    int perceptorNumber;
    const char* label;
    double sign;
    J::HINGE_JOINTS mirror;
    double mirrorFactor;
};

const JointRow JOINT_TABLE[] = {
    {J::NECK_YAW, "hj1", 0, "neckYaw:", 0, J::NECK_YAW, 0},
    {J::NECK_PITCH, "hj2", 1, "neckPitch:", 0, J::NECK_PITCH, 0},
    {J::LEFT_SHOULDER_PITCH, "laj1", 2, "leftShoulderPitch:", -1, J::RIGHT_SHOULDER_PITCH, 1},
    {J::LEFT_SHOULDER_YAW, "laj2", 3, "leftShoulderYaw:", 1, J::RIGHT_SHOULDER_YAW, -1},
    {J::LEFT_ARM_ROLL, "laj3", 4, "leftArmRoll:", 1, J::RIGHT_ARM_ROLL, 1},
    {J::LEFT_ARM_YAW, "laj4", 5, "leftArmYaw:", 1, J::RIGHT_ARM_YAW, -1},
    {J::RIGHT_SHOULDER_PITCH, "raj1", 12, "rightShoulderPitch:", -1, J::LEFT_SHOULDER_PITCH, 1},
    {J::RIGHT_SHOULDER_YAW, "raj2", 13, "rightShoulderYaw: ", 1, J::LEFT_SHOULDER_YAW, -1},
    {J::RIGHT_ARM_ROLL, "raj3", 14, "rightArmRoll:", 1, J::LEFT_ARM_ROLL, 1},
    {J::RIGHT_ARM_YAW, "raj4", 15, "rightArmYaw:", 1, J::LEFT_ARM_YAW, -1},
    {J::LEFT_HIP_YAWPITCH, "llj1", 6, "leftHipYawPitch:", -1, J::RIGHT_HIP_YAWPITCH, -1},
    {J::LEFT_HIP_ROLL, "llj2", 7, "leftHipRoll:", 1, J::RIGHT_HIP_ROLL, -1},
    {J::LEFT_HIP_PITCH, "llj3", 8, "leftHipPitch:", -1, J::RIGHT_HIP_PITCH, 1},
    {J::LEFT_KNEE_PITCH, "llj4", 9, "leftKneePitch:", -1, J::RIGHT_KNEE_PITCH, 1},
    {J::LEFT_FOOT_PITCH, "llj5", 10, "leftFootPitch:", -1, J::RIGHT_FOOT_PITCH, 1},
    {J::LEFT_FOOT_ROLL, "llj6", 11, "leftFootRoll:", 1, J::RIGHT_FOOT_ROLL, -1},
    {J::RIGHT_HIP_YAWPITCH, "rlj1", 16, "rightHipYawPitch:", 1, J::LEFT_HIP_YAWPITCH, -1},
    {J::RIGHT_HIP_ROLL, "rlj2", 17, "rightHipRoll:", 1, J::LEFT_HIP_ROLL, -1},
    {J::RIGHT_HIP_PITCH, "rlj3", 18, "rightHipPitch:", -1, J::LEFT_HIP_PITCH, 1},
    {J::RIGHT_KNEE_PITCH, "rlj4", 19, "rightKneePitch:", -1, J::LEFT_KNEE_PITCH, 1},
    {J::RIGHT_FOOT_PITCH, "rlj5", 20, "rightFootPitch:", -1, J::LEFT_FOOT_PITCH, 1},
    {J::RIGHT_FOOT_ROLL, "rlj6", 21, "rightFootRoll:", 1, J::LEFT_FOOT_ROLL, -1},
};

J::HINGE_JOINTS joint(int number) { return static_cast<J::HINGE_JOINTS>(number); }

/// Joint i holds first + i.
NaoJoints ramp(double first) {
    NaoJoints joints;
    for (int i = 0; i < J::NUMBER_OF_JOINTS; ++i) {
        joints.setValue(joint(i), first + i);
    }
    return joints;
}

NaoJoints randomPosture() {
    auto uniform = marlowinds_lib::math::MathUtils::getUniformRandomGenerator(-2.0, 2.0);
    NaoJoints joints;
    for (int i = 0; i < J::NUMBER_OF_JOINTS; ++i) {
        joints.setValue(joint(i), uniform());
    }
    return joints;
}

void expectJoints(const NaoJoints& actual, const std::vector<double>& expected) {
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(J::NUMBER_OF_JOINTS));
    for (int i = 0; i < J::NUMBER_OF_JOINTS; ++i) {
        EXPECT_NEAR(actual.getValue(joint(i)), expected[i], 1e-12) << "joint " << i;
    }
}

class NaoJointsTest : public ::testing::Test {
protected:
    void SetUp() override { marlowinds_lib::math::MathUtils::generator.seed(5489u); }
};

TEST_F(NaoJointsTest, PerceptorNamesAreTrimmedAndCaseInsensitive) {
    for (const JointRow& row : JOINT_TABLE) {
        EXPECT_EQ(NaoJoints::getPerceptorJointNumber(row.perceptorName), row.perceptorNumber) << row.perceptorName;
    }
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {" HJ1 ", 0}, {"hj1\n", 0}, {"\tRlJ6", 21}, {"Raj1", 12}, {"hj0", 22}, {"hj", 22},    {"", 22},
        {"   ", 22},  {"rlj7", 22}, {"hj1x", 22},   {"h j1", 22}, {"he1", 22}, {"rlj66", 22},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NaoJoints::getPerceptorJointNumber(c.name), c.number) << '"' << c.name << '"';
    }
}

TEST_F(NaoJointsTest, AssignStoresEachSensorUnderItsJoint) {
    std::vector<FakePerceptor> perceptors;
    for (const JointRow& row : JOINT_TABLE) {
        perceptors.emplace_back(row.perceptorName, 100.0 + row.joint);
    }
    const NaoJoints joints(perceptors);
    for (const JointRow& row : JOINT_TABLE) {
        EXPECT_DOUBLE_EQ(joints.getValue(row.joint), 100.0 + row.joint) << row.perceptorName;
    }
    const NaoJoints fromTemporary(std::vector<FakePerceptor>{{"laj2", 0.25}});
    EXPECT_DOUBLE_EQ(fromTemporary.getValue(J::LEFT_SHOULDER_YAW), 0.25);
}

TEST_F(NaoJointsTest, AssignZeroesFirstSkipsUnknownNamesAndKeepsTheLaterReading) {
    const std::vector<FakePerceptor> unknown = {{"torso", 5.0}, {"lf", 6.0}};
    const std::vector<FakePerceptor> none;
    for (const auto* perceptors : {&unknown, &none}) {
        NaoJoints joints = ramp(1.0);
        joints.assign(*perceptors);
        expectJoints(joints, std::vector<double>(22, 0.0));
    }
    const std::vector<FakePerceptor> twice = {{"llj4", 1.0}, {"LLJ4", 2.0}};
    EXPECT_DOUBLE_EQ(NaoJoints(twice).getValue(J::LEFT_KNEE_PITCH), 2.0);
}

TEST_F(NaoJointsTest, ConstructorFromValuesTakesAtMostTwentyTwo) {
    std::vector<double> thirty;
    for (int i = 0; i < 30; ++i) {
        thirty.push_back(i + 1.0);
    }
    expectJoints(NaoJoints(thirty), ramp(1.0).getAsVector());

    std::vector<double> expected(22, 0.0);
    expected[0] = 1.0;
    expected[1] = 2.0;
    expected[2] = 3.0;
    expectJoints(NaoJoints(std::vector<double>{1.0, 2.0, 3.0}), expected);
}

TEST_F(NaoJointsTest, OutOfRangeJointsReadZeroAndIgnoreWrites) {
    NaoJoints joints = ramp(1.0);
    for (const int number : {22, -1, 1000}) {
        EXPECT_EQ(joints.getValue(joint(number)), 0.0) << number;
        joints.setValue(joint(number), 9.0);
    }
    expectJoints(joints, ramp(1.0).getAsVector());
}

TEST_F(NaoJointsTest, ArithmeticIsElementWiseAndInPlaceOperationsMatchTheirCopies) {
    const NaoJoints a = ramp(1.0);
    const NaoJoints b = ramp(-3.0);
    for (int i = 0; i < J::NUMBER_OF_JOINTS; ++i) {
        const double x = 1.0 + i;
        const double y = -3.0 + i;
        EXPECT_DOUBLE_EQ((a + b).getValue(joint(i)), x + y);
        EXPECT_DOUBLE_EQ((a - b).getValue(joint(i)), x - y);
        EXPECT_DOUBLE_EQ((a * 0.5).getValue(joint(i)), x * 0.5);
        EXPECT_DOUBLE_EQ((a * b).getValue(joint(i)), x * y);
    }
    NaoJoints scaled = a;
    scaled.scale(-1.5);
    expectJoints(scaled, (a * -1.5).getAsVector());
    NaoJoints product = a;
    EXPECT_EQ(&(product *= b), &product);
    expectJoints(product, (a * b).getAsVector());
}

TEST_F(NaoJointsTest, InfiniteNormIgnoresTheNeckAndPassesNaNOn) {
    NaoJoints joints;
    joints.setValue(J::NECK_YAW, 2.0);
    joints.setValue(J::NECK_PITCH, -3.0);
    EXPECT_EQ(joints.lInfiniteNorm(), 0.0);
    joints.setValue(J::LEFT_ARM_ROLL, 0.5);
    joints.setValue(J::RIGHT_FOOT_ROLL, -1.25);
    EXPECT_DOUBLE_EQ(joints.lInfiniteNorm(), 1.25);
    for (const auto nanJoint : {J::LEFT_SHOULDER_PITCH, J::RIGHT_FOOT_ROLL}) {
        NaoJoints withNaN = ramp(1.0);
        withNaN.setValue(nanJoint, std::numeric_limits<double>::quiet_NaN());
        EXPECT_TRUE(std::isnan(withNaN.lInfiniteNorm())) << nanJoint;
    }
}

TEST_F(NaoJointsTest, SignVectorFollowsTable) {
    const NaoJoints signs = NaoJoints::getNaoDirectionsFixing();
    const NaoJoints squared = signs * signs;
    for (const JointRow& row : JOINT_TABLE) {
        EXPECT_EQ(signs.getValue(row.joint), row.sign) << row.label;
        EXPECT_EQ(squared.getValue(row.joint), row.joint <= J::NECK_PITCH ? 0.0 : 1.0) << row.label;
    }
}

TEST_F(NaoJointsTest, MirrorTakesThePartnerValue) {
    const NaoJoints posture = ramp(1.0);
    const NaoJoints mirrored = NaoJoints::getSimetricPositions(posture);
    for (const JointRow& row : JOINT_TABLE) {
        EXPECT_DOUBLE_EQ(mirrored.getValue(row.joint), row.mirrorFactor * posture.getValue(row.mirror)) << row.label;
    }
}

TEST_F(NaoJointsTest, MirrorExamples) {
    const struct {
        J::HINGE_JOINTS left, right;
        double leftValue, rightValue, mirroredLeft, mirroredRight;
    } cases[] = {
        {J::LEFT_SHOULDER_YAW, J::RIGHT_SHOULDER_YAW, 0.5, -0.5, 0.5, -0.5},
        {J::LEFT_HIP_ROLL, J::RIGHT_HIP_ROLL, 0.1, 0.2, -0.2, -0.1},
        {J::LEFT_KNEE_PITCH, J::RIGHT_KNEE_PITCH, 1.0, 0.8, 0.8, 1.0},
        // A bent left elbow becomes a bent right one, inside that elbow's range.
        {J::LEFT_ARM_YAW, J::RIGHT_ARM_YAW, -1.5, 0.0, 0.0, 1.5},
    };
    for (const auto& c : cases) {
        NaoJoints posture;
        posture.setValue(c.left, c.leftValue);
        posture.setValue(c.right, c.rightValue);
        const NaoJoints mirrored = NaoJoints::getSimetricPositions(posture);
        EXPECT_DOUBLE_EQ(mirrored.getValue(c.left), c.mirroredLeft) << c.left;
        EXPECT_DOUBLE_EQ(mirrored.getValue(c.right), c.mirroredRight) << c.right;
    }
}

TEST_F(NaoJointsTest, MirroringTwiceRestoresAllButTheNeck) {
    for (int trial = 0; trial < 20; ++trial) {
        const NaoJoints posture = randomPosture();
        std::vector<double> expected = posture.getAsVector();
        expected[J::NECK_YAW] = 0.0;
        expected[J::NECK_PITCH] = 0.0;
        expectJoints(NaoJoints::getSimetricPositions(NaoJoints::getSimetricPositions(posture)), expected);
    }
}

TEST_F(NaoJointsTest, VectorAndMapFollowJointOrder) {
    const NaoJoints joints = ramp(10.0);
    const std::vector<double> values = joints.getAsVector();
    const auto map = joints.getAsMap();
    ASSERT_EQ(values.size(), 22u);
    ASSERT_EQ(map.size(), 22u);
    for (int i = 0; i < J::NUMBER_OF_JOINTS; ++i) {
        EXPECT_EQ(values[i], 10.0 + i);
        EXPECT_EQ(map.at(joint(i)), 10.0 + i);
    }
}

TEST_F(NaoJointsTest, TextFormsWriteEveryJointInOrder) {
    std::string zeros;
    std::string labelled;
    for (const JointRow& row : JOINT_TABLE) {
        zeros += "0 ";
        labelled += std::string(row.label) + "0\n";
    }
    EXPECT_EQ(NaoJoints().toSimpleString(), zeros);
    EXPECT_EQ(NaoJoints().toString(), labelled);
    EXPECT_NE(labelled.find("\nrightShoulderYaw: 0\n"), std::string::npos);

    NaoJoints joints;
    joints.setValue(J::NECK_YAW, 0.123456789);
    joints.setValue(J::NECK_PITCH, -2.5);
    joints.setValue(J::LEFT_ARM_YAW, 0.1);
    EXPECT_EQ(joints.toSimpleString().substr(0, 14), "0.123457 -2.5 ");
    EXPECT_NE(joints.toString().find("\nleftArmYaw:0.10000000000000001\n"), std::string::npos);
}

} // namespace
} // namespace representations
