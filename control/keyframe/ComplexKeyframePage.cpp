#include "control/keyframe/ComplexKeyframePage.h"

#include <stdexcept>
#include <utility>

namespace control {
namespace keyframe {

using representations::NaoJoints;

void ComplexKeyframePage::addPage(std::shared_ptr<KeyframePage> page, bool inverted, double speedRate) {
    if (!page) {
        throw std::invalid_argument("page \"" + getName() + "\": a sub-page is missing");
    }
    checkSpeedRate(speedRate, "\"speedRate\" of sub-page \"" + page->getName() + "\" of page \"" + getName() + "\"");
    const auto* complex = dynamic_cast<const ComplexKeyframePage*>(page.get());
    if (page.get() == this || (complex != nullptr && complex->contains(*this))) {
        throw std::invalid_argument("page \"" + getName() + "\" would contain itself through sub-page \"" +
                                    page->getName() + "\" and never end");
    }
    entries.push_back({std::move(page), inverted, speedRate});
}

bool ComplexKeyframePage::contains(const KeyframePage& page) const {
    for (const Entry& entry : entries) {
        const auto* complex = dynamic_cast<const ComplexKeyframePage*>(entry.page.get());
        if (entry.page.get() == &page || (complex != nullptr && complex->contains(page))) {
            return true;
        }
    }
    return false;
}

double ComplexKeyframePage::getMovementTime() const {
    double movementTime = 0.0;
    for (const Entry& entry : entries) {
        movementTime += entry.page->getMovementTime() / entry.page->getSpeedRate();
    }
    return movementTime;
}

void ComplexKeyframePage::reset() {
    playing = 0;
    started = false;
    for (const Entry& entry : entries) {
        entry.page->reset();
    }
}

const NaoJoints& ComplexKeyframePage::getDesiredJoints(const NaoJoints& measured, double time, bool inverted) {
    if (hasFinished() && started) {
        started = false;
        return desiredJoints;
    }
    if (!started) {
        reset();
        started = true;
    } else if (entries[playing].page->hasFinished() && ++playing < entries.size()) {
        entries[playing].page->reset();
    }
    if (hasFinished()) {
        return desiredJoints;
    }
    const Entry& entry = entries[playing];
    desiredJoints =
        entry.page->getDesiredJoints(measured, time * getSpeedRate() * entry.speedRate, inverted != entry.inverted);
    return desiredJoints;
}

} // namespace keyframe
} // namespace control
