#include "marlowinds_lib/control/AngleController.h"

#include "marlowinds_lib/control/PController.h"
#include "marlowinds_lib/math/MathUtils.h"

namespace marlowinds_lib {
namespace control {

double AngleController::control(double target, double current) const {
    return PController::saturatedProduct(gain, math::MathUtils::normalizeAngle(target - current), saturation);
}

} // namespace control
} // namespace marlowinds_lib
