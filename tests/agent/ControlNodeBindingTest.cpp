#include "agent/ControlNodeBinding.h"

#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace agent {
namespace {

using control::walking::OmnidirectionalWalkZMPParams;
using Branch = marlowinds_lib::utils::patterns::BranchParameter<boost::property_tree::ptree, std::string>;

OmnidirectionalWalkZMPParams* const ALL_SETS[] = {
    &OmnidirectionalWalkZMPParams::normalParams,        &OmnidirectionalWalkZMPParams::preciseParams,
    &OmnidirectionalWalkZMPParams::conductParams,       &OmnidirectionalWalkZMPParams::turnParams,
    &OmnidirectionalWalkZMPParams::sprintParams,        &OmnidirectionalWalkZMPParams::circleParams,
    &OmnidirectionalWalkZMPParams::conductTurnParams,   &OmnidirectionalWalkZMPParams::turnConductParams,
    &OmnidirectionalWalkZMPParams::sprintTurnParams,    &OmnidirectionalWalkZMPParams::turnSprintParams,
    &OmnidirectionalWalkZMPParams::conductSprintParams, &OmnidirectionalWalkZMPParams::sprintConductParams,
};

/// Builds "control/stateMachine/{walk,kick}" trees and keeps the class-wide
/// walk sets as they were before each test.
class ControlNodeBindingTest : public testing::Test {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < std::size(ALL_SETS); ++i) {
            saved[i] = *ALL_SETS[i];
            *ALL_SETS[i] = OmnidirectionalWalkZMPParams();
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(ALL_SETS); ++i) {
            *ALL_SETS[i] = saved[i];
        }
    }

    /// control -> stateMachine -> walk with the given leaves, and kick when given.
    std::shared_ptr<Branch> tree(std::initializer_list<std::pair<const char*, const char*>> walkLeaves,
                                 const char* kickJson = nullptr) {
        auto walk = std::make_shared<Branch>();
        for (const auto& [name, json] : walkLeaves) {
            walk->addChild(name, tests::jsonLeaf(json));
        }
        auto stateMachine = std::make_shared<Branch>();
        stateMachine->addChild("walk", walk);
        if (kickJson != nullptr) {
            stateMachine->addChild("kick", tests::jsonLeaf(kickJson));
        }
        stateMachine->addChild("keyframe", std::make_shared<Branch>());
        auto control = std::make_shared<Branch>();
        control->addChild("stateMachine", stateMachine);
        control->addChild("other", tests::jsonLeaf(R"({"period": 9})"));
        return control;
    }

    OmnidirectionalWalkZMPParams saved[std::size(ALL_SETS)];
    control::ControlImpl control{representations::RobotType::NAO_TYPE_4};
};

TEST_F(ControlNodeBindingTest, AWalkLeafChangesOnlyTheKeysItNamesOfTheSetItNames) {
    const char* const setNames[] = {"normal",      "precise",     "conduct",        "turn",
                                    "sprint",      "circle",      "conduct-turn",   "turn-conduct",
                                    "sprint-turn", "turn-sprint", "conduct-sprint", "sprint-conduct"};
    std::vector<std::pair<std::string, OmnidirectionalWalkZMPParams*>> cases;
    for (std::size_t i = 0; i < std::size(setNames); ++i) {
        cases.emplace_back(setNames[i], ALL_SETS[i]);
    }
    cases.emplace_back("current", &control.getCurrentWalkParams());
    cases.emplace_back("fast", nullptr);
    cases.emplace_back("Normal", nullptr);

    for (const auto& [name, target] : cases) {
        for (auto* set : ALL_SETS) {
            *set = OmnidirectionalWalkZMPParams();
        }
        control.getCurrentWalkParams() = OmnidirectionalWalkZMPParams();
        ControlNodeBinding::bind(*tree({{name.c_str(), R"({"period": 0.3, "foo": 1})"}}), control);
        for (auto* set : ALL_SETS) {
            EXPECT_DOUBLE_EQ(set->period, set == target ? 0.3 : 0.0) << name;
            EXPECT_DOUBLE_EQ(set->zCom, 0.0) << name;
        }
        const auto& current = control.getCurrentWalkParams();
        EXPECT_DOUBLE_EQ(current.period, &current == target ? 0.3 : 0.0) << name;
    }
}

