#ifndef TESTS_CONTROL_POSTURECHECKS_H
#define TESTS_CONTROL_POSTURECHECKS_H

#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/BodyModel.h"
#include "utils/configure_tree/ParameterFileReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tests {

/// Checks of the postures that shipped motions command, in the motion
/// engines' joint directions, against the body model.
class PostureChecks {
public:
    using NaoJoints = representations::NaoJoints;
    using BodyPartType = modeling::BodyPartType;

    static modeling::BodyModel bodyIn(const NaoJoints& posture) {
        modeling::BodyModel body;
        body.update(posture * NaoJoints::getNaoDirectionsFixing());
        return body;
    }

    /// How far the hand (the lower arm's centre) is ahead of where it is with the arm hanging at the side
    /// (shoulder pitch pi/2 in the engines' directions), the rest of the posture as given.
    static double handAheadOfHanging(const NaoJoints& posture, NaoJoints::HINGE_JOINTS shoulderPitch,
                                     BodyPartType lowerArm) {
        NaoJoints hanging = posture;
        hanging.setValue(shoulderPitch, marlowinds_lib::math::MathUtils::PI / 2.0);
        return bodyIn(posture).getTransformAtCenter(lowerArm).translation.x -
               bodyIn(hanging).getTransformAtCenter(lowerArm).translation.x;
    }

    /// Fails for each joint but the neck that lies outside its range.
    static void expectInsideJointRanges(const NaoJoints& posture, const std::string& what) {
        const modeling::BodyModel ranges;
        const NaoJoints angles = posture * NaoJoints::getNaoDirectionsFixing();
        for (int part = 0; part < modeling::BodyModel::NUMBER_OF_BODY_PARTS; ++part) {
            const auto& joint = ranges.getBodyPart(static_cast<BodyPartType>(part)).hingeJoint;
            if (joint.joint == NaoJoints::NECK_YAW || joint.joint == NaoJoints::NECK_PITCH ||
                joint.joint >= NaoJoints::NUMBER_OF_JOINTS) {
                continue;
            }
            const double angle = angles.getValue(joint.joint);
            EXPECT_TRUE(angle >= joint.minAngle - 1e-9 && angle <= joint.maxAngle + 1e-9)
                << what << ": " << joint.name << " at " << angle << " outside [" << joint.minAngle << ", "
                << joint.maxAngle << "]";
        }
    }

    /// Fails unless the feet stand where the walk stands them: the foot centres
    /// straight below the hips at the shipped normal walk's height and foot
    /// separation, the soles parallel to the torso.
    static void expectWalkStance(const NaoJoints& posture, const std::string& what) {
        static const ::control::walking::OmnidirectionalWalkZMPParams stance = [] {
            ::control::walking::OmnidirectionalWalkZMPParams params;
            ::control::walking::OmnidirectionalWalkZMPParams::setWalkParameters(
                *utils::configure_tree::ParameterFileReader::readLeaf<boost::property_tree::ptree, std::string>(
                    std::string(MARLOWINDS_CONFIGURATION_DIR) + "/control/walk/normal-parameters.json"),
                params);
            return params;
        }();
        const modeling::BodyModel body = bodyIn(posture);
        const struct {
            BodyPartType foot;
            double y;
        } feet[] = {{BodyPartType::LEFT_FOOT, stance.ySeparation}, {BodyPartType::RIGHT_FOOT, -stance.ySeparation}};
        for (const auto& foot : feet) {
            const auto& pose = body.getTransformAtCenter(foot.foot);
            EXPECT_NEAR(pose.translation.x, 0.0, 1e-3) << what;
            EXPECT_NEAR(pose.translation.y, foot.y, 1e-3) << what;
            EXPECT_NEAR(pose.translation.z, -stance.zCom, 1e-3) << what;
            EXPECT_NEAR(pose.rotation.at(2, 2), 1.0, 1e-4) << what << ": the sole is not parallel to the torso";
        }
    }

    /// The number of postures in which the kicking foot is lifted above the
    /// support foot; fails for each of them whose centre of mass is not at
    /// least 1 cm inside the edges of the support foot's sole (8 cm wide, 16 cm long).
    static int expectBalancedWhileFootIsUp(const std::vector<NaoJoints>& postures, BodyPartType support,
                                           BodyPartType kicking, const std::string& what) {
        int posturesUp = 0;
        for (const NaoJoints& posture : postures) {
            const modeling::BodyModel body = bodyIn(posture);
            const auto fromSupport = body.getTransformAtCenter(support).inverse();
            if ((fromSupport * body.getTransformAtCenter(kicking).translation).z < 0.01) {
                continue;
            }
            ++posturesUp;
            const auto centreOfMass = fromSupport * body.computeCenterOfMass();
            EXPECT_LT(std::fabs(centreOfMass.y), 0.03) << what << " after " << posturesUp << " postures up";
            EXPECT_LT(std::fabs(centreOfMass.x), 0.07) << what << " after " << posturesUp << " postures up";
        }
        return posturesUp;
    }
};

} // namespace tests

#endif
