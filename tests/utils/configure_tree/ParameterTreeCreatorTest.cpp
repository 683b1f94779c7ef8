#include "utils/configure_tree/ParameterTreeCreator.h"
#include "tests/utils/configure_tree/ScratchConfiguration.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace utils {
namespace configure_tree {
namespace {

using Tree = boost::property_tree::ptree;
using Node = marlowinds_lib::utils::patterns::Parameter<Tree, std::string>;
using Branch = marlowinds_lib::utils::patterns::BranchParameter<Tree, std::string>;
using Leaf = marlowinds_lib::utils::patterns::LeafParameter<Tree, std::string>;

const std::string WALK = "../configuration/core/control/walk/";
const std::string NAVIGATION = "../configuration/core/representations/navigation_params/";
const std::string KICK = "../configuration/core/control/kick/normal-parameters.json";

std::set<std::string> childNames(Node& node) {
    std::set<std::string> names;
    for (auto const& child : node.getChildren()) {
        names.insert(child.first);
    }
    return names;
}

/// The message of the exception that getRoot raises, or "" when it builds a tree.
std::string buildFailure() {
    try {
        ParameterTreeCreator::getRoot<Tree, std::string>();
    } catch (std::exception const& error) {
        return error.what();
    }
    return "";
}

class ParameterTreeCreatorTest : public ::testing::Test {
protected:
    void SetUp() override { scratch.writeCompleteTree(); }

