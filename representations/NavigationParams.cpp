#include "representations/NavigationParams.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace representations {

NavigationParams NavigationParams::normalParams;
NavigationParams NavigationParams::preciseParams;
NavigationParams NavigationParams::conductParams;
NavigationParams NavigationParams::turnParams;
NavigationParams NavigationParams::sprintParams;
NavigationParams NavigationParams::circleParams;
NavigationParams NavigationParams::conductTurnParams;
NavigationParams NavigationParams::turnConductParams;
NavigationParams NavigationParams::sprintTurnParams;
NavigationParams NavigationParams::turnSprintParams;
NavigationParams NavigationParams::conductSprintParams;
NavigationParams NavigationParams::sprintConductParams;

namespace {

struct Field {
    const char* key;
    double NavigationParams::*member;
};

constexpr std::array<Field, 7> FIELDS = {{
    {"max_forward_speed", &NavigationParams::max_forward_speed},
    {"max_backward_speed", &NavigationParams::max_backward_speed},
    {"max_side_speed", &NavigationParams::max_side_speed},
    {"max_angular_speed", &NavigationParams::max_angular_speed},
    {"close_distance_threshold", &NavigationParams::close_distance_threshold},
    {"velocity_gain", &NavigationParams::velocity_gain},
    {"angle_bandwidth", &NavigationParams::angle_bandwidth},
}};

double parseValue(std::string const& key, std::string const& text) {
    double value = 0.0;
    try {
        value = std::stod(text);
    } catch (std::invalid_argument const& error) {
        throw std::invalid_argument("\"" + key + "\": " + error.what());
    } catch (std::out_of_range const& error) {
        throw std::out_of_range("\"" + key + "\": " + error.what());
    }
    // std::stod reads "nan" and "inf"; a limit that is not finite would poison every later velocity.
    if (!std::isfinite(value)) {
        throw std::invalid_argument("\"" + key + "\": not a finite number");
    }
    return value;
}

} // namespace

NavigationParams& NavigationParams::getNavigationParams(control::walking::OmnidirectionalWalkZMParamsType type) {
    using Type = control::walking::OmnidirectionalWalkZMParamsType;
    switch (type) {
    case Type::NORMAL:
        return normalParams;
    case Type::PRECISE:
        return preciseParams;
    case Type::CONDUCT:
        return conductParams;
    case Type::TURN:
        return turnParams;
    case Type::SPRINT:
        return sprintParams;
    case Type::CIRCLE:
        return circleParams;
    case Type::CONDUCT_TURN:
        return conductTurnParams;
    case Type::TURN_CONDUCT:
        return turnConductParams;
    case Type::SPRINT_TURN:
        return sprintTurnParams;
    case Type::TURN_SPRINT:
        return turnSprintParams;
    case Type::SPRINT_CONDUCT:
        return sprintConductParams;
    case Type::CONDUCT_SPRINT:
        break;
    }
    return conductSprintParams;
}

void NavigationParams::setNavigationParameter(
    marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& leaf,
    NavigationParams& target) {
    for (auto const& member : leaf.getContent()) {
        for (auto const& field : FIELDS) {
            if (member.first == field.key) {
                target.*field.member = parseValue(member.first, member.second.data());
            }
        }
    }
}

} // namespace representations
