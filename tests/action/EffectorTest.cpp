#include "action/BeamEffector.h"
#include "action/CreateEffector.h"
#include "action/HingeJointEffector.h"
#include "action/InitEffector.h"
#include "action/PassEffector.h"
#include "action/SayEffector.h"
#include "action/SynchronizeEffector.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace action {
namespace {

TEST(EffectorTest, EachCommandWritesItsExactText) {
    const struct {
        std::shared_ptr<Effector> effector;
        const char* expected;
    } cases[] = {
        {std::make_shared<CreateEffector>("rsg/agent/nao/nao_hetero.rsg", 4), "(scene rsg/agent/nao/nao_hetero.rsg 4)"},
        {std::make_shared<InitEffector>(7, "Marlowinds"), "(init (unum 7)(teamname Marlowinds))"},
        {std::make_shared<InitEffector>(-3, "X"), "(init (unum -3)(teamname X))"},
        {std::make_shared<BeamEffector>(marlowinds_lib::math::Pose2D(0.0, -14.9, 0.0)), "(beam -14.9 0 0)"},
        {std::make_shared<BeamEffector>(marlowinds_lib::math::Pose2D(90.0, -3.0, 3.0)), "(beam -3 3 90)"},
        {std::make_shared<SayEffector>(""), "(say )"},
        {std::make_shared<SayEffector>("AbC+/9"), "(say AbC+/9)"},
        {std::make_shared<PassEffector>(), "(pass)"},
        {std::make_shared<SynchronizeEffector>(), "(syn)"},
        {std::make_shared<HingeJointEffector>("lle4", -1.5), "(lle4 -1.5)"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(testCase.effector->toString(), testCase.expected);
    }
}

TEST(EffectorTest, NumbersAreWrittenLikeTheDefaultStream) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.0, "(he1 0)"},
        {0.5, "(he1 0.5)"},
        {1.23456789, "(he1 1.23457)"},
        {-14.9, "(he1 -14.9)"},
        {0.0000001, "(he1 1e-07)"},
        {1234567.0, "(he1 1.23457e+06)"},
        {-0.0, "(he1 -0)"},
        {0.123456789, "(he1 0.123457)"},
        {0.00001234, "(he1 1.234e-05)"},
        {100000.0, "(he1 100000)"},
        {0.0001, "(he1 0.0001)"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(HingeJointEffector("he1", testCase.value).toString(), testCase.expected) << testCase.value;
    }
}

} // namespace
} // namespace action
