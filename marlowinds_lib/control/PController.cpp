#include "marlowinds_lib/control/PController.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <cmath>

namespace marlowinds_lib {
namespace control {

void PController::setParams(double newGain, double newSaturation) {
    gain = newGain;
    saturation = newSaturation;
}

double PController::update(double error) {
    command = saturatedProduct(gain, error, saturation);
    return command;
}

double PController::saturatedProduct(double gain, double error, double saturation) {
    const double raw = gain * error;
    // saturate() would turn NaN into the lower bound: a full-speed command out of nothing.
    if (std::isnan(raw)) {
        return 0.0;
    }
    return math::MathUtils::saturate(raw, -saturation, saturation);
}

} // namespace control
} // namespace marlowinds_lib
