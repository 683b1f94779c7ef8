#include "core/utils/parameter_store/ParameterStore.h"
#include "core/utils/parameter_store/ParameterBind.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace core {
namespace utils {
namespace parameter_store {
namespace {

class ParameterStoreTest : public testing::Test {
protected:
    void SetUp() override { store.setOriginFolder(folder / "dynamic"); }

    std::string valuesFile(const std::string& node) const {
        return folder / ("dynamic/" + node + "/" + ParameterNode::VALUES_FILE);
    }

    tests::TemporaryFolder folder;
    ParameterStore store;
};

TEST_F(ParameterStoreTest, LoadingAMissingFolderGivesAnEmptyNode) {
    ParameterNode& params = store.root().newChild("params");
    EXPECT_NO_THROW(params.load("params"));
    EXPECT_FALSE(params.hasValue("anything"));
    EXPECT_FALSE(boost::filesystem::exists(folder / "dynamic"));
}

TEST_F(ParameterStoreTest, SavedValuesComeBackInAFreshStore) {
    ParameterNode& drawings = store.root().newChild("drawings");
    drawings.setValue("ball", false, true);
    drawings.setValue("odd \"name\"", true, true);
    drawings.newChild("sub").setValue("deep", true, true);
    drawings.setValue("transient", true, false);
    ASSERT_TRUE(store.root().save(""));

    ParameterStore fresh;
    fresh.setOriginFolder(store.getOriginFolder());
    ParameterNode& loaded = fresh.root().newChild("drawings");
    loaded.load("drawings");
    EXPECT_FALSE(loaded.getValue("ball"));
    EXPECT_TRUE(loaded.getValue("odd \"name\""));
    EXPECT_TRUE(loaded.child("sub").getValue("deep"));
    EXPECT_FALSE(loaded.hasValue("transient"));
}

TEST_F(ParameterStoreTest, ANodeLoadedFromAFolderOfItsOwnIsSavedBackThere) {
    tests::TemporaryFolder::write(valuesFile("rhio/drawings"), "{ \"ball\": false }");
    ParameterNode& drawings = store.root().newChild("drawings");
    drawings.load("rhio/drawings");
    drawings.setValue("field", true, true);
    ASSERT_TRUE(store.root().save(""));

    EXPECT_EQ(tests::TemporaryFolder::read(valuesFile("rhio/drawings")),
              "{\n    \"ball\": false,\n    \"field\": true\n}\n");
    EXPECT_FALSE(boost::filesystem::exists(folder / "dynamic/drawings"));
}

TEST_F(ParameterStoreTest, AnEmptyNodeIsSavedAsAnEmptyObject) {
    store.root().newChild("params");
    ASSERT_TRUE(store.root().save(""));
    EXPECT_EQ(tests::TemporaryFolder::read(valuesFile("params")), "{\n}\n");
}

TEST_F(ParameterStoreTest, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    ParameterNode& params = store.root().newChild("params");
    tests::TemporaryFolder::write(valuesFile("params"), "{ \"old\": true }");
    params.setValue("new", false, true);
    ASSERT_TRUE(store.root().save(""));
    EXPECT_EQ(tests::TemporaryFolder::read(valuesFile("params")), "{\n    \"new\": false\n}\n");
    int files = 0;
    for (boost::filesystem::directory_iterator entry(folder / "dynamic/params"), end; entry != end; ++entry) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(ParameterStoreTest, AFailedSaveIsReportedNotThrown) {
    tests::TemporaryFolder::write(folder / "dynamic", "a file where the folder should be");
    store.root().newChild("params").setValue("x", true, true);
    testing::internal::CaptureStderr();
    bool saved = true;
    EXPECT_NO_THROW(saved = store.root().save(""));
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(saved);
    EXPECT_NE(report.find("(ParameterStore)"), std::string::npos);
}

TEST_F(ParameterStoreTest, MalformedFilesAreRejectedNamingTheFile) {
    const char* const contents[] = {"{ \"ball\": ", "{ \"ball\": \"maybe\" }", "{ \"ball\": { \"x\": true } }",
                                    "[ true ]"};
    for (const char* content : contents) {
        tests::TemporaryFolder::write(valuesFile("drawings"), content);
        ParameterStore fresh;
        fresh.setOriginFolder(store.getOriginFolder());
        try {
            fresh.root().newChild("drawings").load("drawings");
            ADD_FAILURE() << "accepted " << content;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(valuesFile("drawings")), std::string::npos) << error.what();
        }
    }
}

TEST_F(ParameterStoreTest, NodeNamesMustBeFolderNames) {
    for (const char* name : {"", ".", "..", "a/b"}) {
        EXPECT_THROW(store.root().newChild(name), std::invalid_argument) << name;
    }
    EXPECT_THROW(store.root().child("missing"), std::out_of_range);
    EXPECT_THROW(store.root().getValue("missing"), std::out_of_range);
}

TEST_F(ParameterStoreTest, ABindingStartsFromTheStoredValueOrTheDefault) {
    tests::TemporaryFolder::write(valuesFile("drawings"), "{ \"ball\": false }");
    store.root().newChild("drawings").load("drawings");

    ParameterBind bind(store.root(), "drawings");
    bool ball = true;
    bool field = false;
    bind.bindNew("ball", ball, true, true);
    bind.bindNew("field", field, true, true);
    EXPECT_FALSE(ball);
    EXPECT_TRUE(field);
}

TEST_F(ParameterStoreTest, PullBringsChangedValuesIntoBoundVariables) {
    ParameterBind bind(store.root(), "a/b");
    bool flag = false;
    bind.bindNew("flag", flag, true, false);
    store.root().child("a").child("b").setValue("flag", false, false);
    EXPECT_TRUE(flag); // not before the pull
    bind.pull();
    EXPECT_FALSE(flag);
}

TEST_F(ParameterStoreTest, PersistedBindingsAreSaved) {
    ParameterBind bind(store.root(), "drawings");
    bool kept = false;
    bool dropped = false;
    bind.bindNew("kept", kept, true, true);
    bind.bindNew("dropped", dropped, true, false);
    ASSERT_TRUE(store.root().save(""));
    EXPECT_EQ(tests::TemporaryFolder::read(valuesFile("drawings")), "{\n    \"kept\": true\n}\n");
}

} // namespace
} // namespace parameter_store
} // namespace utils
} // namespace core
