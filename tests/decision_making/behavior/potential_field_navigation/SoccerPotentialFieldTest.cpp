#include "decision_making/behavior/potential_field_navigation/SoccerPotentialField.h"

#include <gtest/gtest.h>

#include <functional>

namespace decision_making {
namespace behavior {
namespace potential_field_navigation {
namespace {

using Vector2 = SoccerPotentialField::Vector2;

TEST(SoccerPotentialFieldTest, EachSourcePushesPullsOrSwirlsWithTheDefaultGains) {
    const struct {
        const char* sources;
        std::function<void(SoccerPotentialField&)> add;
        Vector2 point;
        Vector2 field;
    } table[] = {
        {"none", [](SoccerPotentialField&) {}, {1.0, 1.0}, {0.0, 0.0}},
        {"target 2 m ahead: 10 + 10 / 2",
         [](SoccerPotentialField& f) {
             f.addTarget({2.0, 0.0});
         },
         {},
         {15.0, 0.0}},
        {"on the target",
         [](SoccerPotentialField& f) {
             f.addTarget({1.0, 1.0});
         },
         {1.0, 1.0},
         {0.0, 0.0}},
        {"opponent ahead, counter-clockwise",
         [](SoccerPotentialField& f) {
             f.addOpponent({1.0, 0.0}, true);
         },
         {},
         {-10.0, -10.0}},
        {"both swirls cancel",
         [](SoccerPotentialField& f) {
             f.addOpponent({1.0, 0.0}, true);
             f.addOpponent({1.0, 0.0}, false);
         },
         {},
         {-20.0, 0.0}},
        {"opponent 0.5 mm away counts as 1 mm",
         [](SoccerPotentialField& f) {
             f.addOpponent({0.0005, 0.0}, true);
         },
         {},
         {-1e7, -1e7}},
        {"teammate left, clockwise",
         [](SoccerPotentialField& f) {
             f.addTeammate({0.0, 2.0}, false);
         },
         {},
         {-1.25, -1.25}},
        {"end lines 20 m behind and 10 m ahead",
         [](SoccerPotentialField& f) {
             f.addXFieldBorder({5.0, 1.0});
         },
         {5.0, 1.0},
         {-0.25, 0.0}},
        {"touch lines 4 m left and 16 m right",
         [](SoccerPotentialField& f) {
             f.addYFieldBorder({0.0, 6.0});
         },
         {0.0, 6.0},
         {0.0, -1.25 + 5.0 / 16.0}},
        {"dipole pushing from 0.5 m beyond the target",
         [](SoccerPotentialField& f) {
             f.addTargetDipole({2.0, 0.0}, 0.0);
         },
         {},
         {15.0 - 10.0 / 2.5, 0.0}},
    };
    for (const auto& row : table) {
        SoccerPotentialField field{PotentialFieldParameters()};
        row.add(field);
        const Vector2 value = field.calculateFieldDirection(row.point);
        EXPECT_NEAR(value.x, row.field.x, 1e-9 * (1.0 + std::fabs(row.field.x))) << row.sources;
        EXPECT_NEAR(value.y, row.field.y, 1e-9 * (1.0 + std::fabs(row.field.y))) << row.sources;
    }
}

TEST(SoccerPotentialFieldTest, ClearRemovesEverySource) {
    SoccerPotentialField field{PotentialFieldParameters()};
    field.addTarget({3.0, 4.0});
    field.addRandomField();
    field.clear();
    EXPECT_EQ(field.calculateFieldDirection({}), Vector2());
}

} // namespace
} // namespace potential_field_navigation
} // namespace behavior
} // namespace decision_making
