#include "tools/field_trial/TrialFolder.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace tools {
namespace field_trial {
namespace {

namespace fs = std::filesystem;

class TrialFolderTest : public testing::Test {
protected:
    TrialFolderTest() {
        tests::TemporaryFolder::write((source / "control/walk/sprint-parameters.json").string(), "shipped sprint");
        tests::TemporaryFolder::write((source / "control/kick/normal-parameters.json").string(), "shipped kick");
        tests::TemporaryFolder::write((source / "dynamic/params/values.json").string(), "a store saved by the team");
        tests::TemporaryFolder::write(mine, "my sprint");
    }

    static std::string read(const fs::path& file) { return tests::TemporaryFolder::read(file.string()); }

    tests::TemporaryFolder temporary;
    const fs::path source = temporary / "shipped";
    const std::string mine = temporary / "mine.json";
};

TEST_F(TrialFolderTest, PlayersReadTheConfigurationWithItsReplacementsBesideTheirWorkingFolder) {
    const TrialFolder folder({source.string(), {{"control/walk/sprint-parameters.json", mine}}});
    const fs::path core = fs::path(folder.getWorkingFolder()) / ".." / "configuration" / "core";
    EXPECT_EQ(read(core / "control/walk/sprint-parameters.json"), "my sprint");
    EXPECT_EQ(read(core / "control/kick/normal-parameters.json"), "shipped kick");
    EXPECT_TRUE(fs::is_directory(folder.getServerFolder()));
    // A store of its own, empty: what the player saves stays out of the configuration.
    EXPECT_TRUE(fs::is_directory(core / "dynamic"));
    EXPECT_TRUE(fs::is_empty(core / "dynamic"));
    EXPECT_EQ(read(source / "control/walk/sprint-parameters.json"), "shipped sprint");
}

TEST_F(TrialFolderTest, WhatCannotBeUsedIsRefusedAndLeavesNothingBehind) {
    // Trial folders are made under TMPDIR: here, a folder of this test's own.
    const fs::path folders = temporary / "folders";
    fs::create_directories(folders);
    const char* const previous = std::getenv("TMPDIR");
    const std::string restore = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", folders.c_str(), 1);
    const ConfigurationChoice refused[] = {
        {temporary / "nowhere", {}},
        {source.string(), {{"control/walk/unknown.json", mine}}},
        {source.string(), {{"control/walk", mine}}},
        {source.string(), {{"../shipped/control/kick/normal-parameters.json", mine}}},
        {source.string(), {{"dynamic/params/values.json", mine}}},
        {source.string(), {{"control/walk/sprint-parameters.json", temporary / "missing.json"}}},
    };
    for (const ConfigurationChoice& choice : refused) {
        EXPECT_THROW(TrialFolder folder(choice), std::runtime_error)
            << choice.folder << (choice.replacements.empty() ? "" : " " + choice.replacements[0].first);
    }
    EXPECT_TRUE(fs::is_empty(folders));
    if (previous != nullptr) {
        ::setenv("TMPDIR", restore.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

TEST_F(TrialFolderTest, GoesWithEverythingInItUnlessKept) {
    auto folder = std::make_unique<TrialFolder>(ConfigurationChoice{source.string(), {}});
    const std::string gone = folder->getRoot();
    tests::TemporaryFolder::write(folder->getServerFolder() + "/server.log", "log");
    folder.reset();
    EXPECT_FALSE(fs::exists(gone));

    folder = std::make_unique<TrialFolder>(ConfigurationChoice{source.string(), {}});
    const std::string kept = folder->getRoot();
    folder->keep();
    folder.reset();
    EXPECT_TRUE(fs::exists(kept));
    fs::remove_all(kept);
}

} // namespace
} // namespace field_trial
} // namespace tools
