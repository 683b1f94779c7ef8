#include "decision_making/behavior/potential_field_navigation/SoccerPotentialField.h"

#include <gtest/gtest.h>

#include <functional>

namespace decision_making {
namespace behavior {
namespace potential_field_navigation {
namespace {

using Field = SoccerPotentialField;
using Vector2 = Field::Vector2;

/// The field at the point with the default gains, from the sources that add puts in.
void expectField(const std::function<void(Field&)>& add, const Vector2& point, const Vector2& expected,
                 const char* sources) {
    Field field{PotentialFieldParameters()};
    add(field);
    const Vector2 value = field.calculateFieldDirection(point);
    EXPECT_NEAR(value.x, expected.x, 1e-9 * (1.0 + std::fabs(expected.x))) << sources;
    EXPECT_NEAR(value.y, expected.y, 1e-9 * (1.0 + std::fabs(expected.y))) << sources;
}

TEST(SoccerPotentialFieldTest, EachSourcePushesPullsOrSwirlsWithTheDefaultGains) {
    expectField([](Field& f) { f.addTarget({2.0, 0.0}); }, {}, {15.0, 0.0}, "target 2 m ahead: 10 + 10 / 2");
    expectField([](Field& f) { f.addOpponent({1.0, 0.0}, true); }, {}, {-10.0, -10.0}, "opponent, counter-clockwise");
    expectField(
        [](Field& f) {
            f.addOpponent({1.0, 0.0}, true);
            f.addOpponent({1.0, 0.0}, false);
        },
        {}, {-20.0, 0.0}, "both swirls cancel");
    expectField([](Field& f) { f.addOpponent({0.0005, 0.0}, true); }, {}, {-1e7, -1e7}, "0.5 mm counts as 1 mm");
    expectField([](Field& f) { f.addTeammate({0.0, 2.0}, false); }, {}, {-1.25, -1.25}, "teammate left, clockwise");
    expectField(
        [](Field& f) {
            f.addXFieldBorder({5.0, 1.0});
        },
        {5.0, 1.0}, {-0.25, 0.0}, "end lines 20 m behind and 10 m ahead");
    expectField(
        [](Field& f) {
            f.addYFieldBorder({0.0, 6.0});
        },
        {0.0, 6.0}, {0.0, -1.25 + 5.0 / 16.0}, "touch lines 4 m left and 16 m right");
    expectField(
        [](Field& f) {
            f.addTargetDipole({2.0, 0.0}, 0.0);
        },
        {}, {15.0 - 10.0 / 2.5, 0.0}, "dipole pushing from 0.5 m beyond the target");
}

} // namespace
} // namespace potential_field_navigation
} // namespace behavior
} // namespace decision_making
