#ifndef TOOLS_FIELD_TRIAL_TRIALFOLDER_H
#define TOOLS_FIELD_TRIAL_TRIALFOLDER_H

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tools {
namespace field_trial {

/// The configuration the players read: a folder laid out as
/// configuration/core, with some of its files replaced by others.
struct ConfigurationChoice {
    std::string folder;
    /// A path relative to the folder, and the file that takes its place.
    std::vector<std::pair<std::string, std::string>> replacements;
};

/// A fresh folder for one trial: the chosen configuration mirrored by links
/// under configuration/core (with a parameter store of its own, so that
/// nothing is written into the configuration), the players' working folder
/// beside it, from which that is "../configuration/core", and the server's
/// folder. Removed when it goes, unless kept.
class TrialFolder {
public:
    /// Throws std::runtime_error for a configuration folder or a replacement
    /// that does not exist, or a replaced path the configuration does not have.
    explicit TrialFolder(const ConfigurationChoice& configuration);
    ~TrialFolder();
    TrialFolder(const TrialFolder&) = delete;
    TrialFolder& operator=(const TrialFolder&) = delete;

    std::string getRoot() const { return root.string(); }
    std::string getWorkingFolder() const { return (root / "run").string(); }
    std::string getServerFolder() const { return (root / "server").string(); }
    /// Leaves the folder in place, for its logs.
    void keep() { kept = true; }

private:
    std::filesystem::path root;
    bool kept = false;
};

} // namespace field_trial
} // namespace tools

#endif
