#include "tools/field_trial/TrialFigures.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tools {
namespace field_trial {
namespace {

TEST(TrialFiguresTest, WhatIsWrittenReadsBackWithAbsentFiguresStillAbsent) {
    TrialFigures written;
    written.trial = "walk-forward-sprint";
    written.body = 3;
    written.failure = "a \"quoted\" reason\nover two lines\\";
    written.seconds = 31.14;
    written.falls = 2;
    written.uprightShare = 0.123456789;
    written.kickDirectionError = -12.5;
    written.headingRms = 1e-7;
    written.odometrySteps = {{{0.1, 0.05, -0.01}, {0.12, 0.04, -0.02}}, {{-0.3, 0.0, 0.0}, {-0.25, 0.001, 0.002}}};

    const TrialFigures read = TrialFigures::fromJson(written.toJson());
    EXPECT_EQ(read.trial, written.trial);
    EXPECT_EQ(read.body, written.body);
    EXPECT_EQ(read.failure, written.failure);
    EXPECT_DOUBLE_EQ(*read.seconds, 31.14);
    EXPECT_DOUBLE_EQ(*read.falls, 2.0);
    EXPECT_NEAR(*read.uprightShare, 0.123456789, 1e-9);
    EXPECT_DOUBLE_EQ(*read.kickDirectionError, -12.5);
    EXPECT_NEAR(*read.headingRms, 1e-7, 1e-15);
    EXPECT_FALSE(read.meanSpeed.has_value());
    EXPECT_FALSE(read.getUpTime.has_value());
    ASSERT_EQ(read.odometrySteps.size(), 2u);
    // Pose2D is (rotation, x, y).
    EXPECT_DOUBLE_EQ(read.odometrySteps[1].odometry.rotation, -0.3);
    EXPECT_DOUBLE_EQ(read.odometrySteps[1].odometry.translation.x, 0.0);
    EXPECT_DOUBLE_EQ(read.odometrySteps[0].truth.rotation, 0.12);
    EXPECT_DOUBLE_EQ(read.odometrySteps[0].truth.translation.y, -0.02);
    EXPECT_DOUBLE_EQ(read.odometrySteps[1].truth.translation.y, 0.002);
}

TEST(TrialFiguresTest, AMatchReadsBackWithThePlayersOwnBodies) {
    TrialFigures written;
    written.trial = "match-half";
    written.body = TrialFigures::OWN_BODIES;
    written.leftScore = 2;
    written.rightScore = 0;
    written.ballTravel = 123.4;
    const std::string json = written.toJson();
    EXPECT_NE(json.find("\"body\": null"), std::string::npos) << json;

    const TrialFigures read = TrialFigures::fromJson(json);
    EXPECT_EQ(read.body, TrialFigures::OWN_BODIES);
    EXPECT_EQ(read.leftScore, 2.0);
    EXPECT_EQ(read.rightScore, 0.0);
    EXPECT_DOUBLE_EQ(*read.ballTravel, 123.4);
    EXPECT_FALSE(read.goals.has_value());
}

TEST(TrialFiguresTest, AFigureThatIsNotANumberIsWrittenAsAbsentAndARunWithoutFailureHasNone) {
    TrialFigures written;
    written.trial = "stand";
    written.cpuMean = std::numeric_limits<double>::quiet_NaN();
    written.cpuMax = std::numeric_limits<double>::infinity();
    const std::string json = written.toJson();
    EXPECT_NE(json.find("\"cpu_ms_mean\": null"), std::string::npos) << json;

    const TrialFigures read = TrialFigures::fromJson(json);
    EXPECT_FALSE(read.cpuMean.has_value());
    EXPECT_FALSE(read.cpuMax.has_value());
    EXPECT_TRUE(read.failure.empty());
}

TEST(TrialFiguresTest, FiguresWrittenBeforeAFigureWasMeasuredReadWithItAbsent) {
    TrialFigures written;
    written.trial = "get-up-fallBack";
    written.getUps = 10;
    written.reFalls = 2;
    std::string json = written.toJson();
    for (const std::string key : {"\"get_ups_walking\": null, ", "\"re_falls\": 2, "}) {
        const std::size_t at = json.find(key);
        ASSERT_NE(at, std::string::npos) << key << " in " << json;
        json.erase(at, key.size());
    }

    const TrialFigures read = TrialFigures::fromJson(json);
    EXPECT_EQ(read.getUps, 10.0);
    EXPECT_FALSE(read.getUpsWalking.has_value());
    EXPECT_FALSE(read.reFalls.has_value());
}

TEST(TrialFiguresTest, TextThatIsNoSuchObjectIsRefused) {
    const std::string good = TrialFigures().toJson();
    for (const std::string& text : {std::string(""), std::string("{\"trial\": \"stand\"}"),
                                    good.substr(0, good.size() / 2), std::string("[1, 2]")}) {
        EXPECT_THROW(TrialFigures::fromJson(text), std::runtime_error) << text;
    }
    std::string notANumber = good;
    notANumber.replace(notANumber.find("\"falls\": null"), 13, "\"falls\": \"many\"");
    EXPECT_THROW(TrialFigures::fromJson(notANumber), std::runtime_error);
}

TEST(TrialFiguresTest, AFileOfFiguresReadsBackAndAnUnreadableOneIsNamed) {
    tests::TemporaryFolder folder;
    TrialFigures written;
    written.odometrySteps = {{{0.1, -0.05, 0.0}, {0.08, -0.04, 0.01}}};
    TrialFigures::writeFile({TrialFigures(), written}, folder / "figures.json");
    const std::vector<TrialFigures> read = TrialFigures::readFile(folder / "figures.json");
    ASSERT_EQ(read.size(), 2u);
    ASSERT_EQ(read[1].odometrySteps.size(), 1u);
    EXPECT_DOUBLE_EQ(read[1].odometrySteps[0].truth.translation.x, -0.04);

    tests::TemporaryFolder::write(folder / "cut.json",
                                  tests::TemporaryFolder::read(folder / "figures.json").substr(0, 40));
    for (const std::string& file : {folder / "cut.json", folder / "missing.json"}) {
        try {
            TrialFigures::readFile(file);
            ADD_FAILURE() << file << ": read";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind(file + ": ", 0), 0u) << error.what();
        }
    }
}

} // namespace
} // namespace field_trial
} // namespace tools
