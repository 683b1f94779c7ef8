#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace marlowinds_lib {
namespace math {

boost::random::mt19937 MathUtils::generator(5489u);

namespace {
// Beyond this many turns the step-wise wrap would be slow; reduce with a
// remainder first. Below it the result is bit-for-bit the step-wise one.
constexpr double STEPWISE_WRAP_LIMIT = 64.0 * MathUtils::TWO_PI;

/// The angle wrapped into [lower, lower + 2 pi) by whole turns; NaN for non-finite input.
double wrapFrom(double angle, double lower) {
    if (!std::isfinite(angle)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (std::fabs(angle) > STEPWISE_WRAP_LIMIT) {
        angle = std::fmod(angle, MathUtils::TWO_PI);
    }
    while (angle < lower) {
        angle += MathUtils::TWO_PI;
    }
    while (angle >= lower + MathUtils::TWO_PI) {
        angle -= MathUtils::TWO_PI;
    }
    return angle;
}
} // namespace

double MathUtils::saturate(double value, double min, double max) {
    if (value > max) {
        return max;
    }
    return std::max(min, value);
}

float MathUtils::clamp(float value, float min, float max) { return std::max(std::min(value, max), min); }
double MathUtils::clamp(double value, double min, double max) { return std::max(std::min(value, max), min); }
int MathUtils::clamp(int value, int min, int max) { return std::max(std::min(value, max), min); }
unsigned char MathUtils::clamp(unsigned char value, unsigned char min, unsigned char max) {
    return std::max(std::min(value, max), min);
}

double MathUtils::sign(double x) {
    if (x > 0.0) {
        return 1.0;
    }
    if (x < 0.0) {
        return -1.0;
    }
    return 0.0;
}

double MathUtils::sigmoid(double x) { return 1.0 / (1.0 + std::exp(-x)); }

void MathUtils::lerp(const double* a, const double* b, double t, int n, double* out) {
    for (int i = 0; i < n; ++i) {
        out[i] = a[i] + (b[i] - a[i]) * t;
    }
}

std::vector<double> MathUtils::makeSequence(double start, double end, double step) {
    const double count = std::trunc((end + 1e-5 - start) / step) + 1.0;
    if (!(count >= 1.0) || !std::isfinite(count)) {
        return {};
    }
    std::vector<double> sequence(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        sequence[i] = start + static_cast<double>(i) * step;
    }
    return sequence;
}

double MathUtils::wrapTo2Pi(double angle) { return wrapFrom(angle, 0.0); }

double MathUtils::wrapToPi(double angle) { return wrapFrom(angle, -PI); }

double MathUtils::normalizeSumOfAngles(const std::vector<double>& angles) {
    double sumSin = 0.0;
    double sumCos = 0.0;
    for (const double angle : angles) {
        sumSin += std::sin(angle);
        sumCos += std::cos(angle);
    }
    return std::atan2(sumSin, sumCos);
}

std::vector<double> MathUtils::tridiagonalSolution(std::vector<double> a, std::vector<double> b, std::vector<double> c,
                                                   std::vector<double> d) {
    const std::size_t n = a.size();
    std::vector<double> x(n);
    if (n == 0) {
        return x;
    }
    c[0] /= b[0];
    d[0] /= b[0];
    for (std::size_t i = 1; i < n; ++i) {
        const double m = b[i] - a[i] * c[i - 1];
        c[i] /= m;
        d[i] = (d[i] - a[i] * d[i - 1]) / m;
    }
    x[n - 1] = d[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) {
        x[i] = d[i] - c[i] * x[i + 1];
    }
    return x;
}

} // namespace math
} // namespace marlowinds_lib
