#include "tools/graph_generator/GraphKinds.h"

#include "control/neural_network/NeuralPlayer.h"
#include "tools/graph_generator/OdometryCalibration.h"
#include "tools/graph_generator/Perceptron.h"
#include "tools/graph_generator/PostureTrajectory.h"
#include "tools/graph_generator/TrajectoryCompiler.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace tools {
namespace graph_generator {

namespace proto = utils::neural_network::proto;

namespace {

std::invalid_argument malformed(const std::string& name, const std::string& value) {
    return std::invalid_argument("argument " + name + " cannot be \"" + value + "\"");
}

std::uint32_t toSeed(const GraphArguments& arguments) {
    const std::string& text = arguments.at("seed");
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) {
        throw malformed("seed", text);
    }
    return static_cast<std::uint32_t>(std::stoul(text));
}

std::vector<std::size_t> toSizes(const GraphArguments& arguments) {
    const std::string& text = arguments.at("layers");
    std::vector<std::size_t> sizes;
    std::istringstream stream(text);
    std::string size;
    while (std::getline(stream, size, ',')) {
        if (size.empty() || size.size() > 4 || size.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(size) == 0) {
            throw malformed("layers", text);
        }
        sizes.push_back(std::stoul(size));
    }
    if (sizes.size() < 2) {
        throw malformed("layers", text);
    }
    return sizes;
}

Activation toActivation(const GraphArguments& arguments) {
    static const std::map<std::string, Activation> names = {{"linear", Activation::LINEAR},
                                                            {"relu", Activation::RELU},
                                                            {"tanh", Activation::TANH},
                                                            {"sigmoid", Activation::SIGMOID}};
    const auto found = names.find(arguments.at("activation"));
    if (found == names.end()) {
        throw malformed("activation", arguments.at("activation"));
    }
    return found->second;
}

/// The walk's odometry calibrator: fed the precise flag and the displacement's
/// x, y and rotation, it gives the corrected x, y and rotation, by the linear
/// map in "source", or unchanged without one.
proto::GraphDef odometryCalibrator(const GraphArguments& arguments) {
    const std::string& source = arguments.at("source");
    const OdometryCalibration calibration = source.empty() ? OdometryCalibration() : OdometryCalibration::read(source);
    return perceptronGraph(Perceptron{{calibration.toLayer()}}, "dense_1_input", "pi/output_node");
}

/// A decimal number, or a fraction of two ("3/22"), which a build script can
/// write without arithmetic on decimals.
double toWeight(const GraphArguments& arguments) {
    const std::string& text = arguments.at("weight");
    const auto number = [&](const std::string& part) {
        std::size_t used = 0;
        double value = 0.0;
        try {
            value = std::stod(part, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != part.size() || !std::isfinite(value)) {
            throw malformed("weight", text);
        }
        return value;
    };
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return number(text);
    }
    return number(text.substr(0, slash)) / number(text.substr(slash + 1));
}

/// The neural player's network for the keyframe page in "source", or for the
/// page "weight" of the way from it to the page in "blend".
proto::GraphDef trajectoryGraph(const GraphArguments& arguments) {
    if (arguments.at("source").empty()) {
        throw std::invalid_argument("argument source is required: the keyframe page file of the trajectory");
    }
    PostureTrajectory trajectory = PostureTrajectory::readPage(arguments.at("source"));
    if (!arguments.at("blend").empty()) {
        trajectory = PostureTrajectory::blend(trajectory, PostureTrajectory::readPage(arguments.at("blend")),
                                              toWeight(arguments));
    } else if (toWeight(arguments) != 0.0) {
        throw std::invalid_argument("argument weight needs a blend page to weigh the source against");
    }
    using control::neural_network::NeuralPlayer;
    return perceptronGraph(compileTrajectory(trajectory), NeuralPlayer::INPUT_NODE, NeuralPlayer::OUTPUT_NODE);
}

proto::GraphDef randomPerceptronGraph(const GraphArguments& arguments) {
    return perceptronGraph(randomPerceptron(toSeed(arguments), toSizes(arguments), toActivation(arguments)),
                           arguments.at("input"), arguments.at("output"));
}

} // namespace

const std::vector<GraphKind>& graphKinds() {
    static const std::vector<GraphKind> kinds = {
        {"odometry_calibrator",
         "the walk's odometry calibrator, the linear map in source, or passing the odometry through without one",
         {{"source", ""}},
         odometryCalibrator},
        {"random_perceptron",
         "a seeded random perceptron; layers lists the sizes from inputs to outputs",
         {{"seed", "1"},
          {"layers", "1,64,64,23"},
          {"activation", "tanh"},
          {"input", "pi/ob"},
          {"output", "pi/output_node"}},
         randomPerceptronGraph},
        {"trajectory",
         "the neural player's network reproducing the linear keyframe page in source exactly, its end signal above "
         "the threshold from the last step on; with blend, the page weight (a number or n/d) of the way to blend's",
         {{"source", ""}, {"blend", ""}, {"weight", "0"}},
         trajectoryGraph},
    };
    return kinds;
}

proto::GraphDef makeGraph(const std::string& kind, const std::vector<std::string>& arguments) {
    const auto& kinds = graphKinds();
    const auto found =
        std::find_if(kinds.begin(), kinds.end(), [&kind](const GraphKind& entry) { return kind == entry.name; });
    if (found == kinds.end()) {
        throw std::invalid_argument("no graph kind \"" + kind + "\"");
    }
    GraphArguments values = found->defaults;
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (equals == std::string::npos || values.count(name) == 0) {
            throw std::invalid_argument("graph kind " + kind + " takes no argument \"" + argument + "\"");
        }
        values[name] = argument.substr(equals + 1);
    }
    return found->make(values);
}

} // namespace graph_generator
} // namespace tools
