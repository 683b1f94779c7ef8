#include "perception/VisionPerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace perception {
namespace {

std::vector<std::string> namesAndKinds(const VisionPerceptor& vision) {
    std::vector<std::string> seen;
    for (const auto& object : vision.getVisibleObjects()) {
        seen.push_back(object->getName() + ":" + std::to_string(object->getVisibleObjectType()));
    }
    return seen;
}

TEST(VisionPerceptorTest, MakesOneObjectPerKnownNameInOrder) {
    struct Row {
        std::string group;
        std::vector<std::string> objects;
    };
    const std::vector<Row> rows{
        {"(See (G1L (pol 17.5 -3.3 -2.0)) (F1R (pol 19.4 40.1 -3.5)) (B (pol 8.5 -0.2 -3.7)) "
         "(L (pol 5.3 -20 -15) (pol 9.8 30 -10)) (P (team Other) (id 7) (head (pol 16.9 -0.2 3.1))))",
         {"G1L:4", "F1R:5", "B:2", "L:1", "unknown:3"}},
        {"(See (X (pol 1 2 3)) (mypos 1 2 3) (b (pol 1 0 0)) ( B (pol 1 0 0)))", {}},
        {"(See)", {}},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);
        MalformedInputReporter reporter;

        const VisionPerceptor vision(group.node(), reporter);

        EXPECT_EQ(namesAndKinds(vision), row.objects) << row.group;
    }
}

TEST(VisionPerceptorTest, AMalformedObjectIsSkippedWithOneDiagnosticLine) {
    const std::vector<std::string> malformed{
        "(B)",
        "(B (pol))",
        "(B (pol 1 2))",
        "(F1L (pol 1))",
        "(G2R)",
        "(L (pol 1 0 0))",
        "(L (pol 1 0 0) (pol 2 0))",
        "(P (id))",
        "(P (team))",
        "(P (head))",
        "(P (head (pol 1 2)))",
        "(B (pol nan 0 0))",
        "(P (head (pol 1 inf 0)))",
        // A player's numbers are read strictly.
        "(P (id x))",
        "(P (id 99999999999))",
        "(P (id 7) (head (pol 1 x 2)))",
        "(P (id 7) (head (pol  1 0 0)))",
    };
    for (const std::string& object : malformed) {
        const testing::ParsedGroup group("(See " + object + " (B (pol 1 0 0)))");
        MalformedInputReporter reporter;
        ::testing::internal::CaptureStderr();

        const VisionPerceptor vision(group.node(), reporter);

        const std::string diagnostics = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(namesAndKinds(vision), std::vector<std::string>{"B:2"}) << object;
        EXPECT_EQ(diagnostics.rfind("(VisionPerceptor) ", 0), 0u) << diagnostics;
        EXPECT_EQ(std::count(diagnostics.begin(), diagnostics.end(), '\n'), 1) << diagnostics;
    }
}

} // namespace
} // namespace perception
