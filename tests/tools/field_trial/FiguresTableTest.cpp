#include "tools/field_trial/FiguresTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tools {
namespace field_trial {
namespace {

TEST(FiguresTableTest, AGetUpRowTellsBothWaysOfWalkingOnWithHowManyGotUpInTheTrialsTime) {
    TrialFigures row;
    row.trial = "get-up-fallBack";
    row.body = 1;
    row.getUpTimeLimit = 4.5;
    row.getUpAttempts = 10;
    row.getUps = 10;
    row.getUpTime = 3.64;
    row.getUpsInTime = 9;
    row.getUpAttemptsWalking = 10;
    row.getUpsWalking = 8;
    row.getUpTimeWalking = 4.06;
    row.getUpsInTimeWalking = 7;
    std::ostringstream out;
    FiguresTable::print({row}, out);
    EXPECT_NE(out.str().find("| 3.6 s (10/10, 9 within 4.5 s) | 4.1 s (8/10, 7 within 4.5 s) |"), std::string::npos)
        << out.str();

    // Figures written before the time limit was kept: the counts alone.
    row.getUpTimeLimit.reset();
    std::ostringstream older;
    FiguresTable::print({row}, older);
    EXPECT_NE(older.str().find("| 3.6 s (10/10) | 4.1 s (8/10) |"), std::string::npos) << older.str();
}

TEST(FiguresTableTest, AMatchRowTellsTheReFallsBesideTheFalls) {
    TrialFigures row;
    row.trial = "match-half";
    row.body = TrialFigures::OWN_BODIES;
    row.falls = 31;
    row.leftFalls = 13;
    row.rightFalls = 18;
    row.reFalls = 2;
    std::ostringstream out;
    FiguresTable::print({row}, out);
    EXPECT_NE(out.str().find("| 31 (13 / 18) | 2 |"), std::string::npos) << out.str();
}

} // namespace
} // namespace field_trial
} // namespace tools
