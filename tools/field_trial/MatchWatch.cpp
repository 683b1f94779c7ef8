#include "tools/field_trial/MatchWatch.h"

#include "representations/MarlowindsConstants.h"

#include <cmath>

namespace tools {
namespace field_trial {

namespace {

using representations::RawPlayMode;

/// A player that moved further than this (m) from one monitor message to the
/// next (a few hundredths of a second) was placed by the referee.
constexpr double PLACED = 1.0;

bool isGoal(RawPlayMode::RAW_PLAY_MODE mode) {
    return mode == RawPlayMode::GOAL_LEFT || mode == RawPlayMode::GOAL_RIGHT;
}

bool isFinite(const marlowinds_lib::math::Vector3<double>& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

} // namespace

void MatchWatch::observe(const MatchMoment& moment) {
    if (!std::isfinite(moment.time)) {
        ++notFiniteMoments;
        return;
    }
    if (last && moment.time <= last->time) {
        return;
    }
    if (!allFinite(moment)) {
        ++notFiniteMoments;
    }
    for (std::size_t slot = 0; slot < postures.size(); ++slot) {
        if (!hasLeft(static_cast<int>(slot))) {
            TrueBody body = moment.players[slot];
            body.time = moment.time;
            const TrueBody* before = last ? &last->players[slot] : nullptr;
            const bool placed =
                before != nullptr && before->known &&
                std::hypot(body.position.x - before->position.x, body.position.y - before->position.y) > PLACED;
            postures[slot].observe(body, placed);
        }
    }
    if (last) {
        if (isGoal(moment.playMode) && moment.playMode != last->playMode) {
            ++goals;
        }
        // Out of play the referee places the ball: only what it travelled in play counts.
        if (moment.playMode == RawPlayMode::PLAY_ON && last->playMode == RawPlayMode::PLAY_ON &&
            isFinite(moment.ball) && isFinite(last->ball)) {
            ballTravel += std::hypot(moment.ball.x - last->ball.x, moment.ball.y - last->ball.y);
        }
    }
    last = moment;
}

bool MatchWatch::allFinite(const MatchMoment& moment) const {
    if (!isFinite(moment.ball)) {
        return false;
    }
    for (std::size_t slot = 0; slot < moment.players.size(); ++slot) {
        const TrueBody& body = moment.players[slot];
        if (!hasLeft(static_cast<int>(slot)) && body.known &&
            !(isFinite(body.position) && std::isfinite(body.heading) && std::isfinite(body.tilt))) {
            return false;
        }
    }
    return true;
}

void MatchWatch::playerLeft(int slot, double time) {
    auto& left = leftAt.at(static_cast<std::size_t>(slot));
    if (!left) {
        left = time;
    }
}

void MatchWatch::fill(TrialFigures& figures) const {
    int falls[2] = {0, 0};
    int getUps = 0;
    int reFalls = 0;
    double gettingUp = 0.0;
    double missedSeconds = 0.0;
    for (std::size_t slot = 0; slot < postures.size(); ++slot) {
        falls[slot < utils::wizard::TEAM_SIZE ? 0 : 1] += postures[slot].getFalls();
        getUps += postures[slot].getGetUps();
        reFalls += postures[slot].getReFalls();
        gettingUp += postures[slot].getGettingUpSeconds();
        if (leftAt[slot] && last && last->time > *leftAt[slot]) {
            missedSeconds += last->time - *leftAt[slot];
        }
    }
    figures.leftFalls = falls[0];
    figures.rightFalls = falls[1];
    figures.falls = falls[0] + falls[1];
    figures.getUps = getUps;
    figures.reFalls = reFalls;
    if (getUps > 0) {
        figures.getUpTime = gettingUp / getUps;
    }
    figures.goals = goals;
    figures.ballTravel = ballTravel;
    figures.missedCycles = std::round(missedSeconds / representations::MarlowindsConstants::SAMPLE_TIME);
    figures.notFiniteCycles = notFiniteMoments;
    if (last) {
        figures.leftScore = last->leftScore;
        figures.rightScore = last->rightScore;
    }
}

} // namespace field_trial
} // namespace tools
