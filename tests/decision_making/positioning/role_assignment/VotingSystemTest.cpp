#include "decision_making/positioning/role_assignment/VotingSystem.h"

#include "modeling/PositioningModel.h"
#include "tests/support/TeamRadioRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace decision_making {
namespace positioning {
namespace role_assignment {
namespace {

using representations::HearData;
using tests::TeamRadioRecord;

const std::string TEAM = "Marlowinds";

/// A positioning model that heard the given vectors from teammates 2, 3, ...
/// (fallen ones marked), as a field player's world model would.
modeling::PositioningModel modelHearing(const std::vector<std::vector<int>>& vectors,
                                        const std::vector<bool>& fallen = {}) {
    modeling::PositioningModel model;
    for (std::size_t i = 0; i < vectors.size(); ++i) {
        const int number = static_cast<int>(i) + 2;
        const bool isFallen = i < fallen.size() && fallen[i];
        HearData heard(TEAM, 0.0, false, 0.0,
                       TeamRadioRecord::fieldPlayer(number, 0.0, 0.0, isFallen, 0.0, 0.0, false, vectors[i], 1));
        heard.decode(TEAM);
        model.update(0.0, heard, TEAM, 5);
    }
    return model;
}

std::vector<int> withFirst(int first) {
    std::vector<int> roles = TeamRadioRecord::defaultRoles();
    roles[0] = first;
    return roles;
}

struct VoteCase {
    const char* what;
    std::vector<int> firstEntries;
    std::vector<bool> fallen;
    std::vector<int> expected;
};

TEST(VotingSystemTest, EachSlotTakesTheMostFrequentValueAndTiesGoToTheFirstSeen) {
    const VoteCase cases[] = {
        {"a tie goes to the value met first", {3, 3, 5, 5, 4}, {}, withFirst(3)},
        {"the majority wins over the first value", {2, 7, 7}, {}, withFirst(7)},
        {"a single voter decides", {13}, {}, withFirst(13)},
        {"fallen teammates do not vote", {2, 7, 7}, {false, true, true}, withFirst(2)},
        {"nobody relevant gives 0 in every slot", {4, 4}, {true, true}, std::vector<int>(10, 0)},
        {"nobody heard gives 0 in every slot", {}, {}, std::vector<int>(10, 0)},
    };
    for (const VoteCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::vector<int>> vectors;
        for (const int first : c.firstEntries) {
            vectors.push_back(withFirst(first));
        }
        const modeling::PositioningModel model = modelHearing(vectors, c.fallen);

        EXPECT_EQ(VotingSystem().generateSyncRoleVector(model), c.expected);
    }
}

TEST(VotingSystemTest, SlotsAreVotedIndependently) {
    const modeling::PositioningModel model = modelHearing({
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        {2, 1, 3, 4, 5, 6, 7, 8, 10, 9},
        {2, 2, 3, 4, 5, 6, 7, 8, 10, 9},
    });

    EXPECT_EQ(VotingSystem().generateSyncRoleVector(model), std::vector<int>({2, 2, 3, 4, 5, 6, 7, 8, 10, 9}));
}

TEST(VotingSystemTest, AVoteKeepsNothingFromTheVoteBefore) {
    VotingSystem voting;
    const modeling::PositioningModel many = modelHearing({withFirst(12), withFirst(12), withFirst(12)});
    const modeling::PositioningModel one = modelHearing({withFirst(4)});

    voting.generateSyncRoleVector(many);
    const std::vector<int> second = voting.generateSyncRoleVector(one);

    EXPECT_EQ(second, withFirst(4));
}

} // namespace
} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
