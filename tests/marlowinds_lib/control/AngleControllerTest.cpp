#include "marlowinds_lib/control/AngleController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace marlowinds_lib {
namespace control {
namespace {

const double PI = std::acos(-1.0);

TEST(AngleControllerTest, TurnsTheShortWayAndSaturates) {
    struct Case {
        double gain, saturation, target, current, expected;
    };
    const Case cases[] = {
        {1, 10, 3, -3, 6 - 2 * PI}, // not 6
        {1, 10, PI, 0, -PI},        // exactly half a turn goes negative
        {1, 10, 0, PI, -PI},        {2, 10, 0.5, 0.25, 0.5},
        {2, 0.3, 0.5, 0.25, 0.3},   {2, 0.3, -3, 3, 0.3}, // -6 wraps to 2 pi - 6 > 0
        {1, 10, 7 * PI, 0, -PI},    {1, 10, 1, 1, 0},
        {1, 2, std::nan(""), 0, 0}, {1, 2, 0, std::numeric_limits<double>::infinity(), 0}, // non-finite: 0
    };
    for (const auto& test : cases) {
        const AngleController controller(test.gain, test.saturation);
        EXPECT_NEAR(controller.control(test.target, test.current), test.expected, 1e-12)
            << test.target << " from " << test.current;
    }
}

TEST(AngleControllerTest, MirroredAnglesGiveMirroredCommands) {
    std::mt19937 engine(17u);
    std::uniform_real_distribution<double> angle(-3.0, 3.0);
    const AngleController controller(1.5, 2.0);
    for (int i = 0; i < 200; ++i) {
        const double target = angle(engine);
        const double current = angle(engine);
        const double command = controller.control(target, current);
        EXPECT_LE(std::fabs(command), 2.0);
        if (std::fabs(std::fabs(target - current) - PI) > 1e-9) {
            EXPECT_NEAR(controller.control(-target, -current), -command, 1e-12);
        }
    }
}

} // namespace
} // namespace control
} // namespace marlowinds_lib
