#ifndef PERCEPTION_GAMESTATEPERCEPTOR_H
#define PERCEPTION_GAMESTATEPERCEPTOR_H

#include "perception/Perceptor.h"
#include "representations/PlaySide.h"

#include <string>

namespace perception {

/// The game state: (GS (KEY VALUE) ...) with the keys "sl", "sr", "t", "pm",
/// "unum" and "team" in any order and number; other keys are ignored. Every
/// group starts from scores 0, time 0, no play mode and an unknown side.
class GameStatePerceptor : public Perceptor {
public:
    GameStatePerceptor() = default;
    explicit GameStatePerceptor(const utils::parser::ParserTreeNode& group);

    int getUniformNumber() const { return uniformNumber; }
    /// A representations::PlaySide::PLAY_SIDE value.
    int getPlaySide() const { return playSide; }
    int getScoreLeft() const { return scoreLeft; }
    int getScoreRight() const { return scoreRight; }
    /// True when the group carried the own uniform number, as the server sends
    /// it right after registration.
    bool isFirstTime() const { return firstTime; }
    double getGameTime() const { return gameTime; }
    /// The server's play-mode text, unconverted.
    const std::string& getPlayMode() const { return playMode; }

private:
    int uniformNumber = 0;
    int playSide = representations::PlaySide::UNKNOWN;
    int scoreLeft = 0;
    int scoreRight = 0;
    bool firstTime = true;
    double gameTime = 0.0;
    std::string playMode;
};

} // namespace perception

#endif
