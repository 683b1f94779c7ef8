#ifndef TESTS_SUPPORT_AGENTWORKINGDIRECTORY_H
#define TESTS_SUPPORT_AGENTWORKINGDIRECTORY_H

#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <string>

namespace tests {

/// Makes a fresh folder the working directory, beside "configuration/core", a
/// link to the given configuration folder, so that what the agent reads by its
/// relative paths ("../configuration/core/...") is that configuration. Restores
/// the previous working directory when it goes; the link goes, the configuration stays.
class AgentWorkingDirectory {
public:
    explicit AgentWorkingDirectory(const std::string& configurationCore) : previous(std::filesystem::current_path()) {
        std::filesystem::create_directories(root / "configuration");
        std::filesystem::create_directory_symlink(std::filesystem::absolute(configurationCore),
                                                  root / "configuration/core");
        std::filesystem::create_directories(root / "work");
        std::filesystem::current_path(root / "work");
    }
    ~AgentWorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    AgentWorkingDirectory(const AgentWorkingDirectory&) = delete;
    AgentWorkingDirectory& operator=(const AgentWorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
    TemporaryFolder root;
};

} // namespace tests

#endif
