#include "modeling/AgentModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/AgentPerception.h"
#include "perception/PerceptorFactory.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/StubControl.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using J = representations::NaoJoints;
using testing::expectNear;
using testing::reflect;

std::string number(double value) {
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

std::string acceleration(double x, double y, double z) {
    return "(ACC (n torso) (a " + number(x) + " " + number(y) + " " + number(z) + "))";
}

std::string footForce(const std::string& foot, double verticalForce) {
    return "(FRP (n " + foot + ") (c 0 0 0) (f 0 0 " + number(verticalForce) + "))";
}

std::string joint(const std::string& sensor, double radians) {
    return "(HJ (n " + sensor + ") (ax " + number(MathUtils::radiansToDegrees(radians)) + "))";
}

const std::string UPRIGHT = acceleration(0, 0, 9.81);

/// Server messages through perception into one agent model, cycle after cycle.
class Cycles {
public:
    AgentModel& perceive(const std::string& message) {
        const auto root = parser.parseMessage(message);
        factory.update(*root);
        snapshot.update(factory.getPerceptors());
        AgentModelUpdateData data(snapshot, control);
        model.update(data);
        return model;
    }

    AgentModel& perceive(const std::string& message, int cycles) {
        for (int i = 0; i < cycles; ++i) {
            perceive(message);
        }
        return model;
    }

    utils::parser::Parser parser;
    perception::PerceptorFactory factory;
    perception::AgentPerception snapshot;
    StubControl control;
    AgentModel model{7, 4};
};

TEST(AgentModelTest, BeforeTheFirstUpdateEverythingIsZero) {
    const AgentModel model(7, 4);
    EXPECT_EQ(model.getAgentPerception(), nullptr);
    expectNear(model.getCenterOfMass(), {0, 0, 0}, 0.0);
    expectNear(model.getTorsoAcceleration(), {0, 0, 0}, 0.0);
    expectNear(model.getTorsoAngularVelocity(), {0, 0, 0}, 0.0);
    EXPECT_FALSE(model.leftFootTouchsGround());
    EXPECT_FALSE(model.rightFootTouchsGround());
    EXPECT_FALSE(model.isCurrentlyFallen());
}

TEST(AgentModelTest, UpdateReadsOnlyThePerception) {
    Cycles cycles;
    const AgentModel& model = cycles.perceive(UPRIGHT + "(GYR (n torso) (rt 180 0 -90))" + footForce("lf", 20));

    EXPECT_EQ(model.getAgentPerception(), &cycles.snapshot);
    EXPECT_EQ(cycles.control.calls, 0);
    // The getters hand out this cycle's raw readings, not the filtered ones.
    expectNear(model.getTorsoAcceleration(), {0, 0, 9.81}, 1e-12);
    expectNear(model.getTorsoAngularVelocity(), {MathUtils::PI, 0, -MathUtils::PI / 2}, 1e-12);
}

TEST(AgentModelTest, CenterOfMassFollowsThePerceivedJoints) {
    Cycles cycles;
    expectNear(cycles.perceive(UPRIGHT).getCenterOfMass(), {0.01628, 0, -0.07884}, 1e-5);

    BodyModel bent;
    J angles;
    angles.setValue(J::RIGHT_KNEE_PITCH, -1.0);
    bent.update(angles);
    expectNear(cycles.perceive(UPRIGHT + joint("rlj4", -1.0)).getCenterOfMass(), bent.computeCenterOfMass(), 1e-12);
}

TEST(AgentModelTest, CameraTransformCarriesTheHeadAboveTheSole) {
    Cycles cycles;
    const Pose3D standing = cycles.perceive(UPRIGHT + footForce("lf", 20)).getFromCameraToRootTransform();
    expectNear(standing.rotation, RotationMatrix(), 1e-15);
    expectNear(standing.translation, {0, 0, 0.54}, 1e-12);

    const Pose3D turned =
        cycles.perceive(UPRIGHT + footForce("rf", 20) + joint("hj1", MathUtils::PI / 2)).getFromCameraToRootTransform();
    expectNear(turned * Vector3<double>(1, 0, 0), {0, 1, 0.54}, 1e-12);

    const Pose3D pitched =
        cycles.perceive(UPRIGHT + footForce("rf", 20) + joint("hj2", 0.5)).getFromCameraToRootTransform();
    expectNear(pitched.rotation.c0, {0.8776, 0, 0.4794}, 1e-4);
    expectNear(pitched.translation, {-0.0024, 0, 0.15439 + 0.385}, 1e-5);
}

enum class Foot { LEFT, RIGHT };

struct SupportCase {
    const char* description;
    std::string joints;
    double leftForce;
    double rightForce;
    bool leftTouches;
    bool rightTouches;
    Foot expected;
};

/// The torso-to-root transform behind a camera-to-root transform.
Pose3D torsoToRoot(const AgentModel& model, const J& angles) {
    BodyModel body;
    body.update(angles);
    return model.getFromCameraToRootTransform() * body.getTransformAtCenter(BodyPartType::HEAD).inverse();
}

TEST(AgentModelTest, FeetTouchAboveTwoNewtonsAndTheRootLiesOnTheSupportSole) {
    // With one knee bent the soles differ in height and tilt, so each choice of foot shows.
    const std::string leftBent = joint("llj4", -1.0);
    const std::string rightBent = joint("rlj4", -1.0);
    const SupportCase cases[] = {
        {"left loaded", leftBent, 20, 0, true, false, Foot::LEFT},
        {"just above 2 N on the left", leftBent, 2.0000001, 0, true, false, Foot::LEFT},
        {"left loaded wins over right loaded", leftBent, 20, 30, true, true, Foot::LEFT},
        {"only right loaded", leftBent, 0, 20, false, true, Foot::RIGHT},
        {"only right loaded, left pulled", leftBent, -5, 2.5, false, true, Foot::RIGHT},
        {"no load: lower sole (right)", leftBent, 0, 0, false, false, Foot::RIGHT},
        {"exactly 2 N is no load: lower sole (right)", leftBent, 2.0, 2.0, false, false, Foot::RIGHT},
        {"no load: lower sole (left)", rightBent, 0, 0, false, false, Foot::LEFT},
        {"equal heights: right", joint("llj6", 0.3) + joint("rlj6", -0.3), 0, 0, false, false, Foot::RIGHT},
    };
    for (const SupportCase& c : cases) {
        SCOPED_TRACE(c.description);
        Cycles cycles;
        const AgentModel& model =
            cycles.perceive(UPRIGHT + c.joints + footForce("lf", c.leftForce) + footForce("rf", c.rightForce));
        EXPECT_EQ(model.leftFootTouchsGround(), c.leftTouches);
        EXPECT_EQ(model.rightFootTouchsGround(), c.rightTouches);
        const J& angles = cycles.snapshot.getNaoJoints();
        BodyModel body;
        body.update(angles);
        const Pose3D support =
            c.expected == Foot::LEFT ? body.getLeftLegEndEffectorTransform() : body.getRightLegEndEffectorTransform();
        const Pose3D other =
            c.expected == Foot::LEFT ? body.getRightLegEndEffectorTransform() : body.getLeftLegEndEffectorTransform();
        const Pose3D root = torsoToRoot(model, angles);

        // The support sole lies on the root plane, its normal along the root's z axis.
        EXPECT_NEAR((root * support.translation).z, 0.0, 1e-12);
        expectNear(root.rotation * support.rotation.c2, {0, 0, 1}, 1e-12);
        // The root origin is straight below the torso centre.
        EXPECT_NEAR(root.translation.x, 0.0, 1e-15);
        EXPECT_NEAR(root.translation.y, 0.0, 1e-15);
        // The other sole does not, so the choice is visible.
        const bool otherOnPlane = std::abs((root * other.translation).z) < 1e-6 &&
                                  (root.rotation * other.rotation.c2 - Vector3<double>(0, 0, 1)).norm() < 1e-6;
        EXPECT_FALSE(otherOnPlane);
    }
}

TEST(AgentModelTest, TwistedSupportLegKeepsTheTorsoHeading) {
    // The hip yaw-pitch turns the left sole by about 0.22 rad against the torso;
    // the root frame takes the torso's heading, not the sole's.
    Cycles cycles;
    const RotationMatrix& rotation =
        cycles.perceive(UPRIGHT + footForce("lf", 20) + joint("llj1", -0.3)).getFromCameraToRootTransform().rotation;
    EXPECT_NEAR(rotation.getZAngle(), 0.0, 0.01);
}

TEST(AgentModelTest, MirroredBodyGivesMirroredCameraTransform) {
    // Knee and hip pitch keep their sign under the left/right mirror; hip and foot roll flip.
    Cycles left;
    const Pose3D leftStance = left.perceive(UPRIGHT + footForce("lf", 20) + joint("llj4", -0.9) + joint("llj3", 0.5) +
                                            joint("llj2", 0.2) + joint("llj6", -0.1) + joint("rlj4", -0.3))
                                  .getFromCameraToRootTransform();
    Cycles right;
    const Pose3D rightStance = right
                                   .perceive(UPRIGHT + footForce("rf", 20) + joint("rlj4", -0.9) + joint("rlj3", 0.5) +
                                             joint("rlj2", -0.2) + joint("rlj6", 0.1) + joint("llj4", -0.3))
                                   .getFromCameraToRootTransform();

    expectNear(rightStance.translation, reflect(leftStance.translation), 1e-12);
    expectNear(rightStance.rotation, reflect(leftStance.rotation), 1e-12);
}

struct FallCase {
    const char* description;
    Vector3<double> raw;
    int firstFallenCycle; // 0: never within 100 cycles
    bool front;
    bool back;
    bool side;
};

TEST(AgentModelTest, FallTestsAreStrictOnTheFilteredAcceleration) {
    // From rest, a constant reading r filters to r * (1 - 0.9^n) after n cycles: 65 gives exactly 6.5 at once.
    const FallCase cases[] = {
        {"y at exactly 6.5 is not yet a fall", {0, 65, 9.81}, 2, false, true, false},
        {"y above 6.5 is back", {0, 65.000001, 9.81}, 1, false, true, false},
        {"y at exactly -6.5 is not yet a fall", {0, -65, 9.81}, 2, true, false, false},
        {"y below -6.5 is front", {0, -65.000001, 9.81}, 1, true, false, false},
        {"x above 6.5 is side", {65.000001, 0, 9.81}, 1, false, false, true},
        {"x below -6.5 is side", {-65.000001, 0, 9.81}, 1, false, false, true},
        {"10 (1 - 0.9^10) = 6.51", {0, 10, 9.81}, 10, false, true, false},
        {"-10 (1 - 0.9^10) = -6.51", {0, -10, 9.81}, 10, true, false, false},
        {"20 (1 - 0.9^4) = 6.88", {20, 0, 9.81}, 4, false, false, true},
        {"approaching 6.5 from below, never beyond", {0, 6.5, 9.81}, 0, false, false, false},
        {"z plays no part", {0, 0, -200}, 0, false, false, false},
    };
    for (const FallCase& c : cases) {
        SCOPED_TRACE(c.description);
        Cycles cycles;
        int firstFallen = 0;
        for (int cycle = 1; cycle <= 100 && firstFallen == 0; ++cycle) {
            if (cycles.perceive(acceleration(c.raw.x, c.raw.y, c.raw.z)).isCurrentlyFallen()) {
                firstFallen = cycle;
            }
        }
        EXPECT_EQ(firstFallen, c.firstFallenCycle);
        EXPECT_EQ(cycles.model.hasFallenFront(), c.front);
        EXPECT_EQ(cycles.model.hasFallenBack(), c.back);
        EXPECT_EQ(cycles.model.hasFallenSide(), c.side);
    }
}

/// Counts the answers of hasFallen() from now until the first false one.
int callsUntilUp(AgentModel& model, int limit = 1000) {
    for (int call = 1; call <= limit; ++call) {
        if (!model.hasFallen()) {
            return call;
        }
    }
    return 0;
}

TEST(AgentModelTest, FallLatchesUntilTwentyUprightStepsAfterTheLastFall) {
    Cycles cycles;
    cycles.perceive(acceleration(0, 0, 9.5), 300);                  // filtered z settles at 9.5
    cycles.perceive(acceleration(0, 100, 9.5));                     // filtered y 10: fallen to the back
    AgentModel& model = cycles.perceive(acceleration(0, -90, 9.5)); // filtered y back near 0
    ASSERT_FALSE(model.isCurrentlyFallen());
    // The fall itself was never seen by hasFallen: the first call finds the robot upright and not latched.
    EXPECT_EQ(callsUntilUp(model), 1);

    cycles.perceive(acceleration(-100, 0, 9.5));
    EXPECT_TRUE(model.hasFallen()); // latches
    cycles.perceive(acceleration(90, 0, 9.5));
    for (int call = 0; call < 15; ++call) {
        EXPECT_TRUE(model.hasFallen());
    }
    cycles.perceive(acceleration(0, -100, 9.5)); // falls again, to the front: the count starts afresh
    EXPECT_TRUE(model.hasFallen());
    cycles.perceive(acceleration(0, 90, 9.5));
    EXPECT_EQ(callsUntilUp(model), 21); // 20 counting calls answer true, the 21st false
    EXPECT_FALSE(model.hasFallen());
}

TEST(AgentModelTest, LowVerticalStepsNeitherCountNorReset) {
    Cycles cycles;
    AgentModel& model = cycles.perceive(acceleration(0, 100, 9.81)); // filtered (0, 10, 0.98)
    ASSERT_TRUE(model.hasFallen());
    cycles.perceive(acceleration(0, -90, 9.81)); // y back near 0, z still low
    for (int call = 0; call < 10; ++call) {
        EXPECT_TRUE(model.hasFallen());
    }

    cycles.perceive(acceleration(0, 0, 9.81), 30); // z now above 9
    for (int call = 0; call < 10; ++call) {
        EXPECT_TRUE(model.hasFallen());
    }
    cycles.perceive(acceleration(0, 0, 0), 10); // z sinks below 9: the count pauses
    for (int call = 0; call < 50; ++call) {
        EXPECT_TRUE(model.hasFallen());
    }
    cycles.perceive(acceleration(0, 0, 9.81), 40);
    EXPECT_EQ(callsUntilUp(model), 11); // the ten counts so far are kept
}

TEST(AgentModelTest, StandingUpAfterAFallTakesTheFilterIntoAccount) {
    // A side fall with the vertical filter at zero, then the robot stands still:
    // z first exceeds 9.0 at the 24th upright update, and only from then on
    // does the latch count, 20 more cycles.
    Cycles cycles;
    AgentModel& model = cycles.perceive(acceleration(70, 0, 0)); // filtered x 7.0
    ASSERT_TRUE(model.hasFallen());
    cycles.perceive(acceleration(-63, 0, 0)); // filtered x back to 0
    ASSERT_TRUE(model.hasFallen());

    int cyclesUntilUp = 0;
    for (int cycle = 1; cycle <= 100; ++cycle) {
        if (!cycles.perceive(UPRIGHT).hasFallen()) {
            cyclesUntilUp = cycle;
            break;
        }
    }
    EXPECT_EQ(cyclesUntilUp, 24 + 20);
}

TEST(AgentModelTest, RandomReadingsNeverGiveNaN) {
    MathUtils::generator.seed(5489u);
    auto angle = MathUtils::getUniformRandomGenerator(-2.0, 2.0);
    auto force = MathUtils::getUniformRandomGenerator(-5.0, 40.0);
    auto reading = MathUtils::getUniformRandomGenerator(-30.0, 30.0);
    const char* const sensors[] = {"hj1",  "hj2",  "laj1", "laj2", "laj3", "laj4", "llj1", "llj2",
                                   "llj3", "llj4", "llj5", "llj6", "raj1", "raj2", "raj3", "raj4",
                                   "rlj1", "rlj2", "rlj3", "rlj4", "rlj5", "rlj6"};
    Cycles cycles;
    for (int cycle = 0; cycle < 100; ++cycle) {
        std::string message =
            acceleration(reading(), reading(), reading()) + footForce("lf", force()) + footForce("rf", force());
        for (const char* sensor : sensors) {
            message += joint(sensor, angle());
        }
        const AgentModel& model = cycles.perceive(message);
        const Pose3D& transform = model.getFromCameraToRootTransform();
        for (const Vector3<double>& v : {transform.translation, transform.rotation.c0, transform.rotation.c1,
                                         transform.rotation.c2, model.getCenterOfMass()}) {
            ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
        }
        EXPECT_NEAR(transform.rotation.c0.norm(), 1.0, 1e-9);
    }
}

TEST(AgentModelTest, UpdateAllocatesNothing) {
    Cycles cycles;
    AgentModel& model = cycles.perceive(UPRIGHT + footForce("rf", 20) + joint("rlj4", -0.5) + joint("hj2", 0.3));
    AgentModelUpdateData data(cycles.snapshot, cycles.control);

    if (!testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    const long before = testing::AllocationCounter::count();
    for (int cycle = 0; cycle < 10; ++cycle) {
        model.update(data);
        static_cast<void>(model.hasFallen());
    }
    EXPECT_EQ(testing::AllocationCounter::count(), before);
}

} // namespace
} // namespace modeling
