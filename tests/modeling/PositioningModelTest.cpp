#include "modeling/PositioningModel.h"

#include "tests/support/TeamRadioRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace modeling {
namespace {

using representations::HearData;
using tests::TeamRadioRecord;

const std::string TEAM = "Marlowinds";
const std::vector<int> DEFAULT_ROLES = TeamRadioRecord::defaultRoles();

HearData heardFrom(int number, const std::vector<int>& roles, bool fallen = false, const std::string& team = TEAM) {
    HearData heard(team, 0.0, false, 0.0,
                   TeamRadioRecord::fieldPlayer(number, 1.0, 2.0, fallen, 0.0, 0.0, true, roles, number));
    heard.decode(TEAM);
    return heard;
}

std::vector<int> rolesWithFirst(int first) {
    std::vector<int> roles = DEFAULT_ROLES;
    roles[0] = first;
    return roles;
}

TEST(PositioningModelTest, AFreshModelHoldsTheDefaultRolesAndNoRelevantTeammate) {
    const PositioningModel model;

    EXPECT_EQ(model.getMyRoleAssignmentVector(), DEFAULT_ROLES);
    EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), DEFAULT_ROLES);
    EXPECT_EQ(model.getTeammatesRoleAssignmentVector(), std::vector<std::vector<int>>(10, DEFAULT_ROLES));
    EXPECT_EQ(model.getPlayersRelevance(), std::vector<bool>(10, false));
}

TEST(PositioningModelTest, TheGoalkeeperKeepsNothing) {
    PositioningModel model;

    for (int number = 2; number <= 11; ++number) {
        model.update(0.0, heardFrom(number, rolesWithFirst(7)), TEAM, 1);
    }

    EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), DEFAULT_ROLES);
    EXPECT_EQ(model.getPlayersRelevance(), std::vector<bool>(10, false));
}

TEST(PositioningModelTest, HeardVectorsAreStoredButNotVotedBeforeNumberElevenIsHeard) {
    PositioningModel model;

    for (int number = 2; number <= 10; ++number) {
        model.update(0.0, heardFrom(number, rolesWithFirst(number + 10)), TEAM, 5);
    }

    EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), DEFAULT_ROLES);
    for (int number = 2; number <= 10; ++number) {
        SCOPED_TRACE(testing::Message() << "teammate " << number);
        EXPECT_EQ(model.getTeammatesRoleAssignmentVector()[number - 2], rolesWithFirst(number + 10));
        EXPECT_TRUE(model.getPlayersRelevance()[number - 2]);
    }
    EXPECT_FALSE(model.getPlayersRelevance()[9]);
}

TEST(PositioningModelTest, OnceNumberElevenIsHeardEveryValidMessageRevotes) {
    PositioningModel model;
    model.update(0.0, heardFrom(2, rolesWithFirst(5)), TEAM, 3);
    model.update(0.0, heardFrom(3, rolesWithFirst(6)), TEAM, 3);
    model.update(0.0, heardFrom(11, rolesWithFirst(6)), TEAM, 3);
    EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), rolesWithFirst(6));

    // Number 3 falls: its vector is stored, but it no longer counts.
    model.update(0.0, heardFrom(3, rolesWithFirst(9), true), TEAM, 3);

    EXPECT_EQ(model.getTeammatesRoleAssignmentVector()[1], rolesWithFirst(9));
    EXPECT_FALSE(model.getPlayersRelevance()[1]);
    // 5 (number 2) and 6 (number 11) tie; number 2 comes first.
    EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), rolesWithFirst(5));
}

TEST(PositioningModelTest, MessagesThatCannotCarryRolesChangeNothing) {
    const struct {
        const char* what;
        HearData heard;
    } cases[] = {
        {"the goalkeeper's record",
         [] {
             HearData heard(TEAM, 0.0, false, 0.0, TeamRadioRecord::goalkeeper(-14.0, 0.0, false, {}));
             heard.decode(TEAM);
             return heard;
         }()},
        {"an empty text", HearData(TEAM, 0.0, false, 0.0, "")},
        {"sender number 0", heardFrom(0, rolesWithFirst(7))},
        {"sender number 12", heardFrom(12, rolesWithFirst(7))},
        {"another team", heardFrom(11, rolesWithFirst(7), false, "Others")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PositioningModel model;
        model.update(0.0, heardFrom(4, rolesWithFirst(8)), TEAM, 5);

        model.update(0.0, c.heard, TEAM, 5);
        model.update(0.0, heardFrom(4, rolesWithFirst(8)), TEAM, 5);

        EXPECT_EQ(model.getSynchronizedRoleAssignmentVector(), DEFAULT_ROLES);
        EXPECT_EQ(model.getPlayersRelevance(),
                  std::vector<bool>({false, false, true, false, false, false, false, false, false, false}));
    }
}

} // namespace
} // namespace modeling
