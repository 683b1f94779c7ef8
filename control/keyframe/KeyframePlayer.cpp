#include "control/keyframe/KeyframePlayer.h"

#include <iostream>

namespace control {
namespace keyframe {

bool KeyframePlayer::setPage(const std::string& name) {
    if (!pageManager.hasPage(name)) {
        if (refusedNames.insert(name).second) {
            std::cerr << "(KeyframePlayer) no keyframe page \"" << name << "\": its requests are refused" << std::endl;
        }
        return false;
    }
    if (currentPage) {
        currentPage->reset();
    }
    currentPage = pageManager.getPage(name);
    return true;
}

const representations::NaoJoints& KeyframePlayer::getDesiredJoints(const representations::NaoJoints& current,
                                                                   double time, bool inverted) {
    return currentPage->getDesiredJoints(current, time, inverted);
}

bool KeyframePlayer::hasPageEnded(const std::string& name) const {
    return !pageManager.hasPage(name) || pageManager.getPage(name)->hasFinished();
}

} // namespace keyframe
} // namespace control
