#include "modeling/PlayMode.h"

#include "representations/RawPlayMode.h"

#include <array>

namespace modeling {

namespace {

/// Each raw mode with left and right exchanged; modes of both teams map to themselves.
constexpr std::array<int, representations::RawPlayMode::NONE> SIDES_EXCHANGED = {
    0, 2, 1, 3, 5, 4, 7, 6, 9, 8, 11, 10, 12, 14, 13, 16, 15, 18, 17, 20, 19};

} // namespace

PlayMode::PLAY_MODE PlayMode::fromRawPlayMode(int rawPlayMode, representations::PlaySide::PLAY_SIDE side) {
    if (rawPlayMode < 0 || rawPlayMode >= static_cast<int>(SIDES_EXCHANGED.size())) {
        return NONE;
    }
    return static_cast<PLAY_MODE>(side == representations::PlaySide::LEFT ? rawPlayMode : SIDES_EXCHANGED[rawPlayMode]);
}

} // namespace modeling
