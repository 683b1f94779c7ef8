#include "control/walking/OmnidirectionalWalkZMPParams.h"

#include "control/ParameterFieldReader.h"

#include <cstddef>
#include <iterator>

namespace control {
namespace walking {

OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::normalParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::preciseParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::conductParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::turnParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::sprintParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::circleParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::conductTurnParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::turnConductParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::sprintTurnParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::turnSprintParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::conductSprintParams;
OmnidirectionalWalkZMPParams OmnidirectionalWalkZMPParams::sprintConductParams;

namespace {

using Field = ParameterFieldReader::Field<OmnidirectionalWalkZMPParams>;

const Field FIELDS[] = {
    {"period", &OmnidirectionalWalkZMPParams::period},
    {"zCom", &OmnidirectionalWalkZMPParams::zCom},
    {"zStep", &OmnidirectionalWalkZMPParams::zStep},
    {"doubleSupportRatio", &OmnidirectionalWalkZMPParams::doubleSupportRatio},
    {"ySeparation", &OmnidirectionalWalkZMPParams::ySeparation},
    {"armsCompensationFactor", &OmnidirectionalWalkZMPParams::armsCompensationFactor},
};

} // namespace

OmnidirectionalWalkZMPParams::OmnidirectionalWalkZMPParams(double period, double zCom, double zStep,
                                                           double doubleSupportRatio, double ySeparation,
                                                           double armsCompensationFactor)
    : period(period), zCom(zCom), zStep(zStep), doubleSupportRatio(doubleSupportRatio), ySeparation(ySeparation),
      armsCompensationFactor(armsCompensationFactor) {}

OmnidirectionalWalkZMPParams& OmnidirectionalWalkZMPParams::getParamsSet(OmnidirectionalWalkZMParamsType type) {
    // Indexed by the enumeration's value.
    static OmnidirectionalWalkZMPParams* const SETS[] = {
        &normalParams,     &preciseParams,    &conductParams,       &turnParams,
        &sprintParams,     &circleParams,     &conductTurnParams,   &turnConductParams,
        &sprintTurnParams, &turnSprintParams, &conductSprintParams, &sprintConductParams,
    };
    const auto index = static_cast<std::size_t>(type);
    return index < std::size(SETS) ? *SETS[index] : normalParams;
}

OmnidirectionalWalkZMPParams
OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(OmnidirectionalWalkZMParamsType type) {
    return getParamsSet(type);
}

void OmnidirectionalWalkZMPParams::setWalkParameters(
    marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& node,
    OmnidirectionalWalkZMPParams& target) {
    ParameterFieldReader::read(node.getContent(), FIELDS, target);
}

} // namespace walking
} // namespace control
