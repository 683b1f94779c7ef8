#ifndef TESTS_CONTROL_JSONLEAF_H
#define TESTS_CONTROL_JSONLEAF_H

#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <boost/property_tree/json_parser.hpp>

#include <memory>
#include <sstream>
#include <string>

namespace tests {

using Leaf = marlowinds_lib::utils::patterns::LeafParameter<boost::property_tree::ptree, std::string>;

/// A configuration leaf holding the JSON text, as the tree builders would read it from a file.
inline std::shared_ptr<Leaf> jsonLeaf(const std::string& json) {
    std::istringstream in(json);
    boost::property_tree::ptree content;
    boost::property_tree::read_json(in, content);
    return std::make_shared<Leaf>(content);
}

/// A leaf holding a shipped configuration file, named relative to configuration/core.
inline Leaf shippedLeaf(const std::string& file) {
    boost::property_tree::ptree content;
    boost::property_tree::read_json(std::string(MARLOWINDS_CONFIGURATION_DIR) + "/" + file, content);
    return Leaf(content);
}

} // namespace tests

#endif
