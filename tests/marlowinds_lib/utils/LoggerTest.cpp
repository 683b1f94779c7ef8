#include "marlowinds_lib/utils/Logger.h"

#include "TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace marlowinds_lib {
namespace utils {
namespace {

class LoggerTest : public testing::Test {
protected:
    TemporaryWorkingDirectory directory;
    const std::string file = "test.log";
};

TEST_F(LoggerTest, EveryCallStartsANewLineAndTheLastEndsOnClose) {
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
    struct Case {
        Level level;
        const char* line;
    };
    const Case cases[] = {
        {Level::ACTION, "[ACTION] "},
        {Level::AGENT, "[AGENT] "},
        {Level::COMMUNICATION, "[COMMUNICATION] "},
        {Level::DECISION_MAKING, "[DECISION_MAKING] "},
        {Level::MODELING, "[MODELING] "},
        {Level::PERCEPTION, "[PERCEPTION] "},
        {Level::REPRESENTATIONS, "[REPRESENTATIONS] "},
        {Level::UTILS, "[UTILS] "},
        {static_cast<Level>(9), "[[Unknown Level]] "},
    };
    std::string expected;
    {
        Logger logger(file);
        for (const auto& test : cases) {
            logger.log(test.level);
            EXPECT_EQ(logger.getLevel(), static_cast<int>(test.level));
            expected += std::string(test.line) + "\n";
        }
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

TEST_F(LoggerTest, AnExistingFileIsEmptied) {
    {
        std::ofstream old(file);
        old << "old content\n";
    }
    {
        Logger logger(file);
        logger.writeToStream("new");
    }
    EXPECT_EQ(TemporaryWorkingDirectory::read(file), "new\n");
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
