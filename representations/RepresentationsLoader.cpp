#include "representations/RepresentationsLoader.h"

#include "utils/configure_tree/representations/NavigationParamsNodeCreator.h"

namespace representations {

namespace {

/// Where a navigation leaf came from, for error messages: the file the tree builder reads for that name.
std::string describeSource(std::string const& name) {
    if (name == "current") {
        return "navigation parameter set \"current\"";
    }
    return utils::configure_tree::ParameterFileReader::parameterSetFile(
        utils::configure_tree::representations::NavigationParamsNodeCreator::FOLDER, name);
}

} // namespace

NavigationParams* RepresentationsLoader::findNavigationParams(std::string const& name) {
    if (name == "current") {
        return &NavigationParams::normalParams;
    }
    control::walking::OmnidirectionalWalkZMParamsType type{};
    if (!control::walking::omnidirectionalWalkZMParamsTypeFromName(name, type)) {
        return nullptr;
    }
    return &NavigationParams::getNavigationParams(type);
}

void RepresentationsLoader::applyNavigationParameter(
    marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& leaf,
    NavigationParams& target, std::string const& name) {
    try {
        NavigationParams::setNavigationParameter(leaf, target);
    } catch (std::invalid_argument const& error) {
        throw std::invalid_argument(describeSource(name) + ": " + error.what());
    } catch (std::out_of_range const& error) {
        throw std::out_of_range(describeSource(name) + ": " + error.what());
    }
}

} // namespace representations
