#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_BIT64OPERATOR_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_BIT64OPERATOR_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// Exact signed integers of 128 bits of magnitude, in sign-magnitude form, for
/// the matching whose weights span 2^0 to 2^99. Zero may carry either sign and
/// compares equal to itself either way; the results of arithmetic are never -0.
/// Magnitudes of 2^128 and above wrap round: callers keep their sums below.
class Bit64Operator {
public:
    /// High word (magnitude bits 64 to 127), low word (bits 0 to 63), sign (1: negative).
    using Number = std::array<std::uint64_t, 3>;
    static constexpr std::size_t HIGH = 0;
    static constexpr std::size_t LOW = 1;
    static constexpr std::size_t SIGN = 2;
    /// setBit reaches bits 0 to this.
    static constexpr long HIGHEST_BIT = 127;

    Bit64Operator() = delete;

    /// The sign is ignored.
    static bool isZero(const Number& a);
    /// Same sign and magnitude, or both magnitudes zero.
    static bool isEqual(const Number& a, const Number& b);
    /// Any negative number, -0 included, is less than any non-negative one.
    static bool isLessThan(const Number& a, const Number& b);
    /// 2^128 - 1.
    static void setMax(Number& a);
    static void setZero(Number& a);
    /// a := 2^|k|, negative for k < 0. Throws std::out_of_range for |k| above HIGHEST_BIT.
    static void setBit(Number& a, long k);
    /// a := a - b.
    static void subtractValue(Number& a, const Number& b);
    /// a := a + b.
    static void addValue(Number& a, const Number& b);
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
