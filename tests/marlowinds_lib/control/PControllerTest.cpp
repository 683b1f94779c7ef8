#include "marlowinds_lib/control/PController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace marlowinds_lib {
namespace control {
namespace {

TEST(PControllerTest, UpdateStoresTheSaturatedCommandAndANaNErrorHoldsStill) {
    struct Case {
        double error;
        double expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    // One controller through all rows, so that every row overwrites a different command.
    const Case cases[] = {{0.3, 0.6}, {5.0, 1.0},   {-5.0, -1.0},        {0.0, 0.0}, {-0.5, -1.0},
                          {inf, 1.0}, {-inf, -1.0}, {std::nan(""), 0.0}, {0.3, 0.6}};
    PController controller(2.0, 1.0);
    for (const auto& test : cases) {
        EXPECT_DOUBLE_EQ(controller.update(test.error), test.expected) << test.error;
        EXPECT_DOUBLE_EQ(controller.getCommand(), test.expected) << test.error;
    }
}

TEST(PControllerTest, DefaultControllerAlwaysCommandsZero) {
    PController controller;
    EXPECT_EQ(controller.getCommand(), 0.0);
    for (const double error : {-3.0, 0.0, 7.5, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(controller.update(error), 0.0);
    }
}

} // namespace
} // namespace control
} // namespace marlowinds_lib
