#include "tools/field_trial/TrueBody.h"

#include <Eigen/Geometry>
#include <gtest/gtest.h>

#include <cmath>

namespace tools {
namespace field_trial {
namespace {

/// The torso of the server's frame (x left, y up, z forward) for a body facing
/// heading, tipped by tilt about its left axis (forward is positive), its centre at height.
utils::wizard::Transform torso(double heading, double tilt, double height) {
    const Eigen::Matrix3d standing = (Eigen::Matrix3d() << 0, 0, 1, 1, 0, 0, 0, 1, 0).finished();
    const Eigen::Matrix3d rotation = Eigen::AngleAxisd(heading, Eigen::Vector3d::UnitZ()).toRotationMatrix() *
                                     Eigen::AngleAxisd(tilt, Eigen::Vector3d::UnitY()).toRotationMatrix() * standing;
    utils::wizard::Transform transform = utils::wizard::Transform::Identity();
    transform.topLeftCorner<3, 3>() = rotation;
    transform.topRightCorner<3, 1>() = Eigen::Vector3d(1.0, -2.0, height);
    return transform;
}

TEST(TrueBodyTest, UprightAndFallenFollowTheTorsosTiltAndHeight) {
    const double degree = M_PI / 180.0;
    const struct {
        double tilt;
        double height;
        bool upright;
        bool fallen;
    } cases[] = {
        {0.0, 0.38, true, false},           // standing
        {29.0 * degree, 0.30, true, false}, // leaning, still up
        {31.0 * degree, 0.30, false, false},
        {10.0 * degree, 0.24, false, false}, // crouching low
        {10.0 * degree, 0.19, false, true},  // sitting
        {61.0 * degree, 0.30, false, true},  // toppling
        {90.0 * degree, 0.07, false, true},  // lying on the front
        {-90.0 * degree, 0.07, false, true}, // lying on the back
    };
    for (const auto& c : cases) {
        const TrueBody body = TrueBody::fromTorso(torso(0.3, c.tilt, c.height));
        EXPECT_EQ(body.isUpright(), c.upright) << c.tilt / degree << " deg, " << c.height << " m";
        EXPECT_EQ(body.isFallen(), c.fallen) << c.tilt / degree << " deg, " << c.height << " m";
    }
}

TEST(TrueBodyTest, HeadingIsWhereTheTorsoFacesOnTheGround) {
    for (const double heading : {0.0, 1.0, -2.5, 3.0}) {
        const TrueBody body = TrueBody::fromTorso(torso(heading, 0.2, 0.35));
        EXPECT_NEAR(std::remainder(body.groundPose().rotation - heading, 2.0 * M_PI), 0.0, 1e-9);
        EXPECT_NEAR(body.groundPose().translation.x, 1.0, 1e-12);
        EXPECT_NEAR(body.groundPose().translation.y, -2.0, 1e-12);
    }
}

TEST(TrueBodyTest, ATorsoNotYetReadIsNeitherUprightNorFallen) {
    const TrueBody body = TrueBody::fromTorso(utils::wizard::Transform::Zero());
    EXPECT_FALSE(body.known);
    EXPECT_FALSE(body.isUpright());
    EXPECT_FALSE(body.isFallen());
}

} // namespace
} // namespace field_trial
} // namespace tools
