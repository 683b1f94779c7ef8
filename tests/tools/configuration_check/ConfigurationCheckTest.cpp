#include "tools/configuration_check/ConfigurationCheck.h"

#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tools {
namespace configuration_check {
namespace {

namespace fs = boost::filesystem;

TEST(ConfigurationCheckTest, FindsWhatWouldGoWrongOnlyInPlay) {
    const struct {
        const char* name;
        std::function<void(const fs::path& configuration)> damage;
        std::vector<std::string> reported;
    } cases[] = {
        {"the shipped configuration", [](const fs::path&) {}, {}},
        {"a requested page missing",
         [](const fs::path& configuration) { fs::remove(configuration / "control/keyframe/getReady.json"); },
         {"no keyframe page \"getReady\""}},
        {"a walk set that the walk can select and not use",
         [](const fs::path& configuration) {
             tests::TemporaryFolder::write((configuration / "control/walk/sprint-parameters.json").string(),
                                           R"({"period": 0, "zCom": 0.3, "doubleSupportRatio": 0.2})");
         },
         {"walk parameter set \"sprint\""}},
        {"a walk set that the walk never selects",
         [](const fs::path& configuration) {
             tests::TemporaryFolder::write((configuration / "control/walk/conduct-turn-parameters.json").string(),
                                           R"({"period": 0})");
         },
         {}},
        {"the walk's calibrator missing",
         [](const fs::path& configuration) {
             fs::remove(configuration / "neural_network/odometry/odometry_calibrator.pb");
         },
         {"odometry calibrator"}},
        {"a requested neural motion missing",
         [](const fs::path& configuration) { fs::remove(configuration / "neural_network/kick/12.5m.pb"); },
         {"no usable graph \"kick/12.5m\""}},
        {"a kick that cannot work",
         [](const fs::path& configuration) {
             tests::TemporaryFolder::write((configuration / "control/kick/normal-parameters.json").string(),
                                           R"({"zCom": 0, "accelerationMoveRatio": 0.2})");
         },
         {"cannot load", "control/kick/normal-parameters.json", "\"zCom\""}},
        {"a file the agent cannot load",
         [](const fs::path& configuration) { fs::remove(configuration / "control/kick/normal-parameters.json"); },
         {"cannot load", "control/kick/normal-parameters.json"}},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
        const fs::path configuration = workingDirectory.getRoot() / "configuration/core";
        fs::create_directories(configuration.parent_path());
        fs::copy(MARLOWINDS_CONFIGURATION_DIR, configuration, fs::copy_options::recursive);
        testCase.damage(configuration);

        const std::vector<std::string> problems = ConfigurationCheck::run();
        std::string all;
        for (const std::string& problem : problems) {
            all += problem + "\n";
        }
        EXPECT_EQ(problems.empty(), testCase.reported.empty()) << all;
        for (const std::string& part : testCase.reported) {
            EXPECT_NE(all.find(part), std::string::npos) << part << " not in:\n" << all;
        }
    }
}

} // namespace
} // namespace configuration_check
} // namespace tools
