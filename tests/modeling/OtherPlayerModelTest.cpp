#include "modeling/OtherPlayerModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/Sightings.h"
#include "tests/support/TeamRadioRecord.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using representations::HearData;
using representations::OtherPlayer;
using testing::expectNear;
using testing::playerAt;

const Pose2D STANDING_STILL;
const std::string TEAM = "Marlowinds";
/// Standing: head, hands and feet over half a metre of height.
const std::vector<double> STANDING_PARTS = {0.5, 0.3, 0.3, 0.05, 0.05};

/// Player `number` describing itself at (-3.5, 2.5) in its team message, heard from another agent or from itself.
HearData heard(int number, bool fallen = false, bool fromSelf = false) {
    HearData data(TEAM, 12.3, fromSelf, 45.0,
                  tests::TeamRadioRecord::fieldPlayer(number, -3.5, 2.5, fallen, 0.0, 0.0, false,
                                                      tests::TeamRadioRecord::defaultRoles(), 0));
    data.decode(TEAM);
    return data;
}

TEST(OtherPlayerModelTest, PlayerNeverSeenSitsIrrelevantAtTheAgent) {
    OtherPlayerModel model(7);
    const Pose2D self(0.4, -3.0, 2.0);

    for (int cycle = 0; cycle < 20; ++cycle) {
        model.update(0.02 * cycle, nullptr, Pose2D(0.01, 0.02, 0.0), self);
    }

    const OtherPlayer& player = model.getObject();
    EXPECT_EQ(player.getId(), 7);
    EXPECT_FALSE(player.isRelevant());
    EXPECT_EQ(player.getLocalPosition(), Pose2D());
    expectNear(player.getPosition(), self, 1e-12);
}

TEST(OtherPlayerModelTest, SeenPlayerStaysRelevantForAHundredUnseenCycles) {
    OtherPlayerModel model(3);
    const perception::VisiblePlayer seen = playerAt({2.0, 1.0, 0.3});
    model.update(0.0, &seen, STANDING_STILL, Pose2D());

    for (int cycle = 1; cycle <= 100; ++cycle) {
        model.update(0.02 * cycle, nullptr, STANDING_STILL, Pose2D());
        ASSERT_TRUE(model.getObject().isRelevant()) << "unseen cycle " << cycle;
    }
    EXPECT_NEAR(model.getObject().getLocalPosition().translation.x, 2.0, 0.05);
    model.update(2.02, nullptr, STANDING_STILL, Pose2D());

    EXPECT_FALSE(model.getObject().isRelevant());
    EXPECT_EQ(model.getObject().getLocalPosition(), Pose2D());
}

TEST(OtherPlayerModelTest, MirroredAgentSeesAMirroredPlayer) {
    MathUtils::generator.seed(5489u);
    testing::NoisyCamera camera;
    OtherPlayerModel model(9);
    OtherPlayerModel mirrored(9);
    Vector3<double> player(4.0, 1.5, 0.3);
    Vector3<double> velocity(-0.4, 0.2, 0.0);

    for (int cycle = 0; cycle < 100; ++cycle) {
        player += velocity * 0.02;
        const Vector3<double> reading = camera.see(player);
        const perception::VisiblePlayer seen = playerAt(reading);
        const perception::VisiblePlayer seenMirrored = playerAt({reading.x, -reading.y, reading.z});
        model.update(0.0, &seen, Pose2D(0.01, 0.005, 0.002), Pose2D(0.3, -2.0, 1.0));
        mirrored.update(0.0, &seenMirrored, Pose2D(-0.01, 0.005, -0.002), Pose2D(-0.3, -2.0, -1.0));
    }

    const OtherPlayer& a = model.getObject();
    const OtherPlayer& b = mirrored.getObject();
    EXPECT_NEAR(a.getPosition().translation.x, b.getPosition().translation.x, 1e-6);
    EXPECT_NEAR(a.getPosition().translation.y, -b.getPosition().translation.y, 1e-6);
    EXPECT_NEAR(a.getVelocity().translation.x, b.getVelocity().translation.x, 1e-9);
    EXPECT_NEAR(a.getVelocity().translation.y, -b.getVelocity().translation.y, 1e-9);
}

