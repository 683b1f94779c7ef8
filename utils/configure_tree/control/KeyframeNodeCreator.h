#ifndef UTILS_CONFIGURE_TREE_CONTROL_KEYFRAMENODECREATOR_H
#define UTILS_CONFIGURE_TREE_CONTROL_KEYFRAMENODECREATOR_H

#include "utils/configure_tree/ParameterFileReader.h"

#include <boost/filesystem.hpp>
#include <stdexcept>
#include <string>
#include <utility>

namespace utils {
namespace configure_tree {
namespace control {

/// The "keyframe" branch: one leaf per ".json" file under the folder and its subfolders, keyed by the file's
/// path as the directory walk gives it. A folder that cannot be walked raises
/// boost::filesystem::filesystem_error, whose message names the path.
class KeyframeNodeCreator {
public:
    explicit KeyframeNodeCreator(std::string folder) : folder(std::move(folder)) {}

    template <typename T, typename S>
    std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() const {
        auto branch = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        for (boost::filesystem::recursive_directory_iterator entry(folder), end; entry != end; ++entry) {
            boost::filesystem::path const& path = entry->path();
            if (path.extension() != ".json") {
                continue;
            }
            auto leaf = std::make_shared<marlowinds_lib::utils::patterns::LeafParameter<T, S>>();
            loadParameterContent(leaf, path.string());
            branch->addChild(S(path.string()), leaf);
        }
        return branch;
    }

    template <typename T, typename S>
    static void loadParameterContent(std::shared_ptr<marlowinds_lib::utils::patterns::LeafParameter<T, S>> const& leaf,
                                     std::string const& path) {
        if (!leaf) {
            throw std::invalid_argument("KeyframeNodeCreator::loadParameterContent: null leaf for " + path);
        }
        ParameterFileReader::readInto(*leaf, path);
    }

private:
    std::string folder;
};

} // namespace control
} // namespace configure_tree
} // namespace utils

#endif
