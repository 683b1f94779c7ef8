#include "control/keyframe/KeyframePage.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace control {
namespace keyframe {

KeyframePage::KeyframePage(std::string name, double speedRate) : name(std::move(name)), speedRate(speedRate) {
    if (this->name.empty()) {
        throw std::invalid_argument("a keyframe page needs a \"name\"");
    }
    checkSpeedRate(speedRate, "\"speedRate\" of page \"" + this->name + "\"");
}

void KeyframePage::checkSpeedRate(double speedRate, const std::string& what) {
    if (!(std::isfinite(speedRate) && speedRate > 0.0)) {
        std::ostringstream message;
        message << what << " must be a positive number, not " << speedRate;
        throw std::invalid_argument(message.str());
    }
}

} // namespace keyframe
} // namespace control
