#ifndef MARLOWINDS_LIB_MATH_MVTOOLS_H
#define MARLOWINDS_LIB_MATH_MVTOOLS_H

#include <string>

namespace marlowinds_lib {
namespace math {

/// Near-zero, near-infinity and NaN tests with fixed float thresholds (1e-18, 1e18).
class MVTools {
public:
    static bool isNearZero(float x);
    static bool isNearZero(double x);
    static bool isNearPosZero(float x);
    static bool isNearNegZero(float x);
    static bool isNearInf(float x);
    static bool isNearPosInf(float x);
    static bool isNearNegInf(float x);
    static float getMaxPosFloat();
    static float getMinPosFloat();
    static float getMaxExpFloat();

    // With an integer threshold of 0 the near-zero ranges are empty.
    static bool isNearZero(int x);
    static bool isNearPosZero(int x);
    static bool isNearNegZero(int x);
    static bool isNearInf(int x);
    static bool isNearPosInf(int x);
    static bool isNearNegInf(int x);
    static int getMaxPosInt();
    static int getMinPosInt();

    static bool isNaN(float x);
};

/// An error code with a fixed description.
class MVException {
public:
    explicit MVException(int code) : code(code) {}
    int getCode() const { return code; }
    std::string getDescription() const;

private:
    int code;
};

} // namespace math
} // namespace marlowinds_lib

#endif