TEST_F(ControlNodeBindingTest, TheKickLeafFillsTheKickParameters) {
    auto node = tree({}, R"({"kickAmplitude": 0.12, "zFoot": "0.04", "unknown": 5})");
    ControlNodeBinding::bind(*node, control);
    EXPECT_DOUBLE_EQ(control.getKickParams().kickAmplitude, 0.12);
    EXPECT_DOUBLE_EQ(control.getKickParams().zFoot, 0.04);
    EXPECT_DOUBLE_EQ(control.getKickParams().kickDuration, 0.2); // the default stays
}

TEST_F(ControlNodeBindingTest, AStateMachineWithoutChildrenChangesNothing) {
    Branch controlNode;
    controlNode.addChild("stateMachine", std::make_shared<Branch>());
    ControlNodeBinding::bind(controlNode, control);
    Branch empty;
    ControlNodeBinding::bind(empty, control);
    EXPECT_DOUBLE_EQ(control.getKickParams().kickAmplitude, 0.1);
    EXPECT_DOUBLE_EQ(OmnidirectionalWalkZMPParams::normalParams.period, 0.0);
}

TEST_F(ControlNodeBindingTest, BadValuesAreReportedWithTheirFileAndKey) {
    const struct {
        std::shared_ptr<Branch> node;
        const char* file;
        const char* key;
    } cases[] = {
        {tree({{"normal", R"({"period": "abc"})"}}), "control/walk/normal-parameters.json", "period"},
        {tree({{"sprint-turn", R"({"zCom": "nan"})"}}), "control/walk/sprint-turn-parameters.json", "zCom"},
        {tree({}, R"({"zFoot": "x"})"), "control/kick/normal-parameters.json", "zFoot"},
        // Kick values that would give joint targets that are not numbers.
        {tree({}, R"({"zCom": 0})"), "control/kick/normal-parameters.json", "zCom"},
        {tree({}, R"({"accelerationMoveRatio": 0})"), "control/kick/normal-parameters.json", "accelerationMoveRatio"},
        {tree({}, R"({"accelerationMoveRatio": 1})"), "control/kick/normal-parameters.json", "accelerationMoveRatio"},
        {tree({}, R"({"moveZmpDuration": -0.1})"), "control/kick/normal-parameters.json", "moveZmpDuration"},
    };
    for (const auto& testCase : cases) {
        try {
            ControlNodeBinding::bind(*testCase.node, control);
            ADD_FAILURE() << "accepted a value of " << testCase.key;
        } catch (const std::invalid_argument& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(testCase.file), std::string::npos) << message;
            EXPECT_NE(message.find(testCase.key), std::string::npos) << message;
        }
    }
    EXPECT_THROW(ControlNodeBinding::bind(*tree({{"circle", R"({"period": "1e999"})"}}), control), std::out_of_range);
}

TEST_F(ControlNodeBindingTest, TheKeyframeNodeLoadsThePagesAndEachRequestedPageMissingIsNamed) {
    const auto withPage = [](const char* json) {
        auto keyframe = std::make_shared<Branch>();
        keyframe->addChild("../configuration/core/control/keyframe/fall/page.json", tests::jsonLeaf(json));
        auto stateMachine = std::make_shared<Branch>();
        stateMachine->addChild("keyframe", keyframe);
        Branch controlNode;
        controlNode.addChild("stateMachine", stateMachine);
        return controlNode;
    };
    Branch sound = withPage(R"({"name": "fallBack", "steps": [{"delta": 0.2}, {"delta": 1}]})");
    testing::internal::CaptureStderr();
    ControlNodeBinding::bind(sound, control);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(control.getKeyframePlayer().setPage("fallBack"));
    EXPECT_EQ(reported.find("\"fallBack\""), std::string::npos) << reported;
    EXPECT_NE(reported.find("no keyframe page \"getReady\""), std::string::npos) << reported;
    EXPECT_NE(reported.find("no keyframe page \"kick20mLeftLeg\""), std::string::npos) << reported;

    Branch broken = withPage(R"({"name": "fallFront", "speedRate": 0, "steps": [{"delta": 0.2}, {"delta": 1}]})");
    try {
        ControlNodeBinding::bind(broken, control);
        ADD_FAILURE() << "accepted a page that never ends";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("keyframe/fall/page.json"), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace agent
