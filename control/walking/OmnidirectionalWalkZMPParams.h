#ifndef CONTROL_WALKING_OMNIDIRECTIONALWALKZMPPARAMS_H
#define CONTROL_WALKING_OMNIDIRECTIONALWALKZMPPARAMS_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"
#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <boost/property_tree/ptree.hpp>
#include <string>

namespace control {
namespace walking {

/// The six numbers that shape the omnidirectional walk. Each field's name is
/// its configuration key.
class OmnidirectionalWalkZMPParams {
public:
    OmnidirectionalWalkZMPParams() = default;
    OmnidirectionalWalkZMPParams(double period, double zCom, double zStep, double doubleSupportRatio,
                                 double ySeparation, double armsCompensationFactor);

    double period = 0.0;                 ///< s, one step
    double zCom = 0.0;                   ///< m, torso origin above the soles
    double zStep = 0.0;                  ///< m, swing-foot lift at mid-step
    double doubleSupportRatio = 0.0;     ///< share of the period on both feet
    double ySeparation = 0.0;            ///< m, half the lateral distance between the feet
    double armsCompensationFactor = 0.0; ///< gain of the arm swing

    /// The twelve named sets, zero until the configuration is bound at start-up.
    static OmnidirectionalWalkZMPParams normalParams;
    static OmnidirectionalWalkZMPParams preciseParams;
    static OmnidirectionalWalkZMPParams conductParams;
    static OmnidirectionalWalkZMPParams turnParams;
    static OmnidirectionalWalkZMPParams sprintParams;
    static OmnidirectionalWalkZMPParams circleParams;
    static OmnidirectionalWalkZMPParams conductTurnParams;
    static OmnidirectionalWalkZMPParams turnConductParams;
    static OmnidirectionalWalkZMPParams sprintTurnParams;
    static OmnidirectionalWalkZMPParams turnSprintParams;
    static OmnidirectionalWalkZMPParams conductSprintParams;
    static OmnidirectionalWalkZMPParams sprintConductParams;

    /// A copy of the set of that name.
    static OmnidirectionalWalkZMPParams getOmnidirectionalWalkZMPParams(OmnidirectionalWalkZMParamsType type);
    /// The set itself, for the configuration binding; any value outside the
    /// enumeration gives the normal set.
    static OmnidirectionalWalkZMPParams& getParamsSet(OmnidirectionalWalkZMParamsType type);

    /// Fills target from one walk leaf: the six keys are read with
    /// ParameterFieldReader, other keys are ignored.
    static void
    setWalkParameters(marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& node,
                      OmnidirectionalWalkZMPParams& target);
};

} // namespace walking
} // namespace control

#endif
