#include "perception/PerceptorFactory.h"

#include "perception/AccelerometerPerceptor.h"
#include "perception/AgentStatePerceptor.h"
#include "perception/ForceResistancePerceptor.h"
#include "perception/GameStatePerceptor.h"
#include "perception/GlobalTimePerceptor.h"
#include "perception/GyroRatePerceptor.h"
#include "perception/HearPerceptor.h"
#include "perception/HingeJointPerceptor.h"
#include "perception/TouchPerceptor.h"
#include "perception/UniversalJointPerceptor.h"
#include "perception/VisionPerceptor.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

namespace perception {
namespace {

/// Runs the factory over a message and keeps the tree, which the factory trims in place.
class FactoryRun {
public:
    explicit FactoryRun(const std::string& message) : root(utils::parser::Parser().parseMessage(message)) {
        factory.update(*root);
    }
    std::vector<std::unique_ptr<Perceptor>>& perceptors() { return factory.getPerceptors(); }
    std::vector<std::string> names() {
        std::vector<std::string> result;
        for (const auto& perceptor : perceptors()) {
            result.push_back(perceptor->getName());
        }
        return result;
    }

    std::unique_ptr<utils::parser::ParserTreeNode> root;
    PerceptorFactory factory;
};

TEST(PerceptorFactoryTest, EachKeywordMakesItsPerceptor) {
    struct Row {
        std::string group;
        std::type_index kind;
        int type;
    };
    const std::vector<Row> rows{
        {"(GYR (n torso) (rt 0 0 0))", typeid(GyroRatePerceptor), PerceptorType::GYR},
        {"(HJ (n hj1) (ax 0))", typeid(HingeJointPerceptor), PerceptorType::HJ},
        {"(UJ (n laj1_2) (ax1 0) (ax2 0))", typeid(UniversalJointPerceptor), PerceptorType::UJ},
        {"(TCH n bumper val 1)", typeid(TouchPerceptor), PerceptorType::TCH},
        {"(FRP (n lf) (c 0 0 0) (f 0 0 0))", typeid(ForceResistancePerceptor), PerceptorType::FRP},
        {"(ACC (n torso) (a 0 0 0))", typeid(AccelerometerPerceptor), PerceptorType::ACC},
        {"(See (B (pol 1 0 0)))", typeid(VisionPerceptor), PerceptorType::SEE},
        {"(GS (t 0.00) (pm BeforeKickOff))", typeid(GameStatePerceptor), PerceptorType::GS},
        {"(AgentState (temp 48) (battery 75))", typeid(AgentStatePerceptor), PerceptorType::AGENT_STATE},
        {"(hear Marlowinds 1.0 self abc)", typeid(HearPerceptor), PerceptorType::HEAR},
        {"(time (now 1.0))", typeid(GlobalTimePerceptor), PerceptorType::TIME},
    };
    for (const Row& row : rows) {
        FactoryRun run(row.group);

        ASSERT_EQ(run.perceptors().size(), 1u) << row.group;
        const Perceptor& perceptor = *run.perceptors().front();
        EXPECT_EQ(std::type_index(typeid(perceptor)), row.kind) << row.group;
        EXPECT_EQ(perceptor.getPerceptorType(), row.type) << row.group;
    }
}

TEST(PerceptorFactoryTest, GroupsWithOtherKeywordsAreSkipped) {
    FactoryRun run("(gyr (n torso) (rt 0 0 0))(syn)(mypos 1 2 3)()(Time (now 1))(SEE) trailing");

    EXPECT_TRUE(run.perceptors().empty());
}

TEST(PerceptorFactoryTest, KeepsTheOrderOfTheGroupsAndTrimsThemInPlace) {
    FactoryRun run("(time (now 1.0)) ( HJ  (n hj2) (ax 1))(HJ (n hj1) (ax 2))");

    EXPECT_EQ(run.names(), (std::vector<std::string>{"time", "hj2", "hj1"}));
    EXPECT_EQ(run.root->children[1].value, "HJ");
}

TEST(PerceptorFactoryTest, AMalformedGroupIsSkippedWithOneDiagnosticLine) {
    // Per perceptor: the empty group, a missing nested group, a missing token.
    const std::vector<std::string> malformed{
        "(time)",
        "(time (now))",
        "(GYR)",
        "(GYR (n torso))",
        "(GYR (n) (rt 1 2 3))",
        "(GYR (n torso) (rt 1 2))",
        "(ACC)",
        "(ACC (n torso))",
        "(ACC (n torso) (a 0 0))",
        "(HJ)",
        "(HJ (n hj1))",
        "(HJ (n hj1) (ax))",
        "(HJ (n) (ax 1))",
        "(UJ)",
        "(UJ (n laj1_2) (ax1 1))",
        "(UJ (n laj1_2) (ax1 1) (ax2))",
        "(TCH)",
        "(TCH n bumper val)",
        "(FRP)",
        "(FRP (n lf) (c 0 0 0))",
        "(FRP (n lf) (c 0 0 0) (f 0 0))",
        "(FRP (n) (c 0 0 0) (f 0 0 1))",
        "(AgentState)",
        "(AgentState (temp 48))",
        "(AgentState (temp 48) (battery))",
        "(GS (unum))",
        "(GS (t 1.0) (pm))",
        "(GS (team))",
        "(hear)",
        "(hear Marlowinds)",
        "(hear Marlowinds 1.0 self)",
        // Numbers that read but are not finite.
        "(time (now nan))",
        "(GYR (n torso) (rt 0 inf 0))",
        "(HJ (n hj1) (ax nan))",
        "(AgentState (temp 1e999) (battery 75))",
        "(hear Marlowinds nan self abc)",
        // Fields read strictly that do not read; the time's value is not trimmed.
        "(time (now 12.5s))",
        "(time (now  12.5))",
        "(time (now ))",
        "(GYR (n torso) (rt 1  2 3))",
        "(ACC (n torso) (a 0 0 9.8g))",
        "(TCH n bumper val 2)",
        "(TCH n bumper val -1)",
        "(TCH n bumper val true)",
        "(FRP (n lf) (c 0 0 0) (f 0 0 heavy))",
        "(GS (sl 2) (sr x))",
        "(GS (t 1.0s))",
        "(GS (unum 3.0))",
        "(GS (unum 2147483648))",
        "(GS (t ))",
        "(hear Marlowinds 12.5x self abc)",
        "(hear Marlowinds 12.5 left abc)",
        // A joint angle read leniently that holds no number at all.
        "(HJ (n hj1) (ax abc))",
        "(HJ (n hj1) (ax -))",
        "(HJ (n hj1) (ax ))",
    };
    for (const std::string& group : malformed) {
        ::testing::internal::CaptureStderr();

        FactoryRun run(group + "(ACC (n torso) (a 0 0 9.8))");

        const std::string diagnostics = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(run.names(), std::vector<std::string>{"torso"}) << group;
        EXPECT_EQ(diagnostics.rfind("(PerceptorFactory) ", 0), 0u) << diagnostics;
        EXPECT_EQ(std::count(diagnostics.begin(), diagnostics.end(), '\n'), 1) << diagnostics;
    }
}

TEST(PerceptorFactoryTest, WellFormedEmptyGroupsAreKept) {
    ::testing::internal::CaptureStderr();

    FactoryRun run("(GS)(See)");

    EXPECT_TRUE(::testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(run.names(), (std::vector<std::string>{"GS", "See"}));
}

} // namespace
} // namespace perception
