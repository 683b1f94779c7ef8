#include "modeling/BodyModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/GeometryExpectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using J = representations::NaoJoints;
using testing::expectNear;
using testing::reflect;
using P = BodyPartType;

constexpr double PI = MathUtils::PI;

J posture(std::initializer_list<std::pair<J::HINGE_JOINTS, double>> angles) {
    J joints;
    for (const auto& [joint, angle] : angles) {
        joints.setValue(joint, angle);
    }
    return joints;
}

BodyModel updatedModel(const J& angles) {
    BodyModel model;
    model.update(angles);
    return model;
}

/// What a case reads: a part's centre or its x axis, a sole point or the centre of mass.
enum class Point { CENTER, X_AXIS, LEFT_SOLE, RIGHT_SOLE, MASS };

Vector3<double> positionOf(const BodyModel& model, Point point, P part) {
    switch (point) {
    case Point::X_AXIS:
        return model.getTransformAtCenter(part).rotation.c0;
    case Point::LEFT_SOLE:
        return model.getLeftLegEndEffectorTransform().translation;
    case Point::RIGHT_SOLE:
        return model.getRightLegEndEffectorTransform().translation;
    case Point::MASS:
        return model.computeCenterOfMass();
    default:
        return model.getTransformAtCenter(part).translation;
    }
}

struct PoseCase {
    const char* description;
    J angles;
    Point point;
    P part;
    Vector3<double> expected;
    double tolerance;
};

TEST(BodyModelTest, WorkedPositionsHold) {
    const J bentKnee = posture({{J::LEFT_KNEE_PITCH, -1.0}});
    const J pitchedNeck = posture({{J::NECK_PITCH, 0.5}});
    const J turnedNeck = posture({{J::NECK_YAW, PI / 2}});
    const PoseCase cases[] = {
        {"zero: head", J(), Point::CENTER, P::HEAD, {0, 0, 0.155}, 1e-12},
        {"zero: left lower arm", J(), Point::CENTER, P::LEFT_LOWERARM, {0.14, 0.098, 0.084}, 1e-12},
        {"zero: left foot", J(), Point::CENTER, P::LEFT_FOOT, {0.025, 0.055, -0.375}, 1e-12},
        {"zero: left sole", J(), Point::LEFT_SOLE, P::LEFT_FOOT, {0.025, 0.055, -0.385}, 1e-12},
        {"zero: right sole", J(), Point::RIGHT_SOLE, P::RIGHT_FOOT, {0.025, -0.055, -0.385}, 1e-12},
        {"zero: centre of mass", J(), Point::MASS, P::TORSO, {0.01628, 0, -0.07884}, 1e-5},
        {"bent left knee: left sole", bentKnee, Point::LEFT_SOLE, P::LEFT_FOOT, {-0.11501, 0.055, -0.34129}, 1e-5},
        {"bent left knee: right sole unchanged",
         bentKnee,
         Point::RIGHT_SOLE,
         P::RIGHT_FOOT,
         {0.025, -0.055, -0.385},
         1e-12},
        {"neck pitch: head", pitchedNeck, Point::CENTER, P::HEAD, {-0.0024, 0, 0.15439}, 1e-5},
        {"neck pitch: head x axis", pitchedNeck, Point::X_AXIS, P::HEAD, {0.8776, 0, 0.4794}, 1e-4},
        {"neck yaw: head", turnedNeck, Point::CENTER, P::HEAD, {0, 0, 0.155}, 1e-12},
        {"neck yaw: head x axis", turnedNeck, Point::X_AXIS, P::HEAD, {0, 1, 0}, 1e-12},
    };
    for (const PoseCase& c : cases) {
        SCOPED_TRACE(c.description);
        const BodyModel model = updatedModel(c.angles);
        expectNear(positionOf(model, c.point, c.part), c.expected, c.tolerance);
    }
}

