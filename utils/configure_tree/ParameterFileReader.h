#ifndef UTILS_CONFIGURE_TREE_PARAMETERFILEREADER_H
#define UTILS_CONFIGURE_TREE_PARAMETERFILEREADER_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"
#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <array>
#include <boost/property_tree/json_parser.hpp>
#include <cstddef>
#include <ios>
#include <memory>
#include <string>

namespace utils {
namespace configure_tree {

/// Reads JSON configuration files into leaves of the parameter tree. A file that is missing, unreadable or
/// malformed raises boost::property_tree::json_parser_error, whose message starts with the file's path.
class ParameterFileReader {
public:
    template <typename T, typename S>
    static void readInto(marlowinds_lib::utils::patterns::LeafParameter<T, S>& leaf, std::string const& path) {
        try {
            boost::property_tree::read_json(path, leaf.getContent());
        } catch (std::ios_base::failure const& error) {
            // A read error (a folder under a file's name, say) would otherwise not say which file it was.
            throw boost::property_tree::json_parser_error(error.what(), path, 0);
        }
    }

    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::LeafParameter<T, S>> readLeaf(std::string const& path) {
        auto leaf = std::make_shared<marlowinds_lib::utils::patterns::LeafParameter<T, S>>();
        readInto(*leaf, path);
        return leaf;
    }

    /// The file of one named parameter set in a folder that ends with '/'.
    static std::string parameterSetFile(std::string const& folder, std::string const& name) {
        return folder + name + "-parameters.json";
    }

    /// A branch of one leaf per set, keyed by the set's name; files are read in the given order, so the first
    /// failing file in that order is the one reported.
    template <typename T, typename S, std::size_t N>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>>
    readParameterSets(std::string const& folder,
                      std::array<::control::walking::OmnidirectionalWalkZMParamsType, N> const& readOrder) {
        auto branch = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        for (auto const type : readOrder) {
            std::string const name =
                ::control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES.at(static_cast<std::size_t>(type));
            branch->addChild(S(name), readLeaf<T, S>(parameterSetFile(folder, name)));
        }
        return branch;
    }
};

} // namespace configure_tree
} // namespace utils

#endif
