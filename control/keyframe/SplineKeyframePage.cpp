#include "control/keyframe/SplineKeyframePage.h"

#include <stdexcept>
#include <utility>

namespace control {
namespace keyframe {

using representations::NaoJoints;

SplineKeyframePage::SplineKeyframePage(std::string name, double speedRate, std::vector<KeyframeStep> stepsIn)
    : SteppedKeyframePage(std::move(name), speedRate, std::move(stepsIn)) {
    const auto& steps = getSteps();
    for (std::size_t i = 1; i < steps.size(); ++i) {
        if (!(steps[i].duration > 0.0)) {
            throw std::invalid_argument("step " + std::to_string(i + 1) + " of spline page \"" + getName() +
                                        "\" needs a \"delta\" above 0");
        }
    }
    splines.reserve(NaoJoints::NUMBER_OF_JOINTS);
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        std::vector<marlowinds_lib::math::Vector2<double>> knots;
        knots.reserve(steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            knots.emplace_back(getStepTimes()[i],
                               steps[i].joints.getValue(static_cast<NaoJoints::HINGE_JOINTS>(joint)));
        }
        splines.emplace_back(std::move(knots));
    }
}

NaoJoints SplineKeyframePage::interpolate(std::size_t /*segment*/, double scaledTime) const {
    NaoJoints posture;
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        posture.setValue(static_cast<NaoJoints::HINGE_JOINTS>(joint), splines[joint].interpolate(scaledTime));
    }
    return posture;
}

} // namespace keyframe
} // namespace control
