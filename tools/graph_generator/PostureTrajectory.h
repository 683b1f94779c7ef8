#ifndef TOOLS_GRAPH_GENERATOR_POSTURETRAJECTORY_H
#define TOOLS_GRAPH_GENERATOR_POSTURETRAJECTORY_H

#include "representations/NaoJoints.h"

#include <string>
#include <vector>

namespace tools {
namespace graph_generator {

/// Whole-body postures at increasing times, passed through at constant joint
/// speeds: what a linear keyframe page plays once it has reached its first
/// posture. Angles in the motion engines' joint directions.
struct PostureTrajectory {
    /// Steps closer together than this are refused: the network computes its
    /// times in float, which must keep them apart.
    static constexpr double MIN_STEP_DURATION = 0.001;

    /// Seconds: times[0] is 0, each later time at least MIN_STEP_DURATION after the one before.
    std::vector<double> times;
    std::vector<representations::NaoJoints> postures;

    double getDuration() const { return times.back(); }

    /// The linear keyframe page in the file, read as the agent reads its
    /// pages, on a clock of seconds (its speed rate applied). A network has no
    /// approach from the pose the body is in: its first posture is commanded at
    /// once, so the first step must take no time, and a posture cannot jump,
    /// so every later step must take some. Throws std::invalid_argument
    /// naming the file for a page that breaks this, a spline or a complex
    /// page, or one the agent would refuse; a file that cannot be read or
    /// parsed throws the JSON reader's error, which names it too.
    static PostureTrajectory readPage(const std::string& file);

    /// The trajectory `weight` of the way from `from` (0) to `to` (1), step by
    /// step in postures and times. Throws std::invalid_argument unless both
    /// have as many steps and the weight lies in [0, 1].
    static PostureTrajectory blend(const PostureTrajectory& from, const PostureTrajectory& to, double weight);
};

} // namespace graph_generator
} // namespace tools

#endif
