#ifndef REPRESENTATIONS_NAVIGATIONPARAMS_H
#define REPRESENTATIONS_NAVIGATIONPARAMS_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <boost/property_tree/ptree.hpp>
#include <string>

namespace representations {

/// Navigation limits and gains of one walk parameter set. Speeds in m/s, the angular speed in degrees per
/// second, the distance in metres. Twelve class-wide sets, zero until the configuration is loaded.
class NavigationParams : public marlowinds_lib::utils::patterns::Configurable<NavigationParams> {
public:
    NavigationParams() = default;
    virtual ~NavigationParams() = default;

    /// The set of that name; conductSprintParams for conduct-sprint and for any value outside the enumeration.
    static NavigationParams& getNavigationParams(control::walking::OmnidirectionalWalkZMParamsType type);

    /// Reads the known keys of one leaf's JSON object into target, in file order; other members are skipped.
    /// A value that is not a finite number raises std::invalid_argument or std::out_of_range naming the key;
    /// fields stored before it keep their new values.
    static void
    setNavigationParameter(marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& leaf,
                           NavigationParams& target);

    double max_forward_speed = 0.0;
    double max_backward_speed = 0.0;
    double max_side_speed = 0.0;
    double max_angular_speed = 0.0;
    double angle_bandwidth = 0.0;
    double close_distance_threshold = 0.0;
    double velocity_gain = 0.0;

    static NavigationParams normalParams;
    static NavigationParams preciseParams;
    static NavigationParams conductParams;
    static NavigationParams turnParams;
    static NavigationParams sprintParams;
    static NavigationParams circleParams;
    static NavigationParams conductTurnParams;
    static NavigationParams turnConductParams;
    static NavigationParams sprintTurnParams;
    static NavigationParams turnSprintParams;
    static NavigationParams conductSprintParams;
    static NavigationParams sprintConductParams;
};

} // namespace representations

#endif
