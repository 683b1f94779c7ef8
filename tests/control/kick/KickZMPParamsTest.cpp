#include "control/kick/KickZMPParams.h"

#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace control {
namespace kick {
namespace {

TEST(KickZMPParamsTest, DefaultsMakeAKickOfOnePointSixSeconds) {
    const KickZMPParams defaults = KickZMPParams::getDefaultKickZMPParams();
    EXPECT_DOUBLE_EQ(2 * defaults.moveZmpDuration + 2 * defaults.takeFootDuration + defaults.kickDuration, 1.6);
    EXPECT_DOUBLE_EQ(defaults.kickAmplitude, 0.1);
    EXPECT_DOUBLE_EQ(defaults.zFoot, 0.05);
    EXPECT_DOUBLE_EQ(defaults.accelerationMoveRatio, 0.2);
    EXPECT_DOUBLE_EQ(defaults.ySeparation, 0.06);
    EXPECT_DOUBLE_EQ(defaults.zCom, 0.3);
    EXPECT_DOUBLE_EQ(defaults.armsCompensationFactor, 0.0);
}

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
        KickZMPParams::setKickParameters(*tests::jsonLeaf(std::string("{\"") + testCase.key + "\": 7.5, \"other\": 3}"),
                                         target);
        for (const auto& other : cases) {
            EXPECT_DOUBLE_EQ(target.*other.field, other.field == testCase.field ? 7.5 : 0.0)
                << testCase.key << " / " << other.key;
        }
    }
}

TEST(KickZMPParamsTest, AValueThatIsNoNumberIsRejected) {
    KickZMPParams target;
    EXPECT_THROW(KickZMPParams::setKickParameters(*tests::jsonLeaf(R"({"zFoot": "high"})"), target),
                 std::invalid_argument);
}

} // namespace
} // namespace kick
} // namespace control