TEST(OtherPlayerModelTest, FallenWhenThreeOrMoreSeenPartsLieFlat) {
    struct Case {
        const char* description;
        std::vector<double> heights;
        bool fallen;
    };
    const Case cases[] = {
        {"no parts", {}, false},
        {"two parts at one height", {0.1, 0.1}, false},
        {"three parts 0.1 to 0.3", {0.1, 0.2, 0.3}, true},
        {"spread of exactly 0.25", {0.25, 0.5, 0.375}, false},
        {"standing", STANDING_PARTS, false},
        {"lying with five parts", {0.05, 0.1, 0.08, 0.12, 0.2}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        OtherPlayerModel model(4);
        const perception::VisiblePlayer seen = playerAt({2.0, 0.0, 0.0}, c.heights);

        model.update(0.0, &seen, STANDING_STILL, Pose2D());

        EXPECT_EQ(model.getObject().isFallen(), c.fallen);
    }
}

TEST(OtherPlayerModelTest, SightingWithoutAFinitePositionCountsAsUnseen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    OtherPlayerModel model(6);
    OtherPlayerModel unseen(6);
    const perception::VisiblePlayer lying = playerAt({2.0, 1.0, 0.0}, {0.1, 0.2, 0.3});
    model.update(0.0, &lying, STANDING_STILL, Pose2D());
    unseen.update(0.0, &lying, STANDING_STILL, Pose2D());
    const perception::VisiblePlayer broken = playerAt({nan, 1.0, 0.0}, STANDING_PARTS);

    model.update(0.02, &broken, Pose2D(0.02, 0.01, 0.0), Pose2D(0.1, 1.0, 1.0));
    unseen.update(0.02, nullptr, Pose2D(0.02, 0.01, 0.0), Pose2D(0.1, 1.0, 1.0));

    EXPECT_EQ(model.getObject().getLocalPosition(), unseen.getObject().getLocalPosition());
    EXPECT_EQ(model.getObject().getPosition(), unseen.getObject().getPosition());
    EXPECT_TRUE(model.getObject().isFallen()); // as an unseen player keeps its flag
    EXPECT_TRUE(model.getObject().isRelevant());
}

TEST(OtherPlayerModelTest, HeardTeammateDescribesItselfOnlyInAUsableMessage) {
    struct Case {
        const char* description;
        HearData message;
        bool taken;
    };
    const Case cases[] = {
        {"teammate 5 standing", heard(5), true},  {"goalkeeper", heard(1), true},
        {"sender 11", heard(11), true},           {"sender 0", heard(0), false},
        {"sender 12", heard(12), false},          {"own message", heard(5, false, true), false},
        {"fallen sender", heard(5, true), false}, {"empty text", HearData(TEAM, 12.3, false, 45.0, ""), false},
        {"never heard", HearData(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        OtherPlayerModel model(8);
        model.update(OtherPlayer(Pose2D(0.0, 1.0, 2.0), Pose2D()));
        model.getObject().setIsFallen(true);

        model.update(c.message);

        const OtherPlayer& player = model.getObject();
        EXPECT_EQ(player.isRelevant(), c.taken);
        if (c.taken) {
            expectNear(player.getPosition(),
                       Pose2D(0.0, c.message.getHeardAgentXPosition(), c.message.getHeardAgentYPosition()), 0.0);
            EXPECT_EQ(player.getId(), c.message.getUniformNumber());
            EXPECT_FALSE(player.isFallen());
        } else {
            expectNear(player.getPosition(), Pose2D(0.0, 1.0, 2.0), 0.0);
            EXPECT_EQ(player.getId(), 0);
            EXPECT_TRUE(player.isFallen());
        }
    }
}

TEST(OtherPlayerModelTest, TakesAnotherRecordsPositionIdAndFlags) {
    OtherPlayerModel model(2);
    const perception::VisiblePlayer seen = playerAt({1.0, -1.0, 0.3});
    model.update(0.0, &seen, STANDING_STILL, Pose2D());
    const Pose2D localBefore = model.getObject().getLocalPosition();
    const Pose2D velocityBefore = model.getObject().getVelocity();
    OtherPlayer heardRecord(Pose2D(0.2, 4.0, -6.0), Pose2D(0.0, 1.0, 1.0));
    heardRecord.setId(10);
    heardRecord.setIsFallen(true);
    heardRecord.setRelevant(false);

    model.update(heardRecord);

    const OtherPlayer& player = model.getObject();
    EXPECT_EQ(player.getPosition(), Pose2D(0.2, 4.0, -6.0));
    EXPECT_EQ(player.getId(), 10);
    EXPECT_TRUE(player.isFallen());
    EXPECT_FALSE(player.isRelevant());
    EXPECT_EQ(player.getLocalPosition(), localBefore);
    EXPECT_EQ(player.getVelocity(), velocityBefore);
}

TEST(OtherPlayerModelTest, CyclesAllocateNothing) {
    if (!testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    OtherPlayerModel model(5);
    const perception::VisiblePlayer seen = playerAt({3.0, 1.0, 0.0}, STANDING_PARTS);
    const HearData message = heard(5);
    const OtherPlayer record(Pose2D(0.0, 1.0, 1.0), Pose2D());
    const Pose2D walking(0.01, 0.02, 0.0);
    const Pose2D self(0.5, -4.0, 3.0);
    // The first correction sizes the filter's buffers.
    model.update(0.0, &seen, walking, self);
    model.update(0.02, &seen, walking, self);
    const long before = testing::AllocationCounter::count();

    for (int round = 0; round < 3; ++round) {
        for (int cycle = 0; cycle < 20; ++cycle) {
            model.update(0.0, &seen, walking, self);
        }
        for (int cycle = 0; cycle < 110; ++cycle) {
            model.update(0.0, nullptr, walking, self);
        }
        model.update(message);
        model.update(record);
    }

    EXPECT_EQ(testing::AllocationCounter::count() - before, 0);
}

} // namespace
} // namespace modeling
