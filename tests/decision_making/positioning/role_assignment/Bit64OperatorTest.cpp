#include "decision_making/positioning/role_assignment/Bit64Operator.h"

#include "tests/decision_making/positioning/role_assignment/CompilerWideIntegers.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <stdexcept>
#include <string>

namespace decision_making {
namespace positioning {
namespace role_assignment {
namespace {

using Op = Bit64Operator;
using Number = Op::Number;

Number make(UInt128 magnitude, bool negative) {
    return {static_cast<std::uint64_t>(magnitude >> 64), static_cast<std::uint64_t>(magnitude), negative ? 1u : 0u};
}

UInt128 magnitudeOf(const Number& a) { return (static_cast<UInt128>(a[Op::HIGH]) << 64) | a[Op::LOW]; }

/// Only for magnitudes below 2^127.
Int128 valueOf(const Number& a) {
    const Int128 magnitude = static_cast<Int128>(magnitudeOf(a));
    return a[Op::SIGN] != 0 ? -magnitude : magnitude;
}

std::string show(const Number& a) {
    return std::to_string(a[Op::HIGH]) + ":" + std::to_string(a[Op::LOW]) + (a[Op::SIGN] != 0 ? " neg" : " pos");
}

/// Magnitudes below 2^125, so that sums and differences stay exact in 128 bits;
/// many sit at a word boundary or share a word with another, to exercise carries and ties.
class RandomNumbers {
public:
    explicit RandomNumbers(unsigned seed) : engine(seed) {}

    Number next() {
        const std::uint64_t low = word();
        const std::uint64_t high = std::uniform_int_distribution<int>(0, 3)(engine) == 0 ? 0 : word() >> 3;
        return make((static_cast<UInt128>(high) << 64) | low, std::uniform_int_distribution<int>(0, 1)(engine) == 1);
    }

private:
    std::uint64_t word() {
        switch (std::uniform_int_distribution<int>(0, 4)(engine)) {
        case 0:
            return 0;
        case 1:
            return ~std::uint64_t{0} - std::uniform_int_distribution<std::uint64_t>(0, 3)(engine);
        case 2:
            return std::uniform_int_distribution<std::uint64_t>(0, 3)(engine);
        default:
            return std::uniform_int_distribution<std::uint64_t>()(engine);
        }
    }

    std::mt19937_64 engine;
};

TEST(Bit64OperatorTest, ArithmeticAndComparisonsAgreeWithTheCompilersIntegers) {
    RandomNumbers numbers(7);
    for (int i = 0; i < 200000; ++i) {
        const Number a = numbers.next();
        const Number b = i % 7 == 0 ? a : numbers.next();
        SCOPED_TRACE(show(a) + " and " + show(b));
        Number sum = a;
        Op::addValue(sum, b);
        Number difference = a;
        Op::subtractValue(difference, b);

        ASSERT_EQ(valueOf(sum), valueOf(a) + valueOf(b));
        ASSERT_EQ(valueOf(difference), valueOf(a) - valueOf(b));
        ASSERT_FALSE(Op::isZero(sum) && sum[Op::SIGN] != 0) << "a zero result is +0";
        ASSERT_FALSE(Op::isZero(difference) && difference[Op::SIGN] != 0) << "a zero result is +0";
        ASSERT_EQ(Op::isLessThan(a, b), valueOf(a) < valueOf(b) || (valueOf(a) == 0 && a[Op::SIGN] != 0 &&
                                                                    valueOf(b) == 0 && b[Op::SIGN] == 0));
        ASSERT_EQ(Op::isEqual(a, b), valueOf(a) == valueOf(b));
        ASSERT_EQ(Op::isZero(a), valueOf(a) == 0);
    }
}

TEST(Bit64OperatorTest, SignedZeroAndTheLimits) {
    const Number positiveZero = make(0, false);
    const Number negativeZero = make(0, true);
    Number max;
    Op::setMax(max);
    Number difference = negativeZero;
    Op::subtractValue(difference, positiveZero);

    EXPECT_TRUE(Op::isLessThan(negativeZero, positiveZero));
    EXPECT_FALSE(Op::isLessThan(positiveZero, negativeZero));
    EXPECT_TRUE(Op::isEqual(negativeZero, positiveZero));
    EXPECT_EQ(difference, positiveZero);
    EXPECT_EQ(max, make(~static_cast<UInt128>(0), false));
    EXPECT_TRUE(Op::isLessThan(make(~static_cast<UInt128>(0), true), negativeZero));
}

TEST(Bit64OperatorTest, SetBitMakesSignedPowersOfTwoWithinTheMagnitude) {
    struct Case {
        long k;
        Number expected;
    } const cases[] = {
        {0, {0, 1, 0}},
        {-3, {0, 8, 1}},
        {63, {0, std::uint64_t{1} << 63, 0}},
        {64, {1, 0, 0}},
        {70, {std::uint64_t{1} << 6, 0, 0}},
        {-127, {std::uint64_t{1} << 63, 0, 1}},
    };
    for (const Case& c : cases) {
        Number a = make(12345, true);
        Op::setBit(a, c.k);
        EXPECT_EQ(a, c.expected) << c.k;
    }
    for (const long k : {128L, -128L, LONG_MIN, LONG_MAX}) {
        Number a;
        EXPECT_THROW(Op::setBit(a, k), std::out_of_range) << k;
    }
}

} // namespace
} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
