#ifndef CONTROL_KICK_KICKZMPPARAMS_H
#define CONTROL_KICK_KICKZMPPARAMS_H

#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <boost/property_tree/ptree.hpp>
#include <string>

namespace control {
namespace kick {

/// The nine numbers of the ZMP kick. Each field's name is its configuration key.
class KickZMPParams {
public:
    KickZMPParams() = default;
    KickZMPParams(double moveZmpDuration, double kickDuration, double takeFootDuration, double kickAmplitude,
                  double zFoot, double accelerationMoveRatio, double ySeparation, double zCom,
                  double armsCompensationFactor);

    double moveZmpDuration = 0.0;       ///< s, shifting the ZMP onto the support foot and back
    double kickDuration = 0.0;          ///< s, the swing
    double takeFootDuration = 0.0;      ///< s, lifting the foot, and again setting it down
    double kickAmplitude = 0.0;         ///< m, the foot swings from -amplitude to +amplitude
    double zFoot = 0.0;                 ///< m, lift of the kicking foot
    double accelerationMoveRatio = 0.0; ///< share of a phase spent speeding up and slowing down
    double ySeparation = 0.0;           ///< m, support foot to the point between the feet
    double zCom = 0.0;                  ///< m, torso origin above the soles
    double armsCompensationFactor = 0.0;

    /// The kick's own defaults, used for every key the configuration leaves out.
    static KickZMPParams getDefaultKickZMPParams();

    /// Fills target from the kick leaf: the nine keys are read with
    /// ParameterFieldReader, other keys are ignored. "moveZmpDuration" and
    /// "zCom" must be above 0, "accelerationMoveRatio" above 0 and below 1.
    static void
    setKickParameters(marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& node,
                      KickZMPParams& target);
};

} // namespace kick
} // namespace control

#endif
