#include "control/kick/KickZMPParams.h"

#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

namespace control {
namespace kick {
namespace {

TEST(KickZMPParamsTest, EachKeySetsItsFieldOnly) {
    const struct {
        const char* key;
        double KickZMPParams::*field;
    } cases[] = {
        {"moveZmpDuration", &KickZMPParams::moveZmpDuration},
        {"kickDuration", &KickZMPParams::kickDuration},
        {"takeFootDuration", &KickZMPParams::takeFootDuration},
        {"kickAmplitude", &KickZMPParams::kickAmplitude},
        {"zFoot", &KickZMPParams::zFoot},
        {"accelerationMoveRatio", &KickZMPParams::accelerationMoveRatio},
        {"ySeparation", &KickZMPParams::ySeparation},
        {"zCom", &KickZMPParams::zCom},
        {"armsCompensationFactor", &KickZMPParams::armsCompensationFactor},
    };
    for (const auto& testCase : cases) {
        KickZMPParams target;
        KickZMPParams::setKickParameters(
            *tests::jsonLeaf(std::string("{\"") + testCase.key + "\": 0.75, \"other\": 3}"), target);
        for (const auto& other : cases) {
            EXPECT_DOUBLE_EQ(target.*other.field, other.field == testCase.field ? 0.75 : 0.0)
                << testCase.key << " / " << other.key;
        }
    }
}

} // namespace
} // namespace kick
} // namespace control
