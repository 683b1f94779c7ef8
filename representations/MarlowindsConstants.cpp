#include "representations/MarlowindsConstants.h"

namespace representations {

const std::string MarlowindsConstants::DEFAULT_IP = "127.0.0.1";
const std::string MarlowindsConstants::TEAM_DEFAULT_NAME = "Marlowinds";
const std::string MarlowindsConstants::KEYFRAME_FOLDER = "../configuration/core/control/keyframe";
const std::string MarlowindsConstants::FORMATION_FOLDER = "../configuration/core/formation/";
const std::string MarlowindsConstants::NEURAL_NETWORK_FOLDER = "../configuration/core/neural_network";
const std::string MarlowindsConstants::DYNAMIC_PARAMS_FOLDER = "../configuration/core/dynamic";

} // namespace representations
