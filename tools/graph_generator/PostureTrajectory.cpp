#include "tools/graph_generator/PostureTrajectory.h"

#include "control/keyframe/LinearKeyframePage.h"
#include "control/keyframe/manager/KeyframePageLoader.h"
#include "utils/configure_tree/ParameterFileReader.h"

#include <memory>
#include <stdexcept>

namespace tools {
namespace graph_generator {

namespace {

using control::keyframe::manager::KeyframePageLoader;

PostureTrajectory fromSteps(const control::keyframe::LinearKeyframePage& page) {
    PostureTrajectory trajectory;
    const auto& steps = page.getSteps();
    if (steps.front().duration != 0.0) {
        throw std::invalid_argument("the first step's \"delta\" must be 0: a network commands its first posture at "
                                    "once, without an approach");
    }
    // Summed in the page's own order, so that the times are the page's own.
    double scaledTime = 0.0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        scaledTime += steps[i].duration;
        const double time = scaledTime / page.getSpeedRate();
        if (i > 0 && !(time - trajectory.times.back() >= PostureTrajectory::MIN_STEP_DURATION)) {
            throw std::invalid_argument("step " + std::to_string(i + 1) + " takes less than " +
                                        std::to_string(PostureTrajectory::MIN_STEP_DURATION) +
                                        " s: a network's postures cannot jump");
        }
        trajectory.times.push_back(time);
        trajectory.postures.push_back(steps[i].joints);
    }
    return trajectory;
}

} // namespace

PostureTrajectory PostureTrajectory::readPage(const std::string& file) {
    const auto leaf = utils::configure_tree::ParameterFileReader::readLeaf<KeyframePageLoader::Tree, std::string>(file);
    PostureTrajectory trajectory;
    KeyframePageLoader::readWithContext(file, [&] {
        if (KeyframePageLoader::isComplexPage(leaf->getContent())) {
            throw std::invalid_argument("a complex page chains other pages; a trajectory is one linear page");
        }
        const auto page = std::dynamic_pointer_cast<control::keyframe::LinearKeyframePage>(
            KeyframePageLoader::initializeAndLoadSimplePage(leaf->getContent()));
        if (!page) {
            throw std::invalid_argument("a spline page does not move linearly between its steps: give it the "
                                        "\"interpolator\" \"linear\"");
        }
        trajectory = fromSteps(*page);
    });
    return trajectory;
}

PostureTrajectory PostureTrajectory::blend(const PostureTrajectory& from, const PostureTrajectory& to, double weight) {
    if (from.times.size() != to.times.size()) {
        throw std::invalid_argument("cannot blend trajectories of " + std::to_string(from.times.size()) + " and " +
                                    std::to_string(to.times.size()) + " steps");
    }
    if (!(weight >= 0.0 && weight <= 1.0)) {
        throw std::invalid_argument("a blend's weight must lie in [0, 1], not " + std::to_string(weight));
    }
    PostureTrajectory blended;
    for (std::size_t i = 0; i < from.times.size(); ++i) {
        // Written so that the weights 0 and 1 give either trajectory exactly.
        blended.times.push_back(from.times[i] * (1.0 - weight) + to.times[i] * weight);
        blended.postures.push_back(from.postures[i] * (1.0 - weight) + to.postures[i] * weight);
    }
    return blended;
}

} // namespace graph_generator
} // namespace tools
