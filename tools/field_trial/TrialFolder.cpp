#include "tools/field_trial/TrialFolder.h"

#include <cstdlib>
#include <stdexcept>

namespace tools {
namespace field_trial {

namespace fs = std::filesystem;

namespace {

/// Where the agent keeps its parameter store, relative to configuration/core.
const char* const STORE = "dynamic";

fs::path freshFolder() {
    std::string pattern = (fs::temp_directory_path() / "field-trial-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder under " + fs::temp_directory_path().string());
    }
    return pattern;
}

} // namespace

TrialFolder::TrialFolder(const ConfigurationChoice& configuration) : root(freshFolder()) {
    try {
        const fs::path source = fs::absolute(configuration.folder);
        if (!fs::is_directory(source)) {
            throw std::runtime_error("no configuration folder " + configuration.folder);
        }
        const fs::path core = root / "configuration" / "core";
        fs::create_directories(core / STORE);
        for (auto entry = fs::recursive_directory_iterator(source); entry != fs::recursive_directory_iterator();
             ++entry) {
            const fs::path relative = entry->path().lexically_relative(source);
            if (relative == STORE) {
                entry.disable_recursion_pending();
            } else if (entry->is_directory()) {
                fs::create_directories(core / relative);
            } else {
                fs::create_symlink(entry->path(), core / relative);
            }
        }
        for (const auto& [path, file] : configuration.replacements) {
            const fs::path relative = fs::path(path).lexically_normal();
            const fs::path link = core / relative;
            if (relative.empty() || relative.is_absolute() || *relative.begin() == ".." || !fs::is_symlink(link)) {
                throw std::runtime_error("the configuration has no file " + path + " to replace");
            }
            if (!fs::is_regular_file(file)) {
                throw std::runtime_error("no file " + file + " to put in place of " + path);
            }
            fs::remove(link);
            fs::create_symlink(fs::absolute(file), link);
        }
        fs::create_directories(getWorkingFolder());
        fs::create_directories(getServerFolder());
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        throw;
    }
}

TrialFolder::~TrialFolder() {
    if (!kept) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}

} // namespace field_trial
} // namespace tools
