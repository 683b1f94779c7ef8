#include "agent/StartUpConfiguration.h"

#include "agent/ControlNodeBinding.h"
#include "representations/RepresentationsLoader.h"
#include "utils/configure_tree/ParameterTreeCreator.h"

#include <boost/property_tree/ptree.hpp>

#include <string>

namespace agent {

void StartUpConfiguration::load(control::ControlImpl& control) {
    const auto root = utils::configure_tree::ParameterTreeCreator::getRoot<boost::property_tree::ptree, std::string>();
    representations::RepresentationsLoader().setParameter(root->getChild("representations"));
    ControlNodeBinding::bind(root->getChild("control"), control);
}

} // namespace agent
