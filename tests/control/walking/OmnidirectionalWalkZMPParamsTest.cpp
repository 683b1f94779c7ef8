#include "control/walking/OmnidirectionalWalkZMPParams.h"

#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace control {
namespace walking {
namespace {

void expectParams(const OmnidirectionalWalkZMPParams& actual, const OmnidirectionalWalkZMPParams& expected) {
    EXPECT_DOUBLE_EQ(actual.period, expected.period);
    EXPECT_DOUBLE_EQ(actual.zCom, expected.zCom);
    EXPECT_DOUBLE_EQ(actual.zStep, expected.zStep);
    EXPECT_DOUBLE_EQ(actual.doubleSupportRatio, expected.doubleSupportRatio);
    EXPECT_DOUBLE_EQ(actual.ySeparation, expected.ySeparation);
    EXPECT_DOUBLE_EQ(actual.armsCompensationFactor, expected.armsCompensationFactor);
}

TEST(OmnidirectionalWalkZMPParamsTest, KnownKeysSetTheirFieldsAndOthersAreIgnored) {
    const struct {
        const char* json;
        OmnidirectionalWalkZMPParams expected;
    } cases[] = {
        {R"({"period": 0.3})", {0.3, 1, 1, 1, 1, 1}},
        {R"({"period": 0.3, "foo": 1})", {0.3, 1, 1, 1, 1, 1}},
        {R"({"Period": 0.3, " zCom": 0.2})", {1, 1, 1, 1, 1, 1}},
        {R"({"zStep": "0.02"})", {1, 1, 0.02, 1, 1, 1}},
        {R"({"period": 0.2, "period": 0.25})", {0.25, 1, 1, 1, 1, 1}},
        {R"({"period": 0.2, "zCom": 0.3, "zStep": 0.02, "doubleSupportRatio": 0.2, "ySeparation": 0.055,
             "armsCompensationFactor": 0.5})",
         {0.2, 0.3, 0.02, 0.2, 0.055, 0.5}},
    };
    for (const auto& testCase : cases) {
        OmnidirectionalWalkZMPParams target(1, 1, 1, 1, 1, 1);
        OmnidirectionalWalkZMPParams::setWalkParameters(*tests::jsonLeaf(testCase.json), target);
        SCOPED_TRACE(testCase.json);
        expectParams(target, testCase.expected);
    }
}

TEST(OmnidirectionalWalkZMPParamsTest, ValuesThatAreNoNumbersAreRejectedNamingTheKey) {
    const struct {
        const char* json;
        bool outOfRange;
    } cases[] = {
        {R"({"period": "abc"})", false},
        {R"({"zCom": "nan"})", false},
        {R"({"zStep": "inf"})", false},
        {R"({"ySeparation": "1e999"})", true},
    };
    for (const auto& testCase : cases) {
        OmnidirectionalWalkZMPParams target;
        try {
            OmnidirectionalWalkZMPParams::setWalkParameters(*tests::jsonLeaf(testCase.json), target);
            ADD_FAILURE() << "accepted " << testCase.json;
        } catch (const std::out_of_range& error) {
            EXPECT_TRUE(testCase.outOfRange) << error.what();
        } catch (const std::invalid_argument& error) {
            EXPECT_FALSE(testCase.outOfRange) << error.what();
            const std::string key = std::string(testCase.json).substr(2, std::string(testCase.json).find('"', 2) - 2);
            EXPECT_NE(std::string(error.what()).find(key), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace walking
} // namespace control
