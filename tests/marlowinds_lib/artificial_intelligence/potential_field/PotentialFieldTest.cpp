#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialField.h"
#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldFunctions.h"

#include <gtest/gtest.h>

#include <functional>

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {
namespace {

using Vector2 = math::Vector2<double>;
using F = PotentialFieldFunctions;

TEST(PotentialFieldTest, NoSourcesGiveZero) {
    EXPECT_EQ(PotentialField().calculateDirection({3, 4}, {}), Vector2(0, 0));
}

TEST(PotentialFieldTest, PositiveWeightsPushAwayAndNegativeOnesPull) {
    struct Case {
        double factor;
        Vector2 expected;
    };
    const Case cases[] = {{1.0, {-1, 0}}, {-1.0, {1, 0}}, {2.5, {-2.5, 0}}, {0.0, {0, 0}}};
    for (const auto& test : cases) {
        const std::vector<PotentialFieldObject> objects{{{1, 0}, test.factor, F::UNIT_VECTOR_FUNCTION}};
        EXPECT_EQ(PotentialField().calculateDirection({0, 0}, objects), test.expected) << test.factor;
    }
}

TEST(PotentialFieldTest, SourcesAddUpInListOrder) {
    const std::vector<PotentialFieldObject> objects{
        {{2, 0}, 1.0, F::INVERSE_FUNCTION},         // (-0.5, 0) at the origin
        {{0, 2}, -4.0, F::SQUARE_INVERSE_FUNCTION}, // pulls: (0, 1)
        {{5, 5}, 1.0, F::IDENTITY_FUNCTION},        // (-5, -5)
    };
    const Vector2 direction = PotentialField().calculateDirection({0, 0}, objects);
    EXPECT_NEAR(direction.x, -5.5, 1e-12);
    EXPECT_NEAR(direction.y, -4.0, 1e-12);
}

TEST(PotentialFieldTest, AnEmptyFunctionIsReportedNotCalled) {
    const std::vector<PotentialFieldObject> objects{{{1, 0}, 1.0, PotentialFieldObject::Function()}};
    EXPECT_THROW(PotentialField().calculateDirection({0, 0}, objects), std::bad_function_call);
}

} // namespace
} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib
