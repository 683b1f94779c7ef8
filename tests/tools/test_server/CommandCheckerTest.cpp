#include "tools/test_server/CommandChecker.h"

#include <gtest/gtest.h>

namespace tools {
namespace test_server {
namespace {

std::string joints(const std::string& value = "0") {
    std::string text;
    for (const char* name : CommandChecker::JOINT_EFFECTORS) {
        text += std::string("(") + name + " " + value + ")";
    }
    return text;
}

TEST(CommandCheckerTest, AcceptsWellFormedReplies) {
    const std::string accepted[] = {
        joints() + "(syn)",
        "(say AbC+/9)" + joints() + "(syn)",
        "(say )" + joints() + "(syn)",
        "(beam -14.9 0 0)" + joints("-0.5") + "(syn)",
        "(say x)(beam -3 3 90)(pass)" + joints("1.23457e+06") + "(syn)",
        "(pass)" + joints("-0") + "(syn)",
    };
    for (const auto& text : accepted) {
        CommandMessage message;
        std::string error;
        EXPECT_TRUE(CommandChecker::check(text, message, error)) << text << ": " << error;
    }
}

TEST(CommandCheckerTest, ReadsTheCommands) {
    CommandMessage message;
    std::string error;
    ASSERT_TRUE(CommandChecker::check("(say hi)(beam -3 3 90)(pass)" + joints("0.25") + "(syn)", message, error));
    EXPECT_EQ(message.say, "hi");
    ASSERT_TRUE(message.beam.has_value());
    EXPECT_EQ((*message.beam)[0], -3.0);
    EXPECT_EQ((*message.beam)[2], 90.0);
    EXPECT_TRUE(message.pass);
    EXPECT_EQ(message.jointSpeeds[21], 0.25);
}

TEST(CommandCheckerTest, RejectsMalformedReplies) {
    std::string swapped = joints();
    swapped.replace(swapped.find("(he1 0)(he2 0)"), 14, "(he2 0)(he1 0)");
    const std::string rejected[] = {
        "",
        joints(),                                  // no syn
        "(syn)",                                   // no joints
        joints("nan") + "(syn)",                   // not finite
        joints("inf") + "(syn)",                   // not finite
        joints("1x") + "(syn)",                    // not a number
        swapped + "(syn)",                         // wrong order
        "(beam 1 2)" + joints() + "(syn)",         // beam without rotation
        "(pass)(beam 1 2 3)" + joints() + "(syn)", // beam after pass
        joints() + "(syn)(syn)",                   // commands after syn
        " " + joints() + "(syn)",                  // text outside commands
        joints() + "(syn",                         // unbalanced
        "(say a b)" + joints() + "(syn)",          // blank inside the say message
    };
    for (const auto& text : rejected) {
        CommandMessage message;
        std::string error;
        EXPECT_FALSE(CommandChecker::check(text, message, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

} // namespace
} // namespace test_server
} // namespace tools
