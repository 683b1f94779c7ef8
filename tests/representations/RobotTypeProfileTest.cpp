#include "representations/RobotTypeProfile.h"
#include "representations/MarlowindsConstants.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

RobotTypeProfile profileOf(int type) {
    return RobotTypeProfile::getRobotTypeProfile(static_cast<RobotType::ROBOT_TYPE>(type));
}

TEST(RobotTypeProfileTest, TableRows) {
    struct Row {
        int type;
        double thighZ, ankleZ, elbowY, pitchSpeed, rollSpeed;
        bool toe;
    };
    const Row rows[] = {
        {0, -0.04, -0.055, 0.07, 6.1395, 6.1395, false},
        {1, -0.05832, -0.07332, 0.10664, 6.1395, 6.1395, false},
        {2, -0.05832, -0.07332, 0.10664, 8.80667, 3.47234, false},
        {3, -0.067868424, -0.082868424, 0.125736848, 6.1395, 6.1395, false},
        {4, -0.04, -0.055, 0.07, 6.1395, 6.1395, true},
    };
    for (const auto& row : rows) {
        const auto profile = profileOf(row.type);
        EXPECT_DOUBLE_EQ(profile.getHip1TranslationZ(), -0.115) << row.type;
        EXPECT_DOUBLE_EQ(profile.getThighTranslationZ(), row.thighZ) << row.type;
        EXPECT_DOUBLE_EQ(profile.getAnkleTranslationZ(), row.ankleZ) << row.type;
        EXPECT_DOUBLE_EQ(profile.getElbowTranslationY(), row.elbowY) << row.type;
        EXPECT_DOUBLE_EQ(profile.getFootPitchMaxSpeed(), row.pitchSpeed) << row.type;
        EXPECT_DOUBLE_EQ(profile.getFootRollMaxSpeed(), row.rollSpeed) << row.type;
        EXPECT_EQ(profile.getUseToe(), row.toe) << row.type;
    }
    EXPECT_DOUBLE_EQ(profileOf(3).getHip1TranslationX(), 0.072954143);
    EXPECT_DOUBLE_EQ(profileOf(4).getToeLength(), 0.035517656);
    EXPECT_DOUBLE_EQ(profileOf(0).getToeLength(), 0.0);
}

TEST(RobotTypeProfileTest, UnknownTypesGiveAllZeroProfile) {
    for (const int type : {5, -1, 100}) {
        const auto profile = profileOf(type);
        EXPECT_EQ(profile.getHip1TranslationX(), 0.0);
        EXPECT_EQ(profile.getFootPitchMaxSpeed(), 0.0);
        EXPECT_EQ(profile.getFootRollMaxSpeed(), 0.0);
        EXPECT_FALSE(profile.getUseToe());
        EXPECT_EQ(profile.getToeLength(), 0.0);
    }
}

TEST(MarlowindsConstantsTest, OnlyTheFormationFolderEndsWithASlash) {
    EXPECT_EQ(MarlowindsConstants::FORMATION_FOLDER.back(), '/');
    EXPECT_NE(MarlowindsConstants::KEYFRAME_FOLDER.back(), '/');
    EXPECT_NE(MarlowindsConstants::NEURAL_NETWORK_FOLDER.back(), '/');
    EXPECT_NE(MarlowindsConstants::DYNAMIC_PARAMS_FOLDER.back(), '/');
}

} // namespace
} // namespace representations
