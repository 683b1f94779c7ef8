#ifndef TOOLS_FIELD_TRIAL_MATCHWATCH_H
#define TOOLS_FIELD_TRIAL_MATCHWATCH_H

#include "marlowinds_lib/math/Vector3.h"
#include "representations/RawPlayMode.h"
#include "tools/field_trial/PostureWatch.h"
#include "tools/field_trial/TrialFigures.h"
#include "tools/field_trial/TrueBody.h"
#include "utils/wizard/SceneGraph.h"

#include <array>
#include <optional>

namespace tools {
namespace field_trial {

/// The truth of a match from one monitor message.
struct MatchMoment {
    double time = 0.0; // game time (s)
    representations::RawPlayMode::RAW_PLAY_MODE playMode = representations::RawPlayMode::NONE;
    int leftScore = 0;
    int rightScore = 0;
    marlowinds_lib::math::Vector3<double> ball;
    /// In the wizard's slots: the left team's numbers 1 to 11, then the right team's.
    std::array<TrueBody, utils::wizard::NUMBER_OF_SLOTS> players;
};

/// Tallies a match from its truth: each player's falls and get-ups (the
/// referee's putting a player back on its feet is none), the goals and the
/// score, how far the ball travelled in play, the cycles missed by players
/// that left the game, and the moments whose truth was not finite.
class MatchWatch {
public:
    /// A moment not after the last one is ignored; one without a finite time only counted as not finite.
    void observe(const MatchMoment& moment);
    /// The slot's player left the game at the game time (its process ended):
    /// it misses every cycle from then on, and its body is no longer watched.
    void playerLeft(int slot, double time);
    bool hasLeft(int slot) const { return leftAt.at(static_cast<std::size_t>(slot)).has_value(); }
    /// The figures up to the last moment.
    void fill(TrialFigures& figures) const;

private:
    /// The ball and every player present, as far as known.
    bool allFinite(const MatchMoment& moment) const;

    std::array<PostureWatch, utils::wizard::NUMBER_OF_SLOTS> postures;
    std::array<std::optional<double>, utils::wizard::NUMBER_OF_SLOTS> leftAt;
    std::optional<MatchMoment> last;
    int goals = 0;
    double ballTravel = 0.0;
    int notFiniteMoments = 0;
};

} // namespace field_trial
} // namespace tools

#endif
