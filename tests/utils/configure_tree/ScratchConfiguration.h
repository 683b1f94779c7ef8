#ifndef TESTS_UTILS_CONFIGURE_TREE_SCRATCHCONFIGURATION_H
#define TESTS_UTILS_CONFIGURE_TREE_SCRATCHCONFIGURATION_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"

#include <boost/filesystem.hpp>
#include <fstream>
#include <stdexcept>
#include <string>

namespace utils {
namespace configure_tree {

/// A fresh temporary folder laid out as the agent expects, made the working directory until the object is
/// destroyed: the working directory "work" beside "configuration/core".
class ScratchConfiguration {
public:
    ScratchConfiguration() { boost::filesystem::create_directories(core()); }

    boost::filesystem::path core() const { return directory.getRoot() / "configuration" / "core"; }

    /// Writes a file below configuration/core, creating its folders.
    void write(std::string const& relativePath, std::string const& text) const {
        const boost::filesystem::path path = core() / relativePath;
        boost::filesystem::create_directories(path.parent_path());
        std::ofstream file(path.string());
        file << text;
        if (!file) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }

    void makeFolder(std::string const& relativePath) const {
        boost::filesystem::create_directories(core() / relativePath);
    }

    void remove(std::string const& relativePath) const { boost::filesystem::remove_all(core() / relativePath); }

    /// Every file the tree builder reads, each holding its own name under "source", and an empty keyframe folder.
    void writeCompleteTree() const {
        for (const char* name : ::control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES) {
            write(std::string("control/walk/") + name + "-parameters.json", sourceJson(name));
            write(std::string("representations/navigation_params/") + name + "-parameters.json", sourceJson(name));
        }
        write("control/kick/normal-parameters.json", sourceJson("kick"));
        makeFolder("control/keyframe");
    }

    static std::string sourceJson(std::string const& source) { return R"({"source": ")" + source + R"("})"; }

private:
    marlowinds_lib::utils::TemporaryWorkingDirectory directory;
};

} // namespace configure_tree
} // namespace utils

#endif
