#include "utils/configure_tree/control/KeyframeNodeCreator.h"
#include "tests/utils/configure_tree/ScratchConfiguration.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace utils {
namespace configure_tree {
namespace control {
namespace {

using Tree = boost::property_tree::ptree;
using Leaf = marlowinds_lib::utils::patterns::LeafParameter<Tree, std::string>;

const std::string FOLDER = "../configuration/core/control/keyframe";

class KeyframeNodeCreatorTest : public ::testing::Test {
protected:
    void SetUp() override { scratch.makeFolder("control/keyframe"); }

    ScratchConfiguration scratch;
};

TEST_F(KeyframeNodeCreatorTest, StoresEveryJsonFileUnderItsPathWithItsContent) {
    struct Row {
        std::string file;
        bool stored;
    };
    const std::vector<Row> rows = {
        {"stand.json", true},
        {"getup/front.json", true},
        {"getup/deep/back.json", true},
        {"goalie/catch.JSON", false},
        {"notes.txt", false},
        {"stand.json.bak", false},
        {"json", false},
    };
    std::set<std::string> expected;
    for (auto const& row : rows) {
        scratch.write("control/keyframe/" + row.file, ScratchConfiguration::sourceJson(row.file));
        if (row.stored) {
            expected.insert(FOLDER + "/" + row.file);
        }
    }

    auto branch = KeyframeNodeCreator(FOLDER).generateNode<Tree, std::string>();

    std::set<std::string> keys;
    for (auto const& child : branch->getChildren()) {
        keys.insert(child.first);
        EXPECT_EQ(FOLDER + "/" + child.second->getContent().get<std::string>("source"), child.first);
    }
    EXPECT_EQ(keys, expected);
}

TEST_F(KeyframeNodeCreatorTest, EmptyFoldersGiveAnEmptyBranch) {
    scratch.makeFolder("control/keyframe/empty/deeper");

    auto branch = KeyframeNodeCreator(FOLDER).generateNode<Tree, std::string>();

    EXPECT_FALSE(branch->hasChild());
}

TEST_F(KeyframeNodeCreatorTest, BrokenPageOrFolderNamedLikeAPageIsReportedWithItsPath) {
    struct Row {
        std::string written;
        std::string text;
        std::string reported;
        std::string prefix;
    };
    const std::vector<Row> rows = {
        {"kick/side.json", R"({"name": "kickSide",)", FOLDER + "/kick/side.json", FOLDER + "/kick/side.json(1): "},
        {"pages.json/stand.json", "{}", FOLDER + "/pages.json", FOLDER + "/pages.json: "},
    };
    for (auto const& row : rows) {
        ScratchConfiguration local;
        local.write("control/keyframe/" + row.written, row.text);
        try {
            KeyframeNodeCreator(FOLDER).generateNode<Tree, std::string>();
            ADD_FAILURE() << row.written << " was loaded";
        } catch (boost::property_tree::json_parser_error const& error) {
            EXPECT_EQ(error.filename(), row.reported);
            EXPECT_EQ(std::string(error.what()).rfind(row.prefix, 0), 0u) << error.what();
        }
    }
}

TEST_F(KeyframeNodeCreatorTest, FolderThatCannotBeWalkedIsReportedWithItsPath) {
    scratch.write("control/not-a-folder", "{}");
    const std::vector<std::string> folders = {"../configuration/core/control/missing",
                                              "../configuration/core/control/not-a-folder"};
    for (auto const& folder : folders) {
        try {
            KeyframeNodeCreator(folder).generateNode<Tree, std::string>();
            ADD_FAILURE() << folder << " was walked";
        } catch (boost::filesystem::filesystem_error const& error) {
            EXPECT_EQ(error.path1().string(), folder);
            EXPECT_NE(std::string(error.what()).find(folder), std::string::npos) << error.what();
        }
    }
}

TEST_F(KeyframeNodeCreatorTest, LoadParameterContentReadsIntoTheGivenLeaf) {
    scratch.write("page.json", R"({"name": "standUp"})");
    auto leaf = std::make_shared<Leaf>();

    KeyframeNodeCreator::loadParameterContent(leaf, "../configuration/core/page.json");

    EXPECT_EQ(leaf->getContent().get<std::string>("name"), "standUp");
    EXPECT_THROW(KeyframeNodeCreator::loadParameterContent(leaf, "../configuration/core/absent.json"),
                 boost::property_tree::json_parser_error);
    EXPECT_THROW(KeyframeNodeCreator::loadParameterContent(std::shared_ptr<Leaf>(), "../configuration/core/page.json"),
                 std::invalid_argument);
}

} // namespace
} // namespace control
} // namespace configure_tree
} // namespace utils
