#include "control/walking/LinearInvertedPendulum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace control {
namespace walking {
namespace {

/// The ZMP the pendulum was solved for: from start to 0 in the first ramp, 0, then from 0 to end.
double zmpAt(double t, double start, double end, double period, double ramp) {
    if (t < ramp) {
        return start * (1.0 - t / ramp);
    }
    if (t > period - ramp) {
        return end * (t - (period - ramp)) / ramp;
    }
    return 0.0;
}

TEST(LinearInvertedPendulumTest, TheCoMRunsFromZmpStartToZmpEndObeyingThePendulum) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> offset(-0.15, 0.15);
    std::uniform_real_distribution<double> period(0.1, 0.6);
    std::uniform_real_distribution<double> share(0.01, 0.99);
    std::uniform_real_distribution<double> height(0.15, 0.4);
    for (int draw = 0; draw < 200; ++draw) {
        const double start = offset(random);
        const double end = offset(random);
        const double p = period(random);
        const double ramp = share(random) * p / 2.0;
        const double timeConstant = std::sqrt(height(random) / 9.80665);
        LinearInvertedPendulum pendulum;
        pendulum.solveZMP(start, end, p, ramp, timeConstant);
        SCOPED_TRACE(::testing::Message() << start << " " << end << " " << p << " " << ramp << " " << timeConstant);

        EXPECT_NEAR(pendulum.getCoM(0.0), start, 1e-12);
        EXPECT_NEAR(pendulum.getCoM(p), end, 1e-12);
        // Speed and acceleration are the derivatives of the position, and x'' = (x - zmp) / T^2,
        // on both sides of the ramps' ends as well.
        const double h = 1e-6;
        for (const double t : {0.3 * ramp, ramp - h, ramp + h, 0.5 * p, p - ramp - h, p - ramp + h, p - 0.2 * ramp}) {
            const double x = pendulum.getCoM(t);
            EXPECT_NEAR(pendulum.getCoMSpeed(t), (pendulum.getCoM(t + h) - pendulum.getCoM(t - h)) / (2.0 * h), 1e-6);
            EXPECT_NEAR(pendulum.getCoMAcceleration(t),
                        (x - zmpAt(t, start, end, p, ramp)) / (timeConstant * timeConstant), 1e-8);
        }
    }
}

} // namespace
} // namespace walking
} // namespace control
