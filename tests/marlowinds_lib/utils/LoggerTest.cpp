#include "marlowinds_lib/utils/Logger.h"

#include "TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace marlowinds_lib {
namespace utils {
namespace {

class LoggerTest : public testing::Test {
protected:
    TemporaryWorkingDirectory directory;
    const std::string file = "test.log";
};

TEST_F(LoggerTest, EmptiesTheFileAndStartsEveryCallOnANewLineEndingTheLastOnClose) {
    {
        std::ofstream old(file);
        old << "old content\n";
    }
    Logger logger(file);
    logger.log(Level::MODELING);
    logger.writeToStream("a");
    logger.log(Level::UTILS);
    // The finished lines are on disk already; the open one is not ended yet.
    EXPECT_EQ(TemporaryWorkingDirectory::read(file), "[MODELING] \na\n");
    logger.closeStream();
    EXPECT_EQ(TemporaryWorkingDirectory::read(file), "[MODELING] \na\n[UTILS] \n");
    EXPECT_FALSE(logger.isOpen());
}

TEST_F(LoggerTest, TagsOfTextAndOfEveryLevel) {
    const char* const tags[] = {"ACTION",     "AGENT",           "COMMUNICATION", "DECISION_MAKING", "MODELING",
                                "PERCEPTION", "REPRESENTATIONS", "UTILS",         "[Unknown Level]"};
    std::string expected;
    {
        Logger logger(file);
        for (int level = 0; level < 9; ++level) {
            // The last tag is that of the value 9, outside the enumeration.
            logger.log(static_cast<Level>(level == 8 ? 9 : level));
            expected += "[" + std::string(tags[level]) + "] \n";
        }
        EXPECT_EQ(logger.getLevel(), 9);
        logger.log("free text");
        expected += "[free text] \n";
    }
    EXPECT_EQ(TemporaryWorkingDirectory::read(file), expected);
}

TEST_F(LoggerTest, StreamInsertionsContinueTheCurrentLine) {
    {
        Logger logger(file);
        logger.log(Level::AGENT).getStream() << "x = " << 3 << ", y = " << 1.5;
        logger.log("next");
    }
    EXPECT_EQ(TemporaryWorkingDirectory::read(file), "[AGENT] x = 3, y = 1.5\n[next] \n");
}

TEST_F(LoggerTest, AFileThatCannotBeOpenedIsReportedAndWritesAreHarmless) {
    testing::internal::CaptureStderr();
    Logger logger("no/such/folder/x.log");
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "(Logger) cannot open \"no/such/folder/x.log\" for writing: its lines are lost\n");
    EXPECT_FALSE(logger.isOpen());
    logger.log(Level::AGENT);
    logger.writeToStream("lost");
    logger.closeStream();
}

} // namespace
} // namespace utils
} // namespace marlowinds_lib
