#include "representations/GameState.h"

#include <boost/algorithm/string/trim.hpp>

namespace representations {

GameState::GameState(double gameTime, int scoreLeft, int scoreRight, std::string playMode)
    : gameTime(gameTime), scoreLeft(scoreLeft), scoreRight(scoreRight) {
    boost::algorithm::trim(playMode);
    const auto found = RawPlayMode::fromStringToRawPlayMode.find(playMode);
    this->playMode = found == RawPlayMode::fromStringToRawPlayMode.end() ? RawPlayMode::NONE : found->second;
}

} // namespace representations
