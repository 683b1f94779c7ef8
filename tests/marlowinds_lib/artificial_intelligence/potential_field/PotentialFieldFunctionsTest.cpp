#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {
namespace {

using Vector2 = math::Vector2<double>;
using Function = Vector2 (*)(Vector2, Vector2);
using F = PotentialFieldFunctions;

struct Case {
    const char* name;
    Function function;
    Vector2 source;
    Vector2 point;
    Vector2 expected;
};

TEST(PotentialFieldFunctionsTest, ValuesOfTheDeterministicFunctions) {
    const Case cases[] = {
        {"unit", F::UNIT_VECTOR_FUNCTION, {1, 0}, {0, 0}, {-1, 0}},
        {"unit far", F::UNIT_VECTOR_FUNCTION, {0, 0}, {30, 40}, {0.6, 0.8}},
        {"identity", F::IDENTITY_FUNCTION, {1, 2}, {4, -2}, {3, -4}},
        {"inverse", F::INVERSE_FUNCTION, {0, 0}, {2, 0}, {0.5, 0}},
        {"inverse at the floor", F::INVERSE_FUNCTION, {0, 0}, {0.0005, 0}, {1000, 0}},
        {"square inverse", F::SQUARE_INVERSE_FUNCTION, {0, 0}, {0, -2}, {0, -0.25}},
        {"square inverse at the floor", F::SQUARE_INVERSE_FUNCTION, {1, 1}, {1, 1.0001}, {0, 1e6}},
        {"cubic inverse", F::CUBIC_INVERSE_FUNCTION, {0, 0}, {2, 0}, {0.125, 0}},
        {"cubic inverse at the floor", F::CUBIC_INVERSE_FUNCTION, {0, 0}, {-0.0001, 0}, {-1e9, 0}},
        {"rotation inverse", F::ROTATION_INVERSE_FUNCTION, {0, 0}, {1, 0}, {0, 1}},
        {"rotation square inverse", F::ROTATION_SQUARE_INVERSE_FUNCTION, {0, 0}, {0, 2}, {-0.25, 0}},
        {"rotation cubic inverse", F::ROTATION_CUBIC_INVERSE_FUNCTION, {0, 0}, {-2, 0}, {0, -0.125}},
    };
    for (const auto& test : cases) {
        const Vector2 value = test.function(test.source, test.point);
        const double tolerance = 1e-9 * (1.0 + test.expected.norm());
        EXPECT_NEAR(value.x, test.expected.x, tolerance) << test.name;
        EXPECT_NEAR(value.y, test.expected.y, tolerance) << test.name;
    }
}

TEST(PotentialFieldFunctionsTest, RandomInputsNeverGiveNaNAndMirrorCorrectly) {
    // Mirroring both points across the x axis mirrors a radial field; a swirl turns the other way.
    const struct {
        Function function;
        double mirrorSign;
    } functions[] = {
        {F::UNIT_VECTOR_FUNCTION, 1.0},
        {F::IDENTITY_FUNCTION, 1.0},
        {F::INVERSE_FUNCTION, 1.0},
        {F::SQUARE_INVERSE_FUNCTION, 1.0},
        {F::CUBIC_INVERSE_FUNCTION, 1.0},
        {F::ROTATION_INVERSE_FUNCTION, -1.0},
        {F::ROTATION_SQUARE_INVERSE_FUNCTION, -1.0},
        {F::ROTATION_CUBIC_INVERSE_FUNCTION, -1.0},
    };
    std::mt19937 engine(3u);
    std::uniform_real_distribution<double> coordinate(-20.0, 20.0);
    for (int i = 0; i < 500; ++i) {
        const Vector2 source(coordinate(engine), coordinate(engine));
        // Some points very close to the source as well.
        const Vector2 point =
            i % 5 == 0 ? source + Vector2(1e-7, -1e-7) : Vector2(coordinate(engine), coordinate(engine));
        for (const auto& f : functions) {
            EXPECT_EQ(f.function(source, source), Vector2(0, 0));
            const Vector2 value = f.function(source, point);
            ASSERT_TRUE(std::isfinite(value.x) && std::isfinite(value.y));
            const Vector2 mirrored = f.function({source.x, -source.y}, {point.x, -point.y});
            EXPECT_NEAR(mirrored.x, f.mirrorSign * value.x, 1e-9 * (1.0 + std::fabs(value.x)));
            EXPECT_NEAR(mirrored.y, -f.mirrorSign * value.y, 1e-9 * (1.0 + std::fabs(value.y)));
        }
    }
}

TEST(PotentialFieldFunctionsTest, RandomFunctionStaysInTheHalfOpenSquare) {
    bool varies = false;
    const Vector2 first = F::RANDOM_FUNCTION({}, {});
    for (int i = 0; i < 200; ++i) {
        const Vector2 value = F::RANDOM_FUNCTION({5, 5}, {-5, 5});
        EXPECT_GE(value.x, -1.0);
        EXPECT_LT(value.x, 1.0);
        EXPECT_GE(value.y, -1.0);
        EXPECT_LT(value.y, 1.0);
        varies = varies || value != first;
    }
    EXPECT_TRUE(varies);
}

} // namespace
} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib
