#include "modeling/FieldDescription.h"

#include <stdexcept>
#include <string>

namespace modeling {

FieldDescription::FieldDescription()
    : leftSideKnownPositions{{{-15.0, 10.0, 0.0},
                              {-15.0, -10.0, 0.0},
                              {15.0, 10.0, 0.0},
                              {15.0, -10.0, 0.0},
                              {-15.0, 1.05, 0.8},
                              {-15.0, -1.05, 0.8},
                              {15.0, 1.05, 0.8},
                              {15.0, -1.05, 0.8}}},
      // The left-side table turned by 180 degrees about the vertical axis.
      rightSideKnownPositions{{{15.0, -10.0, 0.0},
                               {15.0, 10.0, 0.0},
                               {-15.0, -10.0, 0.0},
                               {-15.0, 10.0, 0.0},
                               {15.0, -1.05, 0.8},
                               {15.0, 1.05, 0.8},
                               {-15.0, -1.05, 0.8},
                               {-15.0, 1.05, 0.8}}} {}

void FieldDescription::update(representations::PlaySide::PLAY_SIDE side) { currentPlaySide = side; }

const marlowinds_lib::math::Vector3<double>&
FieldDescription::getFlagKnownPosition(representations::FlagType::FLAG_TYPE flag) const {
    const int index = static_cast<int>(flag);
    if (index < 0 || index >= FIRST_GOAL_POST) {
        throw std::out_of_range("FieldDescription: " + std::to_string(index) + " is no known flag");
    }
    return knownPosition(static_cast<std::size_t>(index));
}

const marlowinds_lib::math::Vector3<double>&
FieldDescription::getGoalPostKnownPosition(representations::GoalPostType::GOAL_POST_TYPE post) const {
    const int index = static_cast<int>(post);
    if (index < 0 || index >= NUMBER_OF_LANDMARKS - FIRST_GOAL_POST) {
        throw std::out_of_range("FieldDescription: " + std::to_string(index) + " is no known goal post");
    }
    return knownPosition(static_cast<std::size_t>(FIRST_GOAL_POST + index));
}

const marlowinds_lib::math::Vector3<double>& FieldDescription::knownPosition(std::size_t landmark) const {
    return currentPlaySide == representations::PlaySide::LEFT ? leftSideKnownPositions[landmark]
                                                              : rightSideKnownPositions[landmark];
}

} // namespace modeling
