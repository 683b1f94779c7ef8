#include "marlowinds_lib/utils/LogSystem.h"

#include "TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace marlowinds_lib {
namespace utils {
namespace {

class LogSystemTest : public testing::Test {
protected:
    TemporaryWorkingDirectory directory;
    boost::filesystem::path logging() const { return directory.getRoot() / "logging"; }
};

TEST_F(LogSystemTest, DefaultsAreTheLoggingFolderBesideTheWorkingDirectory) {
    EXPECT_EQ(&LogSystem::getInstance(), &LogSystem::getInstance());
    for (const char* expectedMessage : {"Directory Created: ../logging\n", ""}) {
        LogSystem system;
        testing::internal::CaptureStderr();
        system.getLogger("x").writeToStream("hello");
        // Only a new folder is announced.
        EXPECT_EQ(testing::internal::GetCapturedStderr(), expectedMessage);
    }
    EXPECT_EQ(TemporaryWorkingDirectory::read(logging() / "x.log"), "hello\n");
}

TEST_F(LogSystemTest, OneLoggerPerNameOpenedOnce) {
    LogSystem system;
    Logger& first = system.getLogger("x");
    first.writeToStream("one");
    Logger& again = system.getLogger("x");
    EXPECT_EQ(&first, &again);
    again.writeToStream("two");
    EXPECT_NE(&system.getLogger("y"), &first);
    EXPECT_EQ(&system.getLogger(), &system.getLogger("main"));
    again.closeStream();
    // The second lookup did not truncate the file.
    EXPECT_EQ(TemporaryWorkingDirectory::read(logging() / "x.log"), "one\ntwo\n");
}

TEST_F(LogSystemTest, ConfigureAppliesToLoggersMadeAfterwards) {
    LogSystem system;
    testing::internal::CaptureStderr();
    system.getLogger("before");
    system.configure("other", ".txt");
    system.getLogger("after");
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(boost::filesystem::exists(logging() / "before.log"));
    EXPECT_TRUE(boost::filesystem::exists("other/after.txt"));
}

TEST_F(LogSystemTest, AFolderThatCannotBeCreatedGivesAClearError) {
    LogSystem system("../missing/logging", ".log");
    try {
        system.getLogger("x");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("(LogSystem) cannot create the log folder \"../missing/logging\": "), std::string::npos)
            << message;
    }
    EXPECT_FALSE(boost::filesystem::exists(directory.getRoot() / "missing"));
}

TEST_F(LogSystemTest, NoLineIsLostWhenTheProgramEndsNormally) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        Logger& logger = LogSystem::getInstance().getLogger("ending");
        logger.log(Level::UTILS);
        logger.getStream() << "last words";
        std::exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(TemporaryWorkingDirectory::read(logging() / "ending.log"), "[UTILS] last words\n");
}

} // namespace
} // namespace utils
} // namespace marlowinds_lib
