#ifndef TESTS_UTILS_CONFIGURE_TREE_SCRATCHCONFIGURATION_H
#define TESTS_UTILS_CONFIGURE_TREE_SCRATCHCONFIGURATION_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"

#include <boost/filesystem.hpp>
#include <fstream>
#include <stdexcept>
#include <string>

namespace utils {
namespace configure_tree {

/// A fresh temporary folder laid out as the agent expects: the working directory "work" beside
/// "configuration/core". Entering it changes the process's working directory until the object is destroyed.
class ScratchConfiguration {
public:
    ScratchConfiguration()
        : root(boost::filesystem::temp_directory_path() /
               boost::filesystem::unique_path("marlowinds-configuration-%%%%-%%%%-%%%%")),
          previous(boost::filesystem::current_path()) {
        boost::filesystem::create_directories(root / "work");
        boost::filesystem::create_directories(core());
    }

    ~ScratchConfiguration() {
        boost::system::error_code ignored;
        boost::filesystem::current_path(previous, ignored);
        boost::filesystem::remove_all(root, ignored);
    }

    ScratchConfiguration(ScratchConfiguration const&) = delete;
    ScratchConfiguration& operator=(ScratchConfiguration const&) = delete;

    void enter() const { boost::filesystem::current_path(root / "work"); }

    boost::filesystem::path core() const { return root / "configuration" / "core"; }

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
    boost::filesystem::path root;
    boost::filesystem::path previous;
};

} // namespace configure_tree
} // namespace utils

#endif
