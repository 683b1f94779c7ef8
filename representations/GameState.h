#ifndef REPRESENTATIONS_GAMESTATE_H
#define REPRESENTATIONS_GAMESTATE_H

#include "representations/RawPlayMode.h"

#include <string>

namespace representations {

/// Game time, scores and play mode of the current cycle, as the server reports them.
class GameState {
public:
    GameState() = default;
    /// The play mode text is trimmed and matched exactly; any unknown text gives NONE.
    GameState(double gameTime, int scoreLeft, int scoreRight, std::string playMode);
    virtual ~GameState() = default;

    double getGameTime() const { return gameTime; }
    int getScoreLeft() const { return scoreLeft; }
    int getScoreRight() const { return scoreRight; }
    /// A RawPlayMode::RAW_PLAY_MODE value.
    int getPlayMode() const { return playMode; }

private:
    double gameTime = 0.0;
    int scoreLeft = 0;
    int scoreRight = 0;
    int playMode = RawPlayMode::BEFORE_KICK_OFF;
};

} // namespace representations

#endif
