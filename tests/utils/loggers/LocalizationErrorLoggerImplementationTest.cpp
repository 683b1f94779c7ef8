#include "utils/loggers/LocalizationErrorLoggerImplementation.h"

#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/support/MonitorScene.h"
#include "tests/support/Watchdog.h"
#include "tools/test_server/TestServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace utils {
namespace loggers {
namespace {

using namespace std::chrono_literals;
using marlowinds_lib::math::Pose2D;
using representations::PlaySide;
using tests::MonitorScene;

constexpr int AGENT = 7;
const std::string TABLE = "ErrorsLocalization7.txt";

/// A logger for agent 7 in a fresh working directory, its monitor port a
/// stand-in on the loopback.
struct MonitoredLogger {
    MonitoredLogger() {
        if (!monitor.acceptAgent(5s)) {
            throw std::runtime_error("the logger did not connect to the monitor port");
        }
    }

    /// The player's true pose in the server's frame, taken by the logger's
    /// wizard before it answers.
    void setTruth(PlaySide::PLAY_SIDE side, double x, double y, double heading) {
        MonitorScene scene;
        scene.players = {{AGENT, side, x, y, 0.4, heading}};
        ASSERT_TRUE(monitor.channel().send(scene.full()));
        ASSERT_TRUE(monitor.channel().receive(5s));
    }

    int tables() const {
        const std::string text = marlowinds_lib::utils::TemporaryWorkingDirectory::read(TABLE);
        int count = 0;
        for (std::size_t at = text.find("Num of"); at != std::string::npos; at = text.find("Num of", at + 1)) {
            ++count;
        }
        return count;
    }

    /// The numbers of the last line written.
    std::vector<double> lastRow() const {
        const std::string text = marlowinds_lib::utils::TemporaryWorkingDirectory::read(TABLE);
        std::istringstream in(text.substr(text.rfind('\n', text.size() - 2) + 1));
        std::vector<double> numbers;
        for (double number = 0.0; in >> number;) {
            numbers.push_back(number);
        }
        return numbers;
    }

    /// The logger goes, as at the end of the player's process.
    void stop() { logger.reset(); }

    marlowinds_lib::utils::TemporaryWorkingDirectory folder;
    tools::test_server::TestServer monitor;
    std::optional<LocalizationErrorLoggerImplementation> logger{std::in_place, AGENT, monitor.getPort()};
};

TEST(ErrorLoggerTest, PositiveCoordinatesRoundAHalfDownNegativeOnesTruncate) {
    const double rows[][2] = {{2.5, 2}, {2.6, 3}, {0.5, 0}, {3.0, 3}, {-0.7, 0}, {-1.7, -1}, {-2.5, -2}};
    for (const auto& row : rows) {
        EXPECT_EQ(LocalizationErrorLoggerImplementation::grid(row[0]), row[1]) << row[0];
    }
}

TEST(ErrorLoggerTest, TablesAreWrittenAtTheStartAndEveryThreeHundredSeconds) {
    const tests::Watchdog watchdog(60);
    MonitoredLogger fixture;
    LocalizationErrorLoggerImplementation& logger = *fixture.logger;
    Pose2D estimate(0.0, 2.5, -1.7);
    // No scene yet: nothing to compare with.
    logger.logError(0.0, PlaySide::LEFT, estimate);
    EXPECT_EQ(fixture.tables(), 0);

    fixture.setTruth(PlaySide::LEFT, 2.5, -1.7, 0.0);
    const struct {
        double time;
        int tables;
    } rows[] = {{0.0, 1}, {0.02, 1}, {0.04, 1}, {299.98, 1}, {300.0, 2}, {300.02, 2}, {300.04, 2}, {600.0, 3}};
    for (const auto& row : rows) {
        logger.logError(row.time, PlaySide::LEFT, estimate);
        EXPECT_EQ(fixture.tables(), row.tables) << row.time;
    }
    // The one cell, of the true position.
    const std::vector<double> cell = fixture.lastRow();
    ASSERT_EQ(cell.size(), 4u);
    EXPECT_EQ(cell[0], 2);
    EXPECT_EQ(cell[1], -1);
}

TEST(ErrorLoggerTest, AStoppingLoggerWritesTheTableOnceMoreWithEverythingGathered) {
    const tests::Watchdog watchdog(60);
    const struct {
        const char* name;
        std::vector<double> times;
        int periodicTables;
    } rows[] = {
        {"a run shorter than the period", {12.0, 12.02, 40.0, 299.98}, 0},
        {"a run past a periodic table", {0.0, 150.0, 300.0, 300.02, 310.0}, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MonitoredLogger fixture;
        fixture.setTruth(PlaySide::LEFT, 2.5, -1.7, 0.0);
        for (const double time : row.times) {
            // Half a metre off on the first sample, right on the others.
            Pose2D estimate(0.0, time == row.times.front() ? 2.0 : 2.5, -1.7);
            fixture.logger->logError(time, PlaySide::LEFT, estimate);
        }
        ASSERT_EQ(fixture.tables(), row.periodicTables);

        fixture.stop();

        EXPECT_EQ(fixture.tables(), row.periodicTables + 1);
        const std::vector<double> cell = fixture.lastRow();
        ASSERT_EQ(cell.size(), 4u);
        EXPECT_EQ(cell[0], 2);
        EXPECT_EQ(cell[1], -1);
        EXPECT_NEAR(cell[2], 0.5 / static_cast<double>(row.times.size()), 1e-5);
    }
}

TEST(ErrorLoggerTest, CellsHoldTheMeanPositionAndHeadingErrors) {
    const tests::Watchdog watchdog(60);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        PlaySide::PLAY_SIDE side;
        Pose2D truth;
        std::vector<Pose2D> estimates;
        std::vector<double> row;
    } rows[] = {
        {"error at the limit", PlaySide::LEFT, {0.0, 2.5, -1.7}, {{0.0, -2.5, -1.7}}, {2, -1, 5, 0}},
        {"error beyond the limit", PlaySide::LEFT, {0.0, 2.51, -0.2}, {{0.0, -2.5, -0.2}}, {3, 0, 0, 0}},
        {"heading errors of both signs", PlaySide::LEFT, {0.0, 0.0, 0.0}, {{0.1, 0, 0}, {-0.1, 0, 0}}, {0, 0, 0, 0.1}},
        {"heading errors across the half turn",
         PlaySide::LEFT,
         {M_PI - 0.05, 0, 0},
         {{-M_PI + 0.05, 0, 0}, {M_PI - 0.15, 0, 0}},
         {0, 0, 0, 0.1}},
        {"right side mirrored", PlaySide::RIGHT, {0.5, 3.0, 1.0}, {{0.5 + M_PI, -3.0, -1.0}}, {-3, -1, 0, 0}},
        {"samples not a number skipped",
         PlaySide::LEFT,
         {0, 1, 1},
         {{0, nan, 1}, {nan, 1, 1}, {0, 1, 2}},
         {1, 1, 1, 0}},
    };
    for (const auto& row : rows) {
        MonitoredLogger fixture;
        fixture.setTruth(row.side, row.truth.translation.x, row.truth.translation.y, row.truth.rotation);
        for (Pose2D estimate : row.estimates) {
            fixture.logger->logError(1.0, row.side, estimate);
        }
        fixture.logger->logToFile();

        const std::vector<double> written = fixture.lastRow();
        ASSERT_EQ(written.size(), 4u) << row.name;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(written[i], row.row[i], 1e-5) << row.name << " " << i;
        }
    }
}

} // namespace
} // namespace loggers
} // namespace utils
