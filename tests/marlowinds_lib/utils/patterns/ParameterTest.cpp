#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <boost/property_tree/ptree.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace marlowinds_lib {
namespace utils {
namespace patterns {
namespace {

using Tree = boost::property_tree::ptree;
using Node = Parameter<Tree, std::string>;
using Branch = BranchParameter<Tree, std::string>;
using Leaf = LeafParameter<Tree, std::string>;

std::shared_ptr<Leaf> leafWith(std::string const& key, std::string const& value) {
    Tree content;
    content.put(key, value);
    return std::make_shared<Leaf>(content);
}

TEST(ParameterTest, OperationsThatTheNodeKindDoesNotHoldRaiseBadFunctionCall) {
    struct Row {
        const char* operation;
        std::function<void(Node&)> call;
        bool raisesOnBranch;
        bool raisesOnLeaf;
    };
    const std::vector<Row> rows = {
        {"getContent", [](Node& node) { node.getContent(); }, true, false},
        {"getChildren", [](Node& node) { node.getChildren(); }, false, true},
        {"getChild", [](Node& node) { node.getChild("a"); }, false, true},
    };
    auto branch = std::make_shared<Branch>();
    branch->addChild("a", std::make_shared<Leaf>());
    Leaf leaf;

    for (auto const& row : rows) {
        if (row.raisesOnBranch) {
            EXPECT_THROW(row.call(*branch), std::bad_function_call) << row.operation;
        } else {
            EXPECT_NO_THROW(row.call(*branch)) << row.operation;
        }
        if (row.raisesOnLeaf) {
            EXPECT_THROW(row.call(leaf), std::bad_function_call) << row.operation;
        } else {
            EXPECT_NO_THROW(row.call(leaf)) << row.operation;
        }
    }
}

TEST(ParameterTest, EmptyBranchHasNoChildAndRaisesOutOfRangeForAnyName) {
    Branch branch;

    EXPECT_FALSE(branch.hasChild());
    EXPECT_TRUE(branch.getChildren().empty());
    try {
        branch.getChild("x");
        FAIL() << "getChild of a missing name returned";
    } catch (std::out_of_range const& error) {
        EXPECT_STREQ(error.what(), "map::at");
    }
}

TEST(ParameterTest, BranchHandsOutTheStoredChildAsReference) {
    Branch branch;
    auto leaf = leafWith("period", "0.2");

    branch.addChild("normal", leaf);

    EXPECT_TRUE(branch.hasChild());
    EXPECT_EQ(&branch.getChild("normal"), leaf.get());
    EXPECT_EQ(branch.getChild("normal").getContent().get<std::string>("period"), "0.2");
    EXPECT_THROW(branch.getChild("Normal"), std::out_of_range);
}

TEST(ParameterTest, AddingAnExistingNameKeepsTheFirstChild) {
    Branch branch;
    auto first = leafWith("v", "1");
    auto second = leafWith("v", "2");

    branch.addChild("a", first);
    branch.addChild("a", second);

    EXPECT_EQ(branch.getChildren().size(), 1u);
    EXPECT_EQ(&branch.getChild("a"), first.get());
}

TEST(ParameterTest, ChildrenAreVisitedInAscendingNameOrder) {
    Branch branch;
    for (const char* name : {"turn", "conduct-turn", "normal", "circle", "sprint-conduct"}) {
        branch.addChild(name, std::make_shared<Leaf>());
    }

    std::vector<std::string> visited;
    for (auto const& child : branch.getChildren()) {
        visited.push_back(child.first);
    }

    EXPECT_EQ(visited, (std::vector<std::string>{"circle", "conduct-turn", "normal", "sprint-conduct", "turn"}));
}

TEST(ParameterTest, NullChildIsRejectedAndLeavesTheBranchUnchanged) {
    Branch branch;

    EXPECT_THROW(branch.addChild("a", nullptr), std::invalid_argument);

    EXPECT_FALSE(branch.hasChild());
}

} // namespace
} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib
