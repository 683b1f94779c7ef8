#include "modeling/state_estimation/OdometryModel.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace modeling {
namespace state_estimation {
namespace {

using control::walking::OdometryDistribution;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

constexpr double PI = MathUtils::PI;

OdometryDistribution exact(double rotation, double x, double y) {
    OdometryDistribution odometry;
    odometry.mean = Pose2D(rotation, x, y);
    return odometry;
}

struct MoveCase {
    Pose2D start;
    OdometryDistribution odometry;
    Pose2D expected;
};

TEST(OdometryModelTest, MovesEachParticleInItsOwnHeading) {
    const MoveCase cases[] = {
        {Pose2D(0, 1, 2), exact(0, 0, 0), Pose2D(0, 1, 2)},
        // Only the heading is wrapped when nothing moves.
        {Pose2D(3.5, 1, 2), exact(0, 0, 0), Pose2D(3.5 - 2 * PI, 1, 2)},
        {Pose2D(PI / 2, 0, 0), exact(0, 1, 0), Pose2D(PI / 2, 0, 1)},
        {Pose2D(PI, 5, 5), exact(0, 1, 0), Pose2D(-PI, 4, 5)},
        {Pose2D(PI / 2, 0, 0), exact(0, 0, 1), Pose2D(PI / 2, -1, 0)},
        {Pose2D(PI - 0.1, 0, 0), exact(0.2, 0, 0), Pose2D(-PI + 0.1, 0, 0)},
    };
    const OdometryModel model;
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "from (" << c.start.rotation << ", " << c.start.translation.x << ", "
                                          << c.start.translation.y << ")");
        Particle particle(c.start);
        model.propagate(&particle, 1, c.odometry);
        EXPECT_NEAR(particle.getPose().rotation, c.expected.rotation, 1e-12);
        EXPECT_NEAR(particle.getPose().translation.x, c.expected.translation.x, 1e-12);
        EXPECT_NEAR(particle.getPose().translation.y, c.expected.translation.y, 1e-12);
    }
}

TEST(OdometryModelTest, DrawsXThenYThenHeadingPerParticle) {
    MathUtils::generator.seed(5489u);
    OdometryDistribution odometry = exact(0, 0, 0);
    odometry.sigmaX = 1.0;
    odometry.sigmaY = 2.0;
    odometry.sigmaRotation = 0.001;
    Particle particles[2];
    OdometryModel().propagate(particles, 2, odometry);

    MathUtils::generator.seed(5489u);
    auto standard = MathUtils::getNormalRandomGenerator(0.0, 1.0);
    for (const Particle& particle : particles) {
        EXPECT_NEAR(particle.getPose().translation.x, 1.0 * standard(), 1e-12);
        EXPECT_NEAR(particle.getPose().translation.y, 2.0 * standard(), 1e-12);
        EXPECT_NEAR(particle.getPose().rotation, 0.001 * standard(), 1e-12);
    }
}

TEST(OdometryModelTest, OdometryThatIsNotANumberMovesAndDrawsNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    OdometryDistribution odometries[4] = {exact(nan, 0, 0), exact(0, nan, 0), exact(0, 0, 0), exact(0, 0, 0)};
    odometries[2].sigmaX = nan;
    odometries[3].sigmaRotation = std::numeric_limits<double>::infinity();
    for (const OdometryDistribution& odometry : odometries) {
        MathUtils::generator.seed(5489u);
        Particle particle(Pose2D(0.5, 1, 2));
        OdometryModel().propagate(&particle, 1, odometry);
        EXPECT_EQ(particle.getPose(), Pose2D(0.5, 1, 2));
        boost::random::mt19937 untouched;
        EXPECT_EQ(MathUtils::generator, untouched);
    }
}

} // namespace
} // namespace state_estimation
} // namespace modeling
