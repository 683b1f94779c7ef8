#include "decision_making/positioning/delaunay_triangulation/DelaunayFormationFactory.h"

#include "tests/decision_making/positioning/FormationFiles.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {
namespace {

using Factory = DelaunayFormationFactory;
using Vector2 = marlowinds_lib::math::Vector2<double>;
using testing::cornerSamples;
using testing::sample;

constexpr double X = 30.0 / 105.0;
constexpr double Y = 20.0 / 68.0;

/// Player i stands at half the ball's place plus (i, -i): a formation that interpolation must reproduce exactly.
std::string linearSample(double ballX, double ballY) {
    std::string text = "Ball " + std::to_string(ballX) + " " + std::to_string(ballY) + "\n";
    for (int i = 0; i < 11; ++i) {
        text += "P " + std::to_string(ballX / 2 + i) + " " + std::to_string(ballY / 2 - i) + "\n";
    }
    return text + "-----\n";
}

class DelaunayFormationFactoryTest : public ::testing::Test {
protected:
    void write(const char* stem, const std::string& text) const {
        tests::TemporaryFolder::write(folder / (std::string(stem) + ".conf"), text);
    }

    tests::TemporaryFolder folder;
};

TEST_F(DelaunayFormationFactoryTest, TheDefaultFormationStandsInForOneThatCannotServeAndWithoutItThereIsNoTeam) {
    const std::string defaultPath = folder / "default-formation.conf";
    const std::string tooFew = sample(-52.5, -34, 0, 0) + sample(52.5, 34, 0, 0) + sample(52.5, -34, 0, 0);
    for (const char* problem : {" cannot be read", " has samples that do not cover the field"}) {
        try {
            Factory factory(folder.string());
            ADD_FAILURE() << "no default formation, no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), "(DelaunayFormationFactory) the default formation " + defaultPath + problem);
        }
        write("default-formation", tooFew);
    }

    write("default-formation", cornerSamples(0));
    write("pass-request2", cornerSamples(0));
    write("our-ball-formation.txt", cornerSamples(0)); // not the formation's file name
    write("their-ball-formation", tooFew);
    ::testing::internal::CaptureStderr();
    const Factory factory(folder.string());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "(DelaunayFormationFactory) " + (folder / "our-ball-formation.conf") +
                  " cannot be read: the default formation stands in\n(DelaunayFormationFactory) " +
                  (folder / "their-ball-formation.conf") +
                  " has samples that do not cover the field: the default formation stands in\n");
    const auto& formations = factory.getTriangulations();
    EXPECT_EQ(formations[Factory::OUR_BALL_FORMATION], formations[Factory::DEFAULT_FORMATION]);
    EXPECT_EQ(formations[Factory::THEIR_BALL_FORMATION], formations[Factory::DEFAULT_FORMATION]);
    EXPECT_NE(formations[Factory::PASS_REQUEST_FORMATION], formations[Factory::DEFAULT_FORMATION]);
}

TEST_F(DelaunayFormationFactoryTest, InterpolationReproducesAFormationThatFollowsTheBallLinearly) {
    std::string samples;
    for (const double x : {-52.5, 0.0, 52.5}) {
        for (const double y : {-34.0, 0.0, 34.0}) {
            samples += linearSample(x, y);
        }
    }
    write("default-formation", samples + sample(0.0, 0.0, 40, 30)); // a repeated ball must not spoil it
    ::testing::internal::CaptureStderr();
    const Factory factory(folder.string());
    ::testing::internal::GetCapturedStderr();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-20.0, 20.0);
    std::uniform_real_distribution<double> y(-12.0, 12.0);
    for (int draw = 0; draw < 200; ++draw) {
        const Vector2 ball(x(random), y(random));
        const Vector2 onField(std::clamp(ball.x, -15.0, 15.0), std::clamp(ball.y, -10.0, 10.0));
        const auto team = factory.getTriangulations()[Factory::DEFAULT_FORMATION]->interpolate(ball);
        ASSERT_EQ(team.size(), 11u);
        for (int i = 0; i < 11; ++i) {
            EXPECT_NEAR(team[i].x, onField.x / 2 + i * X, 1e-9) << ball.x << " " << ball.y;
            EXPECT_NEAR(team[i].y, onField.y / 2 - i * Y, 1e-9) << ball.x << " " << ball.y;
        }
    }
}

TEST_F(DelaunayFormationFactoryTest, PositionsBeyondTheFieldAreClampedToIt) {
    write("default-formation", cornerSamples(60));
    const Factory factory(folder.string());
    for (const Vector2& ball : {Vector2(1.0, 2.0), Vector2(-15.0, -10.0)}) {
        EXPECT_EQ(factory.getTriangulations()[Factory::DEFAULT_FORMATION]->interpolate(ball).front(),
                  Vector2(15.0, 0.0));
    }
}

} // namespace
} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making
