#include "control/kick/KickZMPParams.h"

#include "control/ParameterFieldReader.h"

namespace control {
namespace kick {

namespace {

using Field = ParameterFieldReader::Field<KickZMPParams>;

// The body's pendulum needs a height and a time to move the ZMP, and the swing
// a share of its time to speed up and slow down: other values give joint
// targets that are not numbers.
const Field FIELDS[] = {
    {"moveZmpDuration", &KickZMPParams::moveZmpDuration, 0.0},
    {"kickDuration", &KickZMPParams::kickDuration},
    {"takeFootDuration", &KickZMPParams::takeFootDuration},
    {"kickAmplitude", &KickZMPParams::kickAmplitude},
    {"zFoot", &KickZMPParams::zFoot},
    {"accelerationMoveRatio", &KickZMPParams::accelerationMoveRatio, 0.0, 1.0},
    {"ySeparation", &KickZMPParams::ySeparation},
    {"zCom", &KickZMPParams::zCom, 0.0},
    {"armsCompensationFactor", &KickZMPParams::armsCompensationFactor},
};

} // namespace

KickZMPParams::KickZMPParams(double moveZmpDuration, double kickDuration, double takeFootDuration, double kickAmplitude,
                             double zFoot, double accelerationMoveRatio, double ySeparation, double zCom,
                             double armsCompensationFactor)
    : moveZmpDuration(moveZmpDuration), kickDuration(kickDuration), takeFootDuration(takeFootDuration),
      kickAmplitude(kickAmplitude), zFoot(zFoot), accelerationMoveRatio(accelerationMoveRatio),
      ySeparation(ySeparation), zCom(zCom), armsCompensationFactor(armsCompensationFactor) {}

KickZMPParams KickZMPParams::getDefaultKickZMPParams() { return {0.2, 0.2, 0.5, 0.1, 0.05, 0.2, 0.06, 0.3, 0.0}; }

void KickZMPParams::setKickParameters(
    marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& node, KickZMPParams& target) {
    ParameterFieldReader::read(node.getContent(), FIELDS, target);
}

} // namespace kick
} // namespace control
