#ifndef TESTS_DECISION_MAKING_BEHAVIOR_SHIPPEDNAVIGATIONPARAMS_H
#define TESTS_DECISION_MAKING_BEHAVIOR_SHIPPEDNAVIGATIONPARAMS_H

#include "marlowinds_lib/utils/patterns/LeafParameter.h"
#include "tests/representations/NavigationParamsGuard.h"

#include <boost/property_tree/json_parser.hpp>
#include <string>

namespace decision_making {
namespace testing {

/// The navigation sets as shipped, loaded for each test and restored afterwards.
class ShippedNavigationParams : public representations::NavigationParamsGuard {
protected:
    void SetUp() override {
        NavigationParamsGuard::SetUp();
        for (int i = 0; i < 12; ++i) {
            boost::property_tree::ptree content;
            boost::property_tree::read_json(
                std::string(MARLOWINDS_CONFIGURATION_DIR) + "/representations/navigation_params/" +
                    control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES[i] + "-parameters.json",
                content);
            marlowinds_lib::utils::patterns::LeafParameter<boost::property_tree::ptree, std::string> leaf(content);
            representations::NavigationParams::setNavigationParameter(leaf, setAt(i));
        }
    }
};

} // namespace testing
} // namespace decision_making

#endif
