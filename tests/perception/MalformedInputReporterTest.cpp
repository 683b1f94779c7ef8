#include "perception/MalformedInputReporter.h"

#include "perception/MalformedGroupError.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace perception {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

TEST(MalformedInputReporterTest, EachKindOfFaultWritesAtMostOneLineASecondWithTheCountLeftOut) {
    std::chrono::steady_clock::time_point now{};
    auto reporter = std::make_unique<MalformedInputReporter>([&now] { return now; });
    const testing::ParsedGroup joint("(HJ (n hj1))");
    const testing::ParsedGroup time("(time)");
    const MalformedGroupError error("nested group 2 is missing");
    const struct {
        std::chrono::milliseconds at;
        const char* reporter;
        const testing::ParsedGroup& group;
    } faults[] = {
        {0ms, "PerceptorFactory", joint},    {100ms, "PerceptorFactory", joint},  {200ms, "PerceptorFactory", time},
        {300ms, "VisionPerceptor", joint},   {999ms, "PerceptorFactory", joint},  {1000ms, "PerceptorFactory", joint},
        {1500ms, "PerceptorFactory", joint}, {1600ms, "PerceptorFactory", joint},
    };
    ::testing::internal::CaptureStderr();

    for (const auto& fault : faults) {
        now = std::chrono::steady_clock::time_point(fault.at);
        reporter->reportSkippedGroup(fault.reporter, error, fault.group.node());
    }
    reporter.reset();

    EXPECT_EQ(lines(::testing::internal::GetCapturedStderr()),
              (std::vector<std::string>{
                  "(PerceptorFactory) skipped a malformed group, nested group 2 is missing: (HJ (n hj1))",
                  "(PerceptorFactory) skipped a malformed group, nested group 2 is missing: (time)",
                  "(VisionPerceptor) skipped a malformed group, nested group 2 is missing: (HJ (n hj1))",
                  "(PerceptorFactory) skipped a malformed group, nested group 2 is missing: (HJ (n hj1)) (and 2 more "
                  "like it since the last line)",
                  "(PerceptorFactory) 2 more like \"HJ\" not shown",
              }));
}

TEST(MalformedInputReporterTest, MessagesCutInsideEverNewWordsMakeOneKindOfFault) {
    std::chrono::steady_clock::time_point now{};
    auto reporter = std::make_unique<MalformedInputReporter>([&now] { return now; });
    const MalformedGroupError error("cut short by the end of the message");
    ::testing::internal::CaptureStderr();

    // Ten seconds of messages, each cut inside a word never seen before.
    for (int message = 0; message < 1000; ++message) {
        now = std::chrono::steady_clock::time_point(std::chrono::milliseconds(10 * message));
        const testing::ParsedGroup cut("(w" + std::to_string(message));
        reporter->reportSkippedGroup("Perception", error, cut.node());
    }
    reporter.reset();

    const auto written = lines(::testing::internal::GetCapturedStderr());
    ASSERT_EQ(written.size(), 11u);
    EXPECT_EQ(written.front(), "(Perception) skipped a malformed group, cut short by the end of the message: (w0)");
    EXPECT_EQ(written.back(), "(Perception) 99 more like \"unknown\" not shown");
}

TEST(MalformedInputReporterTest, StrayBytesAndLongTextsAreWrittenSafely) {
    EXPECT_EQ(MalformedInputReporter::printable(std::string("a\0b\x7f\xff\n(", 7), 100), "a\\x00b\\x7f\\xff\\x0a(");
    EXPECT_EQ(MalformedInputReporter::printable("abcdef", 4), "abcd...");

    MalformedInputReporter reporter;
    ::testing::internal::CaptureStderr();
    reporter.reportDroppedMessage("Perception", MalformedGroupError("bad \x01"), std::string(500, '\xc3'));

    const auto written = lines(::testing::internal::GetCapturedStderr());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].rfind("(Perception) dropped a message, bad \\x01: \\xc3\\xc3", 0), 0u) << written[0];
    EXPECT_LT(written[0].size(), 1000u);
}

} // namespace
} // namespace perception
