#include "decision_making/positioning/delaunay_triangulation/DelaunayFileParser.h"

#include "tests/decision_making/positioning/FormationFiles.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {
namespace {

using marlowinds_lib::geometry::Vector2D;
using testing::players;
using testing::sample;

constexpr double X = 30.0 / 105.0;
constexpr double Y = 20.0 / 68.0;

void expectPoint(const Vector2D& point, double x, double y, const char* what) {
    EXPECT_NEAR(point.x, x, 1e-12) << what;
    EXPECT_NEAR(point.y, y, 1e-12) << what;
}

TEST(DelaunayFileParserTest, ReadsTheSamplesScaledAndLeavesOutThoseItCannotUse) {
    std::string text =
        "header\n Ball 9 9\n\n" + sample(0, 0, -50, 0) + "Ball 7\nP1 -50\nP2 x 3\n" + players(9, 0, 0) + "-----\n";
    const auto nextLine = [&text] { return std::to_string(std::count(text.begin(), text.end(), '\n') + 1); };
    const std::string repeated = nextLine();
    text += sample(0, 0, 1, 1, 11, "End\n");
    const std::string tooFew = nextLine();
    text += sample(10, 0, 0, 0, 10) + sample(-10, 5, 5, 2, 12, "End\r\n") + sample(20, 0, 0, 0, 11, "");
    tests::TemporaryFolder folder;
    const std::string path = folder / "f.conf";
    tests::TemporaryFolder::write(path, text);

    ::testing::internal::CaptureStderr();
    const DelaunayFileParser file(path);
    const std::string messages = ::testing::internal::GetCapturedStderr();

    ASSERT_TRUE(file.wasRead());
    const auto& balls = file.getPositions();
    const auto& teams = file.getPredefinedPositions();
    ASSERT_EQ(balls.size(), 4u);
    ASSERT_EQ(teams.size(), 4u);
    expectPoint(balls[0], 0.0, 0.0, "first ball");
    expectPoint(teams[0][0], -50 * X, 0.0, "player 1 at -14.29");
    expectPoint(balls[1], 7 * X, 0.0, "short ball line");
    expectPoint(teams[1][0], -50 * X, 0.0, "short player line");
    expectPoint(teams[1][1], 0.0, 3 * Y, "a word reads as 0");
    expectPoint(balls[2], -10 * X, 5 * Y, "after a DOS End");
    expectPoint(teams[2][10], 15 * X, 2 * Y, "the eleventh of twelve");
    expectPoint(balls[3], 20 * X, 0.0, "closed by the end of the file");
    EXPECT_TRUE(std::all_of(teams.begin(), teams.end(), [](const auto& team) { return team.size() == 11u; }));
    const std::string prefix = "(DelaunayFileParser) " + path + ": the sample of line ";
    EXPECT_EQ(messages, prefix + repeated + " repeats an earlier ball position and is left out\n" + prefix + tooFew +
                            " has 10 players, not 11, and is left out\n");
}

TEST(DelaunayFileParserTest, AFileThatCannotBeOpenedIsNotRead) {
    tests::TemporaryFolder folder;
    const DelaunayFileParser file(folder / "missing.conf");
    EXPECT_FALSE(file.wasRead());
    EXPECT_TRUE(file.getPositions().empty());
}

} // namespace
} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making
