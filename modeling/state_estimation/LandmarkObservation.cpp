#include "modeling/state_estimation/LandmarkObservation.h"

namespace modeling {
namespace state_estimation {

using representations::FlagType;
using representations::GoalPostType;

bool LandmarkObservation::onUpperBorder() const { return flagType == FlagType::F1L || flagType == FlagType::F1R; }

bool LandmarkObservation::onLeftBorder() const {
    return flagType == FlagType::F1L || flagType == FlagType::F2L || goalPostType == GoalPostType::G1L ||
           goalPostType == GoalPostType::G2L;
}

bool LandmarkObservation::landmarksOnSameBorder(const LandmarkObservation& a, const LandmarkObservation& b) {
    return a.onUpperBorder() == b.onUpperBorder() || a.onLeftBorder() == b.onLeftBorder();
}

} // namespace state_estimation
} // namespace modeling
