#include "utils/loggers/LocalizationErrorLogger.h"

#include <gtest/gtest.h>

namespace utils {
namespace loggers {
namespace {

TEST(LocalizationErrorLoggerTest, OneSilentLoggerWhateverTheAgentNumber) {
    LocalizationErrorLogger* const logger = LocalizationErrorLogger::getInstance(7);
    ASSERT_NE(logger, nullptr);
    EXPECT_EQ(LocalizationErrorLogger::getInstance(3), logger);

    marlowinds_lib::math::Pose2D estimate(0.5, -3.0, 2.0);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    logger->logError(12.34, representations::PlaySide::LEFT, estimate);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(estimate, marlowinds_lib::math::Pose2D(0.5, -3.0, 2.0));
}

} // namespace
} // namespace loggers
} // namespace utils
