#include "control/keyframe/manager/KeyframePageManager.h"

#include "control/keyframe/SplineKeyframePage.h"
#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

namespace control {
namespace keyframe {
namespace manager {
namespace {

using representations::NaoJoints;
using Branch = marlowinds_lib::utils::patterns::BranchParameter<boost::property_tree::ptree, std::string>;

/// The "keyframe" node holding the given files, keyed by path.
std::shared_ptr<Branch> files(std::initializer_list<std::pair<const char*, std::string>> contents) {
    auto node = std::make_shared<Branch>();
    for (const auto& [path, json] : contents) {
        node->addChild(path, tests::jsonLeaf(json));
    }
    return node;
}

std::string simplePage(const std::string& name, const std::string& extra = "") {
    return R"({"name": ")" + name + R"(", "steps": [{"delta": 0.5}, {"leftKneePitch": 1, "delta": 1}])" + extra + "}";
}

std::string complexPage(const std::string& name, const std::string& entries) {
    return R"({"complex": 0, "name": ")" + name + R"(", "pages": [)" + entries + "]}";
}

TEST(KeyframePageManagerTest, MembersAreReadInAnyOrderWithDefaultsForWhatIsLeftOut) {
    KeyframePageManager manager;
    manager.setParameter(*files({
        {"k/a.json", R"({"steps": [{"delta": "0.5", "leftKneePitch": 0.2, "comment": 1}, {"rightFootRoll": -0.1,
                        "delta": 2}], "speedRate": 4, "interpolator": "spline", "name": "spline"})"},
        {"k/b.json", R"({"name": "plain", "steps": [{"delta": 1}, {"delta": 1}], "interpolator": "cubic"})"},
    }));
    const auto spline = std::dynamic_pointer_cast<SplineKeyframePage>(manager.getPage("spline"));
    ASSERT_NE(spline, nullptr);
    EXPECT_DOUBLE_EQ(spline->getSpeedRate(), 4.0);
    ASSERT_EQ(spline->getSteps().size(), 2u);
    EXPECT_DOUBLE_EQ(spline->getSteps()[0].duration, 0.5);
    EXPECT_DOUBLE_EQ(spline->getSteps()[0].joints.getValue(NaoJoints::LEFT_KNEE_PITCH), 0.2);
    EXPECT_DOUBLE_EQ(spline->getSteps()[1].joints.getValue(NaoJoints::LEFT_KNEE_PITCH), 0.0);
    EXPECT_DOUBLE_EQ(spline->getSteps()[1].joints.getValue(NaoJoints::RIGHT_FOOT_ROLL), -0.1);
    const auto plain = manager.getPage("plain");
    EXPECT_EQ(std::dynamic_pointer_cast<SplineKeyframePage>(plain), nullptr); // any other text: linear
    EXPECT_DOUBLE_EQ(plain->getSpeedRate(), 1.0);
}

TEST(KeyframePageManagerTest, ComplexPagesFindPagesOfAnyFileAndTheLaterPathWinsAName) {
    KeyframePageManager manager;
    manager.setParameter(*files({
        {"k/0.json", complexPage("outer", R"({"name": "inner"}, {"name": "a", "inverted": true, "speedRate": 2})")},
        {"k/1.json", complexPage("inner", R"({"name": "a"})")},
        {"k/2.json", simplePage("a", R"(, "speedRate": 2)")},
        {"k/3/a.json", simplePage("a")},
    }));
    EXPECT_DOUBLE_EQ(manager.getPage("a")->getSpeedRate(), 1.0);
    EXPECT_DOUBLE_EQ(manager.getPage("outer")->getMovementTime(), 2.0);
    EXPECT_TRUE(manager.hasPage("inner"));
    EXPECT_EQ(manager.findMissingPages({"x", "a", "outer", "y"}), (std::vector<std::string>{"x", "y"}));
    EXPECT_THROW(manager.getPage("x"), std::out_of_range);
}

TEST(KeyframePageManagerTest, AFileThatIsNoSoundPageIsRejectedByPathAndNothingIsLoaded) {
    const struct {
        std::string json;
        const char* fault;
    } cases[] = {
        {simplePage("p", R"(, "speedRate": 0)"), "speedRate"},
        {simplePage("p", R"(, "speedRate": -1)"), "speedRate"},
        {simplePage("p", R"(, "speedRate": "fast")"), "speedRate"},
        {R"({"name": "p", "steps": [{"delta": 1}, {"delta": -0.1}]})", "delta"},
        {R"({"name": "p", "steps": [{"delta": 1}, {"leftKneePitch": "bent", "delta": 1}]})", "leftKneePitch"},
        {R"({"name": "p", "interpolator": "spline", "steps": [{}, {"delta": 1}, {}, {"delta": 1}]})", "step 3"},
        {R"({"name": "p", "steps": [{"delta": 1}, 5]})", "step 2"},
        {R"({"name": "p", "steps": []})", "steps"},
        {R"({"name": "p"})", "steps"},
        {simplePage(""), "name"},
        {complexPage("c", R"({"name": "missing"})"), "missing"},
        {complexPage("c", ""), "pages"},
        {complexPage("c", R"({"name": "kept", "speedRate": 0})"), "speedRate"},
        {complexPage("c", R"({"name": "kept", "inverted": "maybe"})"), "inverted"},
        {complexPage("c", R"({"name": "c"})"), "itself"},
    };
    for (const auto& testCase : cases) {
        KeyframePageManager manager;
        manager.setParameter(*files({{"k/kept.json", simplePage("kept")}}));
        try {
            manager.setParameter(*files({{"k/kept.json", simplePage("kept")}, {"k/bad.json", testCase.json}}));
            ADD_FAILURE() << "accepted " << testCase.json;
        } catch (const std::invalid_argument& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("k/bad.json"), std::string::npos) << message;
            EXPECT_NE(message.find(testCase.fault), std::string::npos) << message;
        }
        EXPECT_TRUE(manager.hasPage("kept")) << testCase.json;
        EXPECT_FALSE(manager.hasPage("p")) << testCase.json;
    }
}

} // namespace
} // namespace manager
} // namespace keyframe
} // namespace control
