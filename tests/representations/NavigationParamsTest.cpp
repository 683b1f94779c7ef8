#include "representations/NavigationParams.h"
#include "tests/representations/NavigationParamsGuard.h"

#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace representations {
namespace {

using Type = control::walking::OmnidirectionalWalkZMParamsType;
using Leaf = marlowinds_lib::utils::patterns::LeafParameter<boost::property_tree::ptree, std::string>;
using Fields = std::array<double, 7>;

class NavigationParamsTest : public NavigationParamsGuard {};

TEST_F(NavigationParamsTest, EverySetReadsZeroBeforeLoading) {
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(fieldsOf(setAt(i)), Fields{}) << i;
    }
    EXPECT_EQ(fieldsOf(NavigationParams()), Fields{});
}

TEST_F(NavigationParamsTest, GetNavigationParamsHandsOutTheSetOfThatValue) {
    struct Row {
        int value;
        NavigationParams* expected;
    };
    const std::vector<Row> rows = {
        {0, &NavigationParams::normalParams},           {1, &NavigationParams::preciseParams},
        {2, &NavigationParams::conductParams},          {3, &NavigationParams::turnParams},
        {4, &NavigationParams::sprintParams},           {5, &NavigationParams::circleParams},
        {6, &NavigationParams::conductTurnParams},      {7, &NavigationParams::turnConductParams},
        {8, &NavigationParams::sprintTurnParams},       {9, &NavigationParams::turnSprintParams},
        {10, &NavigationParams::conductSprintParams},   {11, &NavigationParams::sprintConductParams},
        {12, &NavigationParams::conductSprintParams},   {-1, &NavigationParams::conductSprintParams},
        {1000, &NavigationParams::conductSprintParams},
    };
    for (auto const& row : rows) {
        EXPECT_EQ(&NavigationParams::getNavigationParams(static_cast<Type>(row.value)), row.expected) << row.value;
    }
}

TEST_F(NavigationParamsTest, SetNavigationParameterReadsKnownKeysInFileOrder) {
    struct Row {
        const char* json;
        Fields expected; // forward, backward, side, angular, bandwidth, close, gain; target starts at all 9
    };
    const std::vector<Row> rows = {
        {R"({"max_side_speed": 0.3})", {9, 9, 0.3, 9, 9, 9, 9}},
        {R"({"max_forward_speed": 0.8, "max_backward_speed": 0.4, "max_side_speed": 0.3,
             "max_angular_speed": 120, "close_distance_threshold": 0.2, "velocity_gain": 1.0,
             "angle_bandwidth": 3.0})",
         {0.8, 0.4, 0.3, 120, 3.0, 0.2, 1.0}},
        {R"({"Max_Forward_Speed": 0.8, "max_forward_speed ": 0.7, "speed": 1})", {9, 9, 9, 9, 9, 9, 9}},
        {R"({"velocity_gain": 1.0, "velocity_gain": 2.5})", {9, 9, 9, 9, 9, 9, 2.5}},
        {R"({"max_angular_speed": "90"})", {9, 9, 9, 90, 9, 9, 9}},
        {R"({"max_forward_speed": "0.5 m/s"})", {0.5, 9, 9, 9, 9, 9, 9}},
        {R"({"max_backward_speed": -0.25e0})", {9, -0.25, 9, 9, 9, 9, 9}},
        {R"({})", {9, 9, 9, 9, 9, 9, 9}},
    };
    for (auto const& row : rows) {
        NavigationParams target;
        target.max_forward_speed = target.max_backward_speed = target.max_side_speed = target.max_angular_speed =
            target.angle_bandwidth = target.close_distance_threshold = target.velocity_gain = 9;
        Leaf leaf(parseJson(row.json));

        NavigationParams::setNavigationParameter(leaf, target);

        const Fields actual = fieldsOf(target);
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i], row.expected[i], 1e-12) << row.json << " field " << i;
        }
    }
}

TEST_F(NavigationParamsTest, ValuesThatAreNotFiniteNumbersRaiseNamingTheKey) {
    struct Row {
        const char* json;
        bool outOfRange; // else invalid_argument
        const char* key;
    };
    const std::vector<Row> rows = {
        {R"({"max_side_speed": "abc"})", false, "max_side_speed"},
        {R"({"max_forward_speed": {"value": 0.5}})", false, "max_forward_speed"},
        {R"({"angle_bandwidth": [1, 2]})", false, "angle_bandwidth"},
        {R"({"velocity_gain": ""})", false, "velocity_gain"},
        {R"({"max_angular_speed": "nan"})", false, "max_angular_speed"},
        {R"({"max_angular_speed": "-inf"})", false, "max_angular_speed"},
        {R"({"close_distance_threshold": 1e999})", true, "close_distance_threshold"},
    };
    for (auto const& row : rows) {
        NavigationParams target;
        Leaf leaf(parseJson(row.json));
        try {
            NavigationParams::setNavigationParameter(leaf, target);
            ADD_FAILURE() << row.json << " was accepted";
        } catch (std::logic_error const& error) {
            EXPECT_EQ(dynamic_cast<std::out_of_range const*>(&error) != nullptr, row.outOfRange) << row.json;
            EXPECT_EQ(dynamic_cast<std::invalid_argument const*>(&error) != nullptr, !row.outOfRange) << row.json;
            EXPECT_NE(std::string(error.what()).find(row.key), std::string::npos) << error.what();
        }
    }
}

TEST_F(NavigationParamsTest, FieldsStoredBeforeABadValueKeepTheirNewValues) {
    NavigationParams target;
    Leaf leaf(parseJson(R"({"max_forward_speed": 0.7, "max_side_speed": "fast", "velocity_gain": 2})"));

    EXPECT_THROW(NavigationParams::setNavigationParameter(leaf, target), std::invalid_argument);

    EXPECT_DOUBLE_EQ(target.max_forward_speed, 0.7);
    EXPECT_EQ(target.max_side_speed, 0.0);
    EXPECT_EQ(target.velocity_gain, 0.0);
}

} // namespace
} // namespace representations