    ScratchConfiguration scratch;
};

TEST_F(ParameterTreeCreatorTest, TreeHasTheFixedShapeAndEveryLeafHoldsItsOwnFileAsText) {
    scratch.write("control/walk/normal-parameters.json",
                  R"({"source": "normal", "period": 0.20, "zCom": "0.21", "flag": true, "zStep": 2e-2})");

    auto root = ParameterTreeCreator::getRoot<Tree, std::string>();

    EXPECT_EQ(childNames(*root), (std::set<std::string>{"control", "representations"}));
    Node& control = root->getChild("control");
    EXPECT_EQ(childNames(control), (std::set<std::string>{"stateMachine"}));
    Node& stateMachine = control.getChild("stateMachine");
    EXPECT_EQ(childNames(stateMachine), (std::set<std::string>{"walk", "kick", "keyframe"}));
    Node& representations = root->getChild("representations");
    EXPECT_EQ(childNames(representations), (std::set<std::string>{"navigationParams"}));
    EXPECT_EQ(stateMachine.getChild("kick").getContent().get<std::string>("source"), "kick");
    EXPECT_FALSE(stateMachine.getChild("keyframe").hasChild());
    EXPECT_THROW(stateMachine.getChild("keyframe").getContent(), std::bad_function_call);

    const std::set<std::string> setNames(std::begin(::control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES),
                                         std::end(::control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES));
    for (Node* sets : {&stateMachine.getChild("walk"), &representations.getChild("navigationParams")}) {
        EXPECT_THROW(sets->getContent(), std::bad_function_call);
        EXPECT_EQ(childNames(*sets), setNames);
        for (auto const& name : setNames) {
            EXPECT_EQ(sets->getChild(name).getContent().get<std::string>("source"), name);
        }
    }

    // JSON numbers and booleans stay text as written.
    Tree const& normal = stateMachine.getChild("walk").getChild("normal").getContent();
    EXPECT_EQ(normal.get<std::string>("period"), "0.20");
    EXPECT_EQ(normal.get<std::string>("zCom"), "0.21");
    EXPECT_EQ(normal.get<std::string>("flag"), "true");
    EXPECT_EQ(normal.get<std::string>("zStep"), "2e-2");
}

TEST_F(ParameterTreeCreatorTest, FirstBrokenFileInReadingOrderIsReported) {
    struct Row {
        std::vector<std::string> missing;
        std::string reported;
    };
    const std::vector<Row> rows = {
        {{WALK + "circle-parameters.json"}, WALK + "circle-parameters.json"},
        {{WALK + "conduct-turn-parameters.json", WALK + "circle-parameters.json"}, WALK + "circle-parameters.json"},
        {{WALK + "conduct-turn-parameters.json", WALK + "turn-conduct-parameters.json"},
         WALK + "turn-conduct-parameters.json"},
        {{WALK + "sprint-conduct-parameters.json", WALK + "conduct-sprint-parameters.json"},
         WALK + "conduct-sprint-parameters.json"},
        {{KICK, WALK + "conduct-turn-parameters.json"}, WALK + "conduct-turn-parameters.json"},
        {{NAVIGATION + "normal-parameters.json", KICK}, KICK},
        {{NAVIGATION + "normal-parameters.json", WALK + "sprint-parameters.json"}, WALK + "sprint-parameters.json"},
        {{NAVIGATION + "turn-sprint-parameters.json", NAVIGATION + "turn-parameters.json"},
         NAVIGATION + "turn-parameters.json"},
        {{NAVIGATION + "sprint-parameters.json", NAVIGATION + "conduct-sprint-parameters.json"},
         NAVIGATION + "conduct-sprint-parameters.json"},
        {{NAVIGATION + "circle-parameters.json", NAVIGATION + "precise-parameters.json"},
         NAVIGATION + "precise-parameters.json"},
    };
    for (auto const& row : rows) {
        for (auto const& path : row.missing) {
            boost::filesystem::rename(path, path + ".away");
        }

        const std::string message = buildFailure();

        EXPECT_EQ(message, row.reported + ": cannot open file");
        for (auto const& path : row.missing) {
            boost::filesystem::rename(path + ".away", path);
        }
    }
}

TEST_F(ParameterTreeCreatorTest, MalformedFileOrFolderInItsPlaceIsReportedWithItsPath) {
    struct Row {
        std::string file;
        const char* text; // nullptr: a folder stands where the file should be
        std::string prefix;
    };
    const std::vector<Row> rows = {
        {"control/walk/turn-parameters.json", "{\n\"period\": 0.2,\n}", WALK + "turn-parameters.json(3): "},
        {"control/kick/normal-parameters.json", "", KICK + "(1): "},
        {"representations/navigation_params/circle-parameters.json", "{\"max_side_speed\": 0.3",
         NAVIGATION + "circle-parameters.json(1): "},
        {"representations/navigation_params/sprint-parameters.json", "{\"a\": 1} trailing",
         NAVIGATION + "sprint-parameters.json(1): "},
        {"control/walk/precise-parameters.json", nullptr, WALK + "precise-parameters.json: "},
        {"control/kick/normal-parameters.json", nullptr, KICK + ": "},
        {"representations/navigation_params/turn-parameters.json", nullptr, NAVIGATION + "turn-parameters.json: "},
    };
    for (auto const& row : rows) {
        ScratchConfiguration local;
        local.writeCompleteTree();
        if (row.text != nullptr) {
            local.write(row.file, row.text);
        } else {
            local.remove(row.file);
            local.makeFolder(row.file);
        }

        const std::string message = buildFailure();

        EXPECT_EQ(message.rfind(row.prefix, 0), 0u) << message;
    }
}

TEST_F(ParameterTreeCreatorTest, MissingKeyframeFolderStopsTheBuildNamingTheFolder) {
    scratch.remove("control/keyframe");

    try {
        ParameterTreeCreator::getRoot<Tree, std::string>();
        FAIL() << "built a tree without a keyframe folder";
    } catch (boost::filesystem::filesystem_error const& error) {
        EXPECT_EQ(error.path1().string(), "../configuration/core/control/keyframe");
        EXPECT_NE(std::string(error.what()).find("../configuration/core/control/keyframe"), std::string::npos);
    }
}

TEST(ParameterTreeCreatorConnectTest, ConnectAddsBothSubtreesUnderTheirNames) {
    auto root = std::make_shared<Branch>();
    auto control = std::make_shared<Branch>();
    auto representations = std::make_shared<Leaf>();

    ParameterTreeCreator::connectNodesToRoot<Tree, std::string>(root, control, representations);

    EXPECT_EQ(&root->getChild("control"), control.get());
    EXPECT_EQ(&root->getChild("representations"), representations.get());
    EXPECT_THROW((ParameterTreeCreator::connectNodesToRoot<Tree, std::string>(nullptr, control, representations)),
                 std::invalid_argument);
}

} // namespace
} // namespace configure_tree
} // namespace utils
