#include "control/walking/InverseKinematics.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/BodyModel.h"
#include "tests/modeling/GeometryExpectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace control {
namespace walking {
namespace {

using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using modeling::BodyPartType;
using representations::NaoJoints;

const RobotPhysicalParameters NAO = RobotPhysicalParameters::getNaoPhysicalParameters();
const double MILLIMETRE = 0.001;
const double HALF_DEGREE = marlowinds_lib::math::MathUtils::degreesToRadians(0.5);

struct FootTarget {
    double x, y, z, yaw;
};

/// The body model takes the server's joint directions, the solver gives the engines'.
modeling::BodyModel bodyAt(const NaoJoints& engineJoints) {
    modeling::BodyModel body;
    body.update(engineJoints * NaoJoints::getNaoDirectionsFixing());
    return body;
}

NaoJoints solve(const FootTarget& left, const FootTarget& right) {
    NaoJoints joints;
    InverseKinematics(NAO).computeJointsTargets(left.x, left.y, left.z, left.yaw, right.x, right.y, right.z, right.yaw,
                                                joints);
    for (const double angle : joints.getAsVector()) {
        EXPECT_TRUE(std::isfinite(angle));
    }
    return joints;
}

/// Checks the foot's pose, and returns where its ankle was wanted.
Vector3<double> expectFootPose(const modeling::BodyModel& body, BodyPartType foot, const FootTarget& target,
                               bool checkPosition) {
    const Pose3D wanted(RotationMatrix({0.0, 0.0, 1.0}, target.yaw), {target.x, target.y, -target.z});
    const Pose3D reached = body.getTransformAtCenter(foot);
    if (checkPosition) {
        EXPECT_LT((reached.translation - wanted.translation).norm(), MILLIMETRE);
    }
    Vector3<double> axis;
    double angleError = 0.0;
    (wanted.rotation.transpose() * reached.rotation).getAngleAxis(axis, angleError);
    EXPECT_LT(angleError, HALF_DEGREE); // the sole stays parallel to the torso
    return wanted * Vector3<double>{-NAO.footOffsetX, 0.0, -NAO.footOffsetZ};
}

TEST(InverseKinematicsTest, ForwardKinematicsOfTheSolutionReturnsTheFootPoses) {
    for (const double x : {-0.06, -0.02, 0.02, 0.06, 0.1}) {
        for (const double outward : {-0.03, 0.0, 0.04}) {
            for (const double z : {0.22, 0.26, 0.3, 0.33}) {
                for (const double yaw : {-0.5, 0.0, 0.4}) {
                    SCOPED_TRACE(::testing::Message() << x << " " << outward << " " << z << " " << yaw);
                    // The right foot takes other targets, so that a leg mixed up with the other shows.
                    const FootTarget left{x, NAO.hipOffsetY + outward, z, yaw};
                    const FootTarget right{0.04 - x, -NAO.hipOffsetY - 0.01 + outward, 0.55 - z, -0.2 - yaw};
                    const modeling::BodyModel body = bodyAt(solve(left, right));
                    expectFootPose(body, BodyPartType::LEFT_FOOT, left, true);
                    expectFootPose(body, BodyPartType::RIGHT_FOOT, right, true);
                }
            }
        }
    }
}

TEST(InverseKinematicsTest, MirroredTargetsGiveMirroredAngles) {
    for (const FootTarget& foot : {FootTarget{0.05, 0.07, 0.28, 0.3}, FootTarget{-0.03, 0.02, 0.31, -0.2}}) {
        const NaoJoints joints = solve(foot, {foot.x, -foot.y, foot.z, -foot.yaw});
        const NaoJoints difference = NaoJoints::getSimetricPositions(joints) - joints;
        EXPECT_LT(difference.lInfiniteNorm(), 1e-12);
    }
}

TEST(InverseKinematicsTest, ATargetOutOfReachStretchesTheLegTowardsIt) {
    const FootTarget farAway[] = {{0.02, 0.055, 0.6, 0.0}, {0.4, 0.055, 0.3, 0.2}, {-0.2, 0.3, 0.35, -0.3}};
    for (const FootTarget& foot : farAway) {
        const modeling::BodyModel body = bodyAt(solve(foot, {0.02, -0.055, 0.3, 0.0}));
        const Vector3<double> wantedAnkle = expectFootPose(body, BodyPartType::LEFT_FOOT, foot, false);
        const Vector3<double> hip = body.getTransformAtCenter(BodyPartType::LEFT_HIP2).translation;
        modeling::testing::expectNear(body.getTransformAtCenter(BodyPartType::LEFT_ANKLE).translation,
                                      hip + (wantedAnkle - hip).normalize() * (NAO.thighLength + NAO.tibiaLength),
                                      MILLIMETRE);
    }
    // Closer to the hip than the folded leg reaches, down to the hip itself.
    const double hipAboveSole = -(NAO.hipOffsetZ + NAO.footOffsetZ);
    solve({NAO.hipOffsetX + NAO.footOffsetX, NAO.hipOffsetY, hipAboveSole, 0.0}, {0.03, -0.06, 0.16, 0.1});
}

TEST(InverseKinematicsTest, TheHipJointsComposeTheHipOrientation) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(-0.8, 0.8);
    for (int draw = 0; draw < 100; ++draw) {
        double oneLeg[InverseKinematics::NUMBER_OF_ONE_LEG_ANGLES] = {};
        double hip[3][3];
        for (const int hipAngle : {InverseKinematics::YAW, InverseKinematics::ROLL, InverseKinematics::PITCH}) {
            oneLeg[hipAngle] = angle(random);
        }
        InverseKinematics::getHipRotationMatrix(oneLeg[InverseKinematics::YAW], oneLeg[InverseKinematics::ROLL],
                                                oneLeg[InverseKinematics::PITCH], hip);
        NaoJoints joints;
        InverseKinematics::setLeftLeg(oneLeg, joints);
        InverseKinematics::setRightLeg(oneLeg, joints);
        const modeling::BodyModel body = bodyAt(joints);
        for (const auto thigh : {BodyPartType::LEFT_THIGH, BodyPartType::RIGHT_THIGH}) {
            modeling::testing::expectNear(body.getTransformAtCenter(thigh).rotation,
                                          {{hip[0][0], hip[1][0], hip[2][0]},
                                           {hip[0][1], hip[1][1], hip[2][1]},
                                           {hip[0][2], hip[1][2], hip[2][2]}},
                                          1e-6);
        }
    }
}

} // namespace
} // namespace walking
} // namespace control
