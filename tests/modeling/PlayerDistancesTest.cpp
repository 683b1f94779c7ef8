#include "modeling/PlayerDistances.h"

#include <gtest/gtest.h>

#include <limits>

namespace modeling {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct CompareCase {
    double a;
    double b;
    int expected;
};

TEST(PlayerDistancesTest, ComparesEntriesByDistance) {
    const CompareCase cases[] = {
        {1.0, 2.0, -1}, {2.0, 1.0, 1}, {1.5, 1.5, 0}, {NaN, 1.0, 1}, {1.0, NaN, 1}, {NaN, NaN, 1},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " against " << c.b);
        const PlayerDistanceList::value_type a{c.a, nullptr};
        const PlayerDistanceList::value_type b{c.b, nullptr};
        EXPECT_EQ(compareDistanceEntries(&a, &b), c.expected);
    }
}

TEST(PlayerDistancesTest, SortsNearestFirstWithNotANumberLast) {
    representations::OtherPlayer players[5];
    PlayerDistanceList list = {
        {3.0, &players[0]}, {NaN, &players[1]}, {1.0, &players[2]}, {NaN, &players[3]}, {2.0, &players[4]}};

    sortByDistance(list);

    EXPECT_EQ(list[0].second, &players[2]);
    EXPECT_EQ(list[1].second, &players[4]);
    EXPECT_EQ(list[2].second, &players[0]);
    EXPECT_TRUE(std::isnan(list[3].first));
    EXPECT_TRUE(std::isnan(list[4].first));
}

} // namespace
} // namespace modeling
