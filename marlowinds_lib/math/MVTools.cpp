#include "marlowinds_lib/math/MVTools.h"

#include <climits>
#include <cmath>

namespace marlowinds_lib {
namespace math {

namespace {
constexpr float MIN_POS_FLOAT = 1e-18f;
constexpr float MAX_POS_FLOAT = 1e18f;
constexpr float MAX_EXP_FLOAT = 41.4465f;
constexpr int MIN_POS_INT = 0;
constexpr int MAX_POS_INT = INT_MAX;
} // namespace

bool MVTools::isNearZero(float x) { return x > -MIN_POS_FLOAT && x < MIN_POS_FLOAT; }
bool MVTools::isNearZero(double x) {
    const double threshold = MIN_POS_FLOAT;
    return x > -threshold && x < threshold;
}
bool MVTools::isNearPosZero(float x) { return x >= 0.0f && x < MIN_POS_FLOAT; }
bool MVTools::isNearNegZero(float x) { return x > -MIN_POS_FLOAT && x <= 0.0f; }
bool MVTools::isNearInf(float x) { return isNearPosInf(x) || isNearNegInf(x); }
bool MVTools::isNearPosInf(float x) { return x > MAX_POS_FLOAT; }
bool MVTools::isNearNegInf(float x) { return x < -MAX_POS_FLOAT; }
float MVTools::getMaxPosFloat() { return MAX_POS_FLOAT; }
float MVTools::getMinPosFloat() { return MIN_POS_FLOAT; }
float MVTools::getMaxExpFloat() { return MAX_EXP_FLOAT; }

bool MVTools::isNearZero(int x) { return x > -MIN_POS_INT && x < MIN_POS_INT; }
bool MVTools::isNearPosZero(int x) { return x >= 0 && x < MIN_POS_INT; }
bool MVTools::isNearNegZero(int x) { return x > -MIN_POS_INT && x <= 0; }
bool MVTools::isNearInf(int x) { return isNearPosInf(x) || isNearNegInf(x); }
bool MVTools::isNearPosInf(int x) { return x > MAX_POS_INT; }
bool MVTools::isNearNegInf(int x) { return x < -MAX_POS_INT; }
int MVTools::getMaxPosInt() { return MAX_POS_INT; }
int MVTools::getMinPosInt() { return MIN_POS_INT; }

// Every NaN, not only the default quiet one: a NaN of another payload or sign is no number either.
bool MVTools::isNaN(float x) { return std::isnan(x); }

std::string MVException::getDescription() const {
    switch (code) {
    case 1:
        return "Division by (positive) zero";
    case 2:
        return "Division by (negative) zero";
    case 3:
        return "Infinite (positive) value";
    case 4:
        return "Infinite (negative) value";
    case 5:
        return "Determinant negative";
    case 6:
        return "Determinant close to zero";
    default:
        return "Unknown";
    }
}

} // namespace math
} // namespace marlowinds_lib
