#include "agent/BodyChoice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace agent {
namespace {

TEST(BodyChoiceTest, TheUniformNumberChoosesTheBody) {
    const struct {
        int given;
        int used;
        int bodyType;
    } cases[] = {
        {1, 1, 4}, {2, 2, 4}, {3, 3, 4}, {4, 4, 2},   {5, 5, 2},   {6, 6, 4},
        {7, 7, 0}, {8, 8, 0}, {9, 9, 4}, {10, 10, 4}, {11, 11, 4}, {15, 10, 0},
    };
    for (const auto& testCase : cases) {
        const BodyChoice choice = BodyChoice::fromUniformNumber(testCase.given);
        EXPECT_EQ(choice.getAgentNumber(), testCase.used) << testCase.given;
        EXPECT_EQ(choice.getRobotType(), testCase.bodyType) << testCase.given;
    }
}

TEST(BodyChoiceTest, NumbersOutsideTheTeamAreRejected) {
    for (const int given : {0, -1, 12, 14, 16, 100}) {
        try {
            BodyChoice::fromUniformNumber(given);
            ADD_FAILURE() << "accepted " << given;
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(std::to_string(given)), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace agent
