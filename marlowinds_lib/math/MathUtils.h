#ifndef MARLOWINDS_LIB_MATH_MATHUTILS_H
#define MARLOWINDS_LIB_MATH_MATHUTILS_H

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/uniform_real_distribution.hpp>
#include <vector>

namespace marlowinds_lib {
namespace math {

/// Draws from a distribution of two parameters with the process-wide engine.
/// Copies share the engine and advance the same sequence.
template <typename Distribution> class EngineDraw {
public:
    EngineDraw(boost::random::mt19937& engine, double first, double second)
        : engine(&engine), distribution(first, second) {}
    double operator()() { return distribution(*engine); }

private:
    boost::random::mt19937* engine;
    Distribution distribution;
};

/// Draws N(mean, sigma).
using NormalRandomGenerator = EngineDraw<boost::random::normal_distribution<double>>;
/// Draws uniformly from [min, max).
using UniformRandomGenerator = EngineDraw<boost::random::uniform_real_distribution<double>>;

class MathUtils {
public:
    static constexpr double PI = 3.141592653589793;
    static constexpr double TWO_PI = 6.283185307179586;

    /// The one engine of the process, seeded with 5489 at start-up, so that
    /// every run draws the same sequence.
    static boost::random::mt19937 generator;

    virtual ~MathUtils() = default;

    static double degreesToRadians(double degrees) { return degrees * PI / 180.0; }
    static double radiansToDegrees(double radians) { return radians * 180.0 / PI; }
    static double radiansPerSecondToRpm(double radiansPerSecond) { return radiansPerSecond * 30.0 / PI; }

    /// max when value > max, otherwise the larger of min and value.
    static double saturate(double value, double min, double max);

    /// The smaller of value and max, then the larger of that and min (min wins when min > max).
    static float clamp(float value, float min, float max);
    static double clamp(double value, double min, double max);
    static int clamp(int value, int min, int max);
    static unsigned char clamp(unsigned char value, unsigned char min, unsigned char max);

    static double sign(double x);
    static double square(double x) { return x * x; }
    static double sigmoid(double x);
    static double linearInterpol(double a, double b, double t) { return a + (b - a) * t; }
    static void lerp(const double* a, const double* b, double t, int n, double* out);

    /// start, start + step, ... up to end (with a slack of 1e-5); empty when end lies before start.
    static std::vector<double> makeSequence(double start, double end, double step);

    /// Wraps into [0, 2*pi). Non-finite input gives NaN.
    static double wrapTo2Pi(double angle);
    /// Wraps into [-pi, pi); +pi becomes -pi. Non-finite input gives NaN.
    static double wrapToPi(double angle);
    static double normalizeAngle(double angle) { return wrapToPi(angle); }

    /// Circular mean of the angles; 0 for none.
    static double normalizeSumOfAngles(const std::vector<double>& angles);

    /// Thomas algorithm: a sub-diagonal (a[0] unused), b diagonal, c super-diagonal, d right side.
    static std::vector<double> tridiagonalSolution(std::vector<double> a, std::vector<double> b, std::vector<double> c,
                                                   std::vector<double> d);

    static NormalRandomGenerator getNormalRandomGenerator(double mean, double sigma) {
        return NormalRandomGenerator(generator, mean, sigma);
    }
    static UniformRandomGenerator getUniformRandomGenerator(double min, double max) {
        return UniformRandomGenerator(generator, min, max);
    }
};

} // namespace math
} // namespace marlowinds_lib

#endif