TEST(BodyModelTest, TorsoStaysTheIdentity) {
    const BodyModel model = updatedModel(posture({{J::LEFT_HIP_YAWPITCH, -0.7}, {J::NECK_YAW, 1.0}}));
    const Pose3D& torso = model.getTransformAtCenter(P::TORSO);
    expectNear(torso.rotation, RotationMatrix(), 0.0);
    expectNear(torso.translation, {0, 0, 0}, 0.0);
}

TEST(BodyModelTest, HipAxesAreTurnedIntoTheTorsoFrame) {
    // The worked positions show the other axes; these two could both be wrong and still mirror each other.
    const BodyModel model;
    expectNear(model.getBodyPart(P::LEFT_HIP1).hingeJoint.axis, {0, 0.7071067811865476, -0.7071067811865476}, 1e-15);
    expectNear(model.getBodyPart(P::RIGHT_HIP1).hingeJoint.axis, {0, 0.7071067811865476, 0.7071067811865476}, 1e-15);
}

TEST(BodyModelTest, RangesClampNothing) {
    const double beyondRange = -3.0; // the knee's range ends at -130 degrees
    const BodyModel model = updatedModel(posture({{J::LEFT_KNEE_PITCH, beyondRange}}));
    const BodyModel atLimit = updatedModel(posture({{J::LEFT_KNEE_PITCH, MathUtils::degreesToRadians(-130)}}));
    EXPECT_GT(
        (model.getLeftLegEndEffectorTransform().translation - atLimit.getLeftLegEndEffectorTransform().translation)
            .norm(),
        0.01);
}

TEST(BodyModelTest, NonFiniteAngleKeepsTheLastFiniteOne) {
    BodyModel model;
    model.update(posture({{J::LEFT_KNEE_PITCH, -1.0}}));
    const Vector3<double> bent = model.getLeftLegEndEffectorTransform().translation;

    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        model.update(posture({{J::LEFT_KNEE_PITCH, bad}}));
        expectNear(model.getLeftLegEndEffectorTransform().translation, bent, 1e-15);
    }
    model.update(J());
    expectNear(model.getLeftLegEndEffectorTransform().translation, {0.025, 0.055, -0.385}, 1e-12);
}

TEST(BodyModelTest, UnknownBodyPartIsRejected) {
    const BodyModel model;
    EXPECT_THROW(model.getTransformAtCenter(P::NO_PART), std::out_of_range);
    EXPECT_THROW(model.getBodyPart(static_cast<P>(-1)), std::out_of_range);
}

// Left/right partners and whether a joint's angle flips under the mirror y -> -y:
// rotations about x or z flip, rotations about y keep their sign, and the two hip
// yaw-pitch axes are each other's mirror image up to sign, so that joint keeps its sign.
struct MirrorRow {
    J::HINGE_JOINTS left;
    J::HINGE_JOINTS right;
    double factor;
};
const MirrorRow MIRROR[] = {
    {J::LEFT_SHOULDER_PITCH, J::RIGHT_SHOULDER_PITCH, 1},
    {J::LEFT_SHOULDER_YAW, J::RIGHT_SHOULDER_YAW, -1},
    {J::LEFT_ARM_ROLL, J::RIGHT_ARM_ROLL, -1},
    {J::LEFT_ARM_YAW, J::RIGHT_ARM_YAW, -1},
    {J::LEFT_HIP_YAWPITCH, J::RIGHT_HIP_YAWPITCH, 1},
    {J::LEFT_HIP_ROLL, J::RIGHT_HIP_ROLL, -1},
    {J::LEFT_HIP_PITCH, J::RIGHT_HIP_PITCH, 1},
    {J::LEFT_KNEE_PITCH, J::RIGHT_KNEE_PITCH, 1},
    {J::LEFT_FOOT_PITCH, J::RIGHT_FOOT_PITCH, 1},
    {J::LEFT_FOOT_ROLL, J::RIGHT_FOOT_ROLL, -1},
};

