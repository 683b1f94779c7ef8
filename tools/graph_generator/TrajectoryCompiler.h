#ifndef TOOLS_GRAPH_GENERATOR_TRAJECTORYCOMPILER_H
#define TOOLS_GRAPH_GENERATOR_TRAJECTORYCOMPILER_H

#include "tools/graph_generator/Perceptron.h"
#include "tools/graph_generator/PostureTrajectory.h"

namespace tools {
namespace graph_generator {

/// The network the neural motion player plays the trajectory with: fed the
/// seconds since the motion started, it gives the trajectory's posture of that
/// instant (joints in HINGE_JOINTS order) and then the end signal, which is
/// above the player's threshold from the trajectory's last time on and at most
/// 0 before it.
///
/// One hidden ReLU layer of one unit per step, relu(time of the step − t): a
/// sum of these with the right weights bends at every step and nowhere else,
/// so it is the piecewise-linear trajectory itself, exact but for float
/// rounding. Every unit is 0 from its step on, so that after the last step the
/// network gives the last posture and the end signal exactly, however late.
Perceptron compileTrajectory(const PostureTrajectory& trajectory);

} // namespace graph_generator
} // namespace tools

#endif
