#include "decision_making/positioning/role_assignment/Bit64Operator.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace decision_making {
namespace positioning {
namespace role_assignment {

namespace {

using Number = Bit64Operator::Number;
constexpr std::size_t HIGH = Bit64Operator::HIGH;
constexpr std::size_t LOW = Bit64Operator::LOW;
constexpr std::size_t SIGN = Bit64Operator::SIGN;
constexpr std::uint64_t ALL_ONES = std::numeric_limits<std::uint64_t>::max();
constexpr long WORD_BITS = 64;

bool magnitudeLessThan(const Number& a, const Number& b) {
    return a[HIGH] != b[HIGH] ? a[HIGH] < b[HIGH] : a[LOW] < b[LOW];
}

/// a's magnitude := a's + b's, with the carry from the low word.
void addMagnitudes(Number& a, const Number& b) {
    const std::uint64_t low = a[LOW] + b[LOW];
    a[HIGH] += b[HIGH] + (low < a[LOW] ? 1 : 0);
    a[LOW] = low;
}

/// larger - smaller into a's magnitude, with the borrow from the low word; a may be either operand.
void subtractMagnitudes(Number& a, const Number& larger, const Number& smaller) {
    const std::uint64_t borrow = larger[LOW] < smaller[LOW] ? 1 : 0;
    a[HIGH] = larger[HIGH] - smaller[HIGH] - borrow;
    a[LOW] = larger[LOW] - smaller[LOW];
}

} // namespace

bool Bit64Operator::isZero(const Number& a) { return a[HIGH] == 0 && a[LOW] == 0; }

bool Bit64Operator::isEqual(const Number& a, const Number& b) { return (isZero(a) && isZero(b)) || a == b; }

bool Bit64Operator::isLessThan(const Number& a, const Number& b) {
    if (a[SIGN] != b[SIGN]) {
        return a[SIGN] != 0;
    }
    return a[SIGN] != 0 ? magnitudeLessThan(b, a) : magnitudeLessThan(a, b);
}

void Bit64Operator::setMax(Number& a) { a = {ALL_ONES, ALL_ONES, 0}; }

void Bit64Operator::setZero(Number& a) { a = {0, 0, 0}; }

void Bit64Operator::setBit(Number& a, long k) {
    if (k < -HIGHEST_BIT || k > HIGHEST_BIT) {
        throw std::out_of_range("bit " + std::to_string(k) + " is beyond the 128-bit magnitude");
    }
    const long bit = k < 0 ? -k : k;
    setZero(a);
    a[bit < WORD_BITS ? LOW : HIGH] = std::uint64_t{1} << (bit % WORD_BITS);
    a[SIGN] = k < 0 ? 1 : 0;
}

void Bit64Operator::subtractValue(Number& a, const Number& b) {
    if (isEqual(a, b)) {
        setZero(a);
    } else if (a[SIGN] != b[SIGN]) {
        addMagnitudes(a, b);
    } else if (magnitudeLessThan(a, b)) {
        subtractMagnitudes(a, b, a);
        a[SIGN] ^= 1;
    } else {
        subtractMagnitudes(a, a, b);
    }
}

void Bit64Operator::addValue(Number& a, const Number& b) {
    Number negated = b;
    negated[SIGN] ^= 1;
    subtractValue(a, negated);
}

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
