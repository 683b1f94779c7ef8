#include "tools/field_trial/MatchWatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tools {
namespace field_trial {
namespace {

using representations::RawPlayMode;
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

/// Every player standing, the ball resting at the centre spot.
MatchMoment moment(double time, RawPlayMode::RAW_PLAY_MODE mode = RawPlayMode::PLAY_ON) {
    MatchMoment moment;
    moment.time = time;
    moment.playMode = mode;
    for (TrueBody& body : moment.players) {
        body.known = true;
        body.position.z = 0.35;
    }
    return moment;
}

MatchMoment withLying(MatchMoment moment, std::initializer_list<int> slots) {
    for (const int slot : slots) {
        moment.players[static_cast<std::size_t>(slot)].position.z = 0.07;
    }
    return moment;
}

TrialFigures figuresOf(const MatchWatch& watch) {
    TrialFigures figures;
    watch.fill(figures);
    return figures;
}

TEST(MatchWatchTest, CountsEachTeamsFallsTheGetUpsThatFollowedThemAndTheReFalls) {
    // Left number 3 (slot 2) lies from 1 s to 3 s and falls again at 5 s, a
    // re-fall; left number 1 lies from 4 s to 5 s; right number 5 (slot 15)
    // falls at 2 s and is still down at the end; right number 8 (slot 18) falls
    // at 1 s, is put back on its feet 5 m away by the referee at 3 s, which is
    // no get-up, and falls again at 4 s, which is no re-fall.
    const auto refereed = [](MatchMoment moment) {
        moment.players[18].position.x = moment.time >= 3.0 ? 5.0 : 0.0;
        return moment;
    };
    MatchWatch watch;
    watch.observe(moment(0.0));
    watch.observe(refereed(withLying(moment(1.0), {2, 18})));
    watch.observe(refereed(withLying(moment(2.0), {2, 15, 18})));
    watch.observe(refereed(withLying(moment(3.0), {15})));
    watch.observe(refereed(withLying(moment(4.0), {0, 15, 18})));
    watch.observe(refereed(withLying(moment(5.0), {2, 15, 18})));

    const TrialFigures figures = figuresOf(watch);
    EXPECT_EQ(figures.leftFalls, 3.0);
    EXPECT_EQ(figures.rightFalls, 3.0);
    EXPECT_EQ(figures.falls, 6.0);
    EXPECT_EQ(figures.getUps, 2.0);
    EXPECT_DOUBLE_EQ(*figures.getUpTime, 1.5);
    EXPECT_EQ(figures.reFalls, 1.0);
    EXPECT_EQ(figures.missedCycles, 0.0);
    EXPECT_EQ(figures.notFiniteCycles, 0.0);
}

TEST(MatchWatchTest, TheBallCountsOnlyWhatItTravelledInPlayAndEachGoalOnce) {
    const struct {
        double time;
        RawPlayMode::RAW_PLAY_MODE mode;
        double ballX;
    } moments[] = {
        {0.0, RawPlayMode::KICK_OFF_LEFT, 0.0}, {1.0, RawPlayMode::PLAY_ON, 0.5},
        {2.0, RawPlayMode::PLAY_ON, 1.5},       {3.0, RawPlayMode::PLAY_ON, 3.5},
        {4.0, RawPlayMode::GOAL_LEFT, 15.2},    {5.0, RawPlayMode::GOAL_LEFT, 15.3},
        {6.0, RawPlayMode::KICK_OFF_RIGHT, 0},  {7.0, RawPlayMode::PLAY_ON, -0.25},
        {8.0, RawPlayMode::KICK_IN_LEFT, -4.0}, {9.0, RawPlayMode::PLAY_ON, -4.5},
        {10.0, RawPlayMode::GOAL_RIGHT, -15.2},
    };
    MatchWatch watch;
    for (const auto& m : moments) {
        MatchMoment now = moment(m.time, m.mode);
        now.ball = {m.ballX, 0.0, 0.04};
        now.leftScore = m.time >= 4.0 ? 1 : 0;
        now.rightScore = m.time >= 10.0 ? 1 : 0;
        watch.observe(now);
    }
    const TrialFigures figures = figuresOf(watch);
    EXPECT_DOUBLE_EQ(*figures.ballTravel, 3.0); // 0.5 to 3.5 in play; the rest the referee's or out of play
    EXPECT_EQ(figures.goals, 2.0);
    EXPECT_EQ(figures.leftScore, 1.0);
    EXPECT_EQ(figures.rightScore, 1.0);
    EXPECT_EQ(figures.falls, 0.0);
}

TEST(MatchWatchTest, APlayerThatLeftMissesTheRestOfTheGameAndATruthNotFiniteIsCounted) {
    MatchWatch watch;
    watch.observe(moment(10.0));
    watch.playerLeft(20, 10.5);
    watch.playerLeft(20, 11.0); // the first leaving counts
    // What the field shows of a player that left (its body gone, the last pose kept) is not watched.
    MatchMoment gone = withLying(moment(11.0), {20});
    gone.players[20].position.x = NOT_A_NUMBER;
    watch.observe(gone);
    MatchMoment badBall = moment(12.0);
    badBall.ball.y = NOT_A_NUMBER;
    watch.observe(badBall);
    MatchMoment badPlayer = moment(13.0);
    badPlayer.players[3].tilt = NOT_A_NUMBER;
    watch.observe(badPlayer);
    watch.observe(moment(NOT_A_NUMBER));
    watch.observe(withLying(moment(12.5), {4})); // not after the last: ignored
    watch.observe(moment(14.5));

    const TrialFigures figures = figuresOf(watch);
    EXPECT_EQ(figures.missedCycles, 200.0); // 10.5 s to 14.5 s
    EXPECT_EQ(figures.notFiniteCycles, 3.0);
    EXPECT_EQ(figures.falls, 0.0);
}

} // namespace
} // namespace field_trial
} // namespace tools
