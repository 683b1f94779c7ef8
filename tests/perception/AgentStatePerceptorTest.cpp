#include "perception/AgentStatePerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(AgentStatePerceptorTest, ReadsTemperatureAndBatteryByPosition) {
    struct Row {
        std::string group;
        double temperature;
        double battery;
    };
    const std::vector<Row> rows{
        {"(AgentState (temp 48) (battery 75))", 48.0, 75.0},
        {"(AgentState (battery 75) (temp 48))", 75.0, 48.0},
        {"(AgentState (temp hot) (battery 75.5%))", 0.0, 75.5},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const AgentStatePerceptor perceptor(group.node());

        EXPECT_DOUBLE_EQ(perceptor.getTemperature(), row.temperature) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getBattery(), row.battery) << row.group;
    }
}

} // namespace
} // namespace perception
