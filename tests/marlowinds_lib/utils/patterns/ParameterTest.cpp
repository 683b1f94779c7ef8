#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <boost/property_tree/ptree.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
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
    Branch branch;
    branch.addChild("a", std::make_shared<Leaf>());
    Leaf leaf;
    Node& asBranch = branch;
    Node& asLeaf = leaf;

    EXPECT_THROW(asBranch.getContent(), std::bad_function_call);
    EXPECT_THROW(asLeaf.getChildren(), std::bad_function_call);
    EXPECT_THROW(asLeaf.getChild("a"), std::bad_function_call);
    EXPECT_NO_THROW(asBranch.getChildren());
    EXPECT_NO_THROW(asBranch.getChild("a"));
    EXPECT_NO_THROW(asLeaf.getContent());
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

TEST(ParameterTest, BranchHandsOutTheFirstChildStoredUnderANameAndRefusesNull) {
    Branch branch;
    auto first = leafWith("period", "0.2");
    auto second = leafWith("period", "0.3");

    branch.addChild("normal", first);
    branch.addChild("normal", second);

    EXPECT_TRUE(branch.hasChild());
    EXPECT_EQ(branch.getChildren().size(), 1u);
    EXPECT_EQ(&branch.getChild("normal"), first.get());
    EXPECT_EQ(branch.getChild("normal").getContent().get<std::string>("period"), "0.2");
    EXPECT_THROW(branch.getChild("Normal"), std::out_of_range);
    EXPECT_THROW(branch.addChild("other", nullptr), std::invalid_argument);
    EXPECT_EQ(branch.getChildren().size(), 1u);
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

} // namespace
} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib
