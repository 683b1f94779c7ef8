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

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using modeling::BodyPartType;
using representations::NaoJoints;

const RobotPhysicalParameters NAO = RobotPhysicalParameters::getNaoPhysicalParameters();
const InverseKinematics SOLVER(NAO);
const double MILLIMETRE = 0.001;
const double HALF_DEGREE = MathUtils::degreesToRadians(0.5);

struct FootTarget {
    double x, y, z, yaw;
};

/// The foot reference point and the orientation the solver aims at, in the torso frame.
Pose3D wantedPose(const FootTarget& foot) {
    return {RotationMatrix({0.0, 0.0, 1.0}, foot.yaw), {foot.x, foot.y, -foot.z}};
}

/// The body model takes the server's joint directions, the solver gives the engines'.
modeling::BodyModel bodyAt(const NaoJoints& engineJoints) {
    modeling::BodyModel body;
    body.update(engineJoints * NaoJoints::getNaoDirectionsFixing());
    return body;
}

NaoJoints solve(const FootTarget& left, const FootTarget& right) {
    NaoJoints joints;
    SOLVER.computeJointsTargets(left.x, left.y, left.z, left.yaw, right.x, right.y, right.z, right.yaw, joints);
    return joints;
}

void expectAllFinite(const NaoJoints& joints) {
    for (const double angle : joints.getAsVector()) {
        EXPECT_TRUE(std::isfinite(angle));
    }
}

TEST(InverseKinematicsTest, ForwardKinematicsOfTheSolutionReturnsTheFootPoses) {
    for (const double x : {-0.06, -0.02, 0.02, 0.06, 0.1}) {
        for (const double outward : {-0.03, 0.0, 0.04}) {
            for (const double z : {0.22, 0.26, 0.3, 0.33}) {
                for (const double yaw : {-0.5, 0.0, 0.4}) {
                    // The right foot takes other targets, so that a leg mixed up with the other shows.
                    const FootTarget left{x, NAO.hipOffsetY + outward, z, yaw};
                    const FootTarget right{0.04 - x, -NAO.hipOffsetY - 0.01 + outward, 0.55 - z, -0.2 - yaw};
                    const NaoJoints joints = solve(left, right);
                    SCOPED_TRACE(::testing::Message()
                                 << "x " << x << " outward " << outward << " z " << z << " yaw " << yaw);
                    expectAllFinite(joints);
                    const modeling::BodyModel body = bodyAt(joints);
                    for (const auto& [foot, target] :
                         {std::pair{BodyPartType::LEFT_FOOT, left}, std::pair{BodyPartType::RIGHT_FOOT, right}}) {
                        const Pose3D reached = body.getTransformAtCenter(foot);
                        const Pose3D wanted = wantedPose(target);
                        EXPECT_LT((reached.translation - wanted.translation).norm(), MILLIMETRE);
                        Vector3<double> axis;
                        double angleError = 0.0;
                        (wanted.rotation.transpose() * reached.rotation).getAngleAxis(axis, angleError);
                        EXPECT_LT(angleError, HALF_DEGREE);
                    }
                }
            }
        }
    }
}

TEST(InverseKinematicsTest, TheHipJointsComposeTheHipOrientation) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(-0.8, 0.8);
    for (int draw = 0; draw < 200; ++draw) {
        double oneLeg[InverseKinematics::NUMBER_OF_ONE_LEG_ANGLES] = {};
        oneLeg[InverseKinematics::YAW] = angle(random);
        oneLeg[InverseKinematics::ROLL] = angle(random);
        oneLeg[InverseKinematics::PITCH] = angle(random);
        NaoJoints joints;
        InverseKinematics::setLeftLeg(oneLeg, joints);
        InverseKinematics::setRightLeg(oneLeg, joints);

        double hip[3][3];
        InverseKinematics::getHipRotationMatrix(oneLeg[InverseKinematics::YAW], oneLeg[InverseKinematics::ROLL],
                                                oneLeg[InverseKinematics::PITCH], hip);
        const RotationMatrix expected({hip[0][0], hip[1][0], hip[2][0]}, {hip[0][1], hip[1][1], hip[2][1]},
                                      {hip[0][2], hip[1][2], hip[2][2]});
        const modeling::BodyModel body = bodyAt(joints);
        modeling::testing::expectNear(body.getTransformAtCenter(BodyPartType::LEFT_THIGH).rotation, expected, 1e-6);
        modeling::testing::expectNear(body.getTransformAtCenter(BodyPartType::RIGHT_THIGH).rotation, expected, 1e-6);
    }
}

TEST(InverseKinematicsTest, MirroredTargetsGiveMirroredAngles) {
    const FootTarget targets[] = {{0.05, 0.07, 0.28, 0.3}, {-0.03, 0.02, 0.31, -0.2}, {0.02, 0.055, 0.3, 0.0}};
    for (const FootTarget& foot : targets) {
        const FootTarget mirrored{foot.x, -foot.y, foot.z, -foot.yaw};
        const NaoJoints joints = solve(foot, mirrored);
        const NaoJoints mirroredJoints = NaoJoints::getSimetricPositions(joints);
        for (int joint = NaoJoints::LEFT_HIP_YAWPITCH; joint <= NaoJoints::RIGHT_FOOT_ROLL; ++joint) {
            const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
            EXPECT_NEAR(joints.getValue(hinge), mirroredJoints.getValue(hinge), 1e-12) << "joint " << joint;
        }
    }
}

TEST(InverseKinematicsTest, AFootStraightBelowItsHipNeedsNoYawPitchAndNoRoll) {
    const double belowHip = NAO.hipOffsetX + NAO.footOffsetX;
    const NaoJoints joints = solve({belowHip, NAO.hipOffsetY, 0.3, 0.0}, {belowHip, -NAO.hipOffsetY, 0.3, 0.0});
    for (const auto joint : {NaoJoints::LEFT_HIP_YAWPITCH, NaoJoints::LEFT_HIP_ROLL, NaoJoints::LEFT_FOOT_ROLL,
                             NaoJoints::RIGHT_HIP_YAWPITCH, NaoJoints::RIGHT_HIP_ROLL, NaoJoints::RIGHT_FOOT_ROLL}) {
        EXPECT_NEAR(joints.getValue(joint), 0.0, 1e-7) << "joint " << joint;
    }
}

TEST(InverseKinematicsTest, ATargetOutOfReachStretchesTheLegTowardsIt) {
    const double stretched = NAO.thighLength + NAO.tibiaLength;
    const FootTarget farAway[] = {{0.02, 0.055, 0.6, 0.0}, {0.4, 0.055, 0.3, 0.2}, {-0.2, 0.3, 0.35, -0.3}};
    for (const FootTarget& foot : farAway) {
        const NaoJoints joints = solve(foot, {0.02, -0.055, 0.3, 0.0});
        expectAllFinite(joints);
        EXPECT_NEAR(joints.getValue(NaoJoints::LEFT_KNEE_PITCH), -NAO.kneePitchOffset, 1e-9);

        // The ankle lies on the way from the hip to where the ankle was wanted, a stretched leg away.
        const modeling::BodyModel body = bodyAt(joints);
        const Pose3D wanted = wantedPose(foot);
        const Vector3<double> wantedAnkle = wanted * Vector3<double>{-NAO.footOffsetX, 0.0, -NAO.footOffsetZ};
        const Vector3<double> hip = body.getTransformAtCenter(BodyPartType::LEFT_HIP2).translation;
        const Vector3<double> ankle = body.getTransformAtCenter(BodyPartType::LEFT_ANKLE).translation;
        modeling::testing::expectNear(ankle, hip + (wantedAnkle - hip).normalize() * stretched, MILLIMETRE);

        Vector3<double> axis;
        double angleError = 0.0;
        (wanted.rotation.transpose() * body.getTransformAtCenter(BodyPartType::LEFT_FOOT).rotation)
            .getAngleAxis(axis, angleError);
        EXPECT_LT(angleError, HALF_DEGREE);
    }
}

TEST(InverseKinematicsTest, ATargetTooCloseToTheHipGivesFiniteAngles) {
    const double hipAboveSole = -(NAO.hipOffsetZ + NAO.footOffsetZ);
    const double belowHip = NAO.hipOffsetX + NAO.footOffsetX;
    const FootTarget tooClose[] = {{belowHip, NAO.hipOffsetY, hipAboveSole, 0.0}, {0.03, 0.06, 0.16, 0.1}};
    for (const FootTarget& foot : tooClose) {
        expectAllFinite(solve(foot, {foot.x, -foot.y, foot.z, -foot.yaw}));
    }
}

} // namespace
} // namespace walking
} // namespace control
