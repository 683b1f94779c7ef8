#ifndef TESTS_SUPPORT_SHIPPEDNAVIGATIONPARAMS_H
#define TESTS_SUPPORT_SHIPPEDNAVIGATIONPARAMS_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"
#include "representations/NavigationParams.h"

#include <boost/property_tree/json_parser.hpp>
#include <string>

namespace tests {

/// Loads the twelve navigation sets as shipped into the class-wide sets. The
/// including target defines MARLOWINDS_CONFIGURATION_DIR, the shipped configuration/core.
inline void loadShippedNavigationParams() {
    for (int i = 0; i < 12; ++i) {
        boost::property_tree::ptree content;
        boost::property_tree::read_json(
            std::string(MARLOWINDS_CONFIGURATION_DIR) + "/representations/navigation_params/" +
                control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES[i] + "-parameters.json",
            content);
        marlowinds_lib::utils::patterns::LeafParameter<boost::property_tree::ptree, std::string> leaf(content);
        representations::NavigationParams::setNavigationParameter(
            leaf, representations::NavigationParams::getNavigationParams(
                      static_cast<control::walking::OmnidirectionalWalkZMParamsType>(i)));
    }
}

} // namespace tests

#endif
