#include "control/kick/KickZMPParams.h"

#include "control/ParameterFieldReader.h"

namespace control {
namespace kick {

namespace {

using Field = ParameterFieldReader::Field<KickZMPParams>;

const Field FIELDS[] = {
    {"moveZmpDuration", &KickZMPParams::moveZmpDuration},
    {"kickDuration", &KickZMPParams::kickDuration},
    {"takeFootDuration", &KickZMPParams::takeFootDuration},
    {"kickAmplitude", &KickZMPParams::kickAmplitude},
    {"zFoot", &KickZMPParams::zFoot},
    {"accelerationMoveRatio", &KickZMPParams::accelerationMoveRatio},
    {"ySeparation", &KickZMPParams::ySeparation},
    {"zCom", &KickZMPParams::zCom},
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