J mirrored(const J& joints) {
    J result;
    result.setValue(J::NECK_YAW, -joints.getValue(J::NECK_YAW));
    result.setValue(J::NECK_PITCH, joints.getValue(J::NECK_PITCH));
    for (const MirrorRow& row : MIRROR) {
        result.setValue(row.left, row.factor * joints.getValue(row.right));
        result.setValue(row.right, row.factor * joints.getValue(row.left));
    }
    return result;
}

P mirrorPart(P part) {
    const int i = static_cast<int>(part);
    if (i >= 3 && i <= 6) {
        return static_cast<P>(i + 4);
    }
    if (i >= 7 && i <= 10) {
        return static_cast<P>(i - 4);
    }
    if (i >= 11 && i <= 16) {
        return static_cast<P>(i + 6);
    }
    if (i >= 17 && i <= 22) {
        return static_cast<P>(i - 6);
    }
    return part;
}

J randomPosture() {
    auto draw = MathUtils::getUniformRandomGenerator(-1.5, 1.5);
    J joints;
    for (int joint = 0; joint < J::NUMBER_OF_JOINTS; ++joint) {
        joints.setValue(static_cast<J::HINGE_JOINTS>(joint), draw());
    }
    return joints;
}

TEST(BodyModelTest, MirroredJointsGiveMirroredPoses) {
    MathUtils::generator.seed(5489u);
    for (int trial = 0; trial < 20; ++trial) {
        const J joints = randomPosture();
        const BodyModel model = updatedModel(joints);
        const BodyModel mirror = updatedModel(mirrored(joints));
        for (int i = 0; i < BodyModel::NUMBER_OF_BODY_PARTS; ++i) {
            SCOPED_TRACE(i);
            const Pose3D& original = model.getTransformAtCenter(static_cast<P>(i));
            const Pose3D& image = mirror.getTransformAtCenter(mirrorPart(static_cast<P>(i)));
            expectNear(image.translation, reflect(original.translation), 1e-12);
            expectNear(image.rotation, reflect(original.rotation), 1e-12);
        }
        expectNear(mirror.getRightLegEndEffectorTransform().translation,
                   reflect(model.getLeftLegEndEffectorTransform().translation), 1e-12);
        expectNear(mirror.computeCenterOfMass(), reflect(model.computeCenterOfMass()), 1e-12);
    }
}

TEST(BodyModelTest, RandomPosturesNeverGiveNaN) {
    MathUtils::generator.seed(5489u);
    BodyModel model;
    for (int trial = 0; trial < 200; ++trial) {
        model.update(randomPosture());
        const Vector3<double> com = model.computeCenterOfMass();
        const Vector3<double> sole = model.getLeftLegEndEffectorTransform().translation;
        ASSERT_TRUE(std::isfinite(com.x) && std::isfinite(com.y) && std::isfinite(com.z));
        ASSERT_TRUE(std::isfinite(sole.x) && std::isfinite(sole.y) && std::isfinite(sole.z));
        // Rotations stay rotations: columns of unit length.
        EXPECT_NEAR(model.getTransformAtCenter(P::RIGHT_FOOT).rotation.c1.norm(), 1.0, 1e-12);
    }
}

TEST(BodyModelTest, UpdateAllocatesNothing) {
    MathUtils::generator.seed(5489u);
    const J angles = randomPosture();
    BodyModel model;
    model.update(angles);

    if (!testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    const long before = testing::AllocationCounter::count();
    for (int cycle = 0; cycle < 10; ++cycle) {
        model.update(angles);
        static_cast<void>(model.computeCenterOfMass());
        static_cast<void>(model.getLeftLegEndEffectorTransform());
        static_cast<void>(model.getRightLegEndEffectorTransform());
    }
    EXPECT_EQ(testing::AllocationCounter::count(), before);
}

} // namespace
} // namespace modeling
