#include "decision_making/behavior/KickTargetSelector.h"

#include "modeling/FieldDescription.h"
#include "modeling/Modeling.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>
#include <cstdlib>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Vector2;
using modeling::FieldDescription;
using utils::roboviz::Roboviz;

/// A target this near (metres) their goal's centre counts as a shot.
constexpr double GOAL_KICK_RADIUS = 2.0;
/// How far from the goal's centre the penalty is aimed, as a share of half the goal's width.
constexpr float PENALTY_AIM_SHARE = 0.6f;
constexpr float CANDIDATE_SIZE = 10.0f;
constexpr float TARGET_MARK_RADIUS = 0.2f;

bool insideField(const Vector2<double>& p) {
    return p.x <= FieldDescription::FIELD_LENGTH / 2.0 && p.x >= -FieldDescription::FIELD_LENGTH / 2.0 &&
           p.y <= FieldDescription::FIELD_WIDTH / 2.0 && p.y >= -FieldDescription::FIELD_WIDTH / 2.0;
}

} // namespace

const std::string KickTargetSelector::DRAWING_BUFFER = "kickTargets";

KickTargetSelector::KickTargetSelector() { candidates.reserve(ANGLE_OFFSET * DISTANCE_OFFSET); }

void KickTargetSelector::select(modeling::Modeling& modeling) {
    candidates.clear();
    modeling::WorldModel& world = modeling.getWorldModel();
    const auto theirGoal = world.getTheirGoalPosition();
    const Vector2<double> goal(theirGoal.x, theirGoal.y);
    const int ownNumber = modeling.getAgentModel().getAgentNumber();

    if (world.isPenalty()) {
        selectPenaltyTarget(goal);
        closestPlayer = ownNumber;
        return;
    }
    const Vector2<double> ball = world.getBall().getPosition().translation;
    if (goal.distance(ball) < MIN_DISTANCE) {
        target = goal;
        closestPlayer = ownNumber;
        goalKick = true;
        return;
    }
    evaluateGrid(ownNumber, ball, goal);
    goalKick = target.distance(goal) <= GOAL_KICK_RADIUS;
    drawCandidates();
}

void KickTargetSelector::selectPenaltyTarget(const Vector2<double>& goal) {
    if (!penaltySideChosen) {
        penaltySide = std::rand() % 2;
        penaltySideChosen = true;
        goalKick = true;
    }
    const float share = (penaltySide == 0 ? 1.0f : -1.0f) * PENALTY_AIM_SHARE;
    target = Vector2<double>(goal.x, goal.y + share * FieldDescription::GOAL_AREA_WIDTH / 2.0);
}

void KickTargetSelector::evaluateGrid(int ownNumber, const Vector2<double>& ball, const Vector2<double>& goal) {
    const double towardGoal = (goal - ball).angle();
    for (int i = 0; i < ANGLE_OFFSET; ++i) {
        // Not symmetric: from 8 steps right of the goal direction to 7 steps left of it.
        const double direction = towardGoal + (i - ANGLE_OFFSET / 2) * DELTA_ANGLE;
        const Vector2<double> unit(std::cos(direction), std::sin(direction));
        for (int j = 0; j < DISTANCE_OFFSET; ++j) {
            const Vector2<double> position = ball + unit * (MIN_DISTANCE + DELTA_DISTANCE * j);
            if (!insideField(position)) {
                continue;
            }
            const double score = -goal.distance(position);
            if (candidates.empty()) {
                bestScore = score;
                worstScore = score;
                target = position;
                closestPlayer = ownNumber;
            } else {
                // Ties keep the earlier candidate.
                if (score > bestScore) {
                    target = position;
                    bestScore = score;
                    closestPlayer = ownNumber;
                }
                if (score < worstScore) {
                    worstScore = score;
                }
            }
            candidates.push_back({score, ownNumber, position});
        }
    }
}

void KickTargetSelector::drawCandidates() const {
    Roboviz* const drawing = Roboviz::getInstance();
    const double range = bestScore - worstScore;
    for (const KickTarget& candidate : candidates) {
        // Grey from black (worst) to white (best); a lone score is the best.
        const float shade = static_cast<float>(range > 0.0 ? (candidate.score - worstScore) / range : 1.0);
        const auto x = static_cast<float>(candidate.position.x);
        const auto y = static_cast<float>(candidate.position.y);
        drawing->drawPoint(x, y, 0.0f, CANDIDATE_SIZE, shade, shade, shade, DRAWING_BUFFER);
        if (candidate.position == target) {
            drawing->drawCircle(DRAWING_BUFFER, x, y, TARGET_MARK_RADIUS, Roboviz::MEDIUM, Roboviz::RED);
        }
    }
    drawing->swapBuffers(DRAWING_BUFFER);
}

} // namespace behavior
} // namespace decision_making
