#ifndef TOOLS_GRAPH_GENERATOR_ODOMETRYCALIBRATION_H
#define TOOLS_GRAPH_GENERATOR_ODOMETRYCALIBRATION_H

#include "tools/graph_generator/Perceptron.h"

#include <array>
#include <cstddef>
#include <string>

namespace tools {
namespace graph_generator {

/// The walk's odometry calibrator as a linear map: each output (the cycle's
/// corrected x, y and rotation) is its bias plus its weights times the inputs
/// (the precise flag, 1 or 0, and the x, y and rotation the walk measured).
struct OdometryCalibration {
    static constexpr std::size_t INPUTS = 4;
    static constexpr std::size_t OUTPUTS = 3;
    /// The inputs and the outputs in the network's order, by their names in the file.
    static constexpr std::array<const char*, INPUTS> INPUT_NAMES = {"precise", "x", "y", "rotation"};
    static constexpr std::array<const char*, OUTPUTS> OUTPUT_NAMES = {"x", "y", "rotation"};

    /// weights[output][input]; the odometry passes through unchanged by default.
    std::array<std::array<double, INPUTS>, OUTPUTS> weights = {{{0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    std::array<double, OUTPUTS> bias = {0, 0, 0};

    std::array<double, OUTPUTS> apply(const std::array<double, INPUTS>& inputs) const;
    /// The one linear layer of the network that computes the map.
    DenseLayer toLayer() const;

    /// The map in the file: {"x": {"precise": 0, "x": 0.9, "y": 0, "rotation": 0,
    /// "bias": 0}, "y": {...}, "rotation": {...}}, every member present. Throws
    /// std::invalid_argument naming the file for a missing or unknown member or
    /// a value that is no finite number; a file that cannot be read or parsed
    /// throws the JSON reader's error, which names it too.
    static OdometryCalibration read(const std::string& file);
    /// The text read() reads.
    std::string toJson() const;
    /// Writes toJson() through a temporary file and a rename; throws
    /// std::runtime_error naming the file, which is then as it was.
    void write(const std::string& file) const;
};

} // namespace graph_generator
} // namespace tools

#endif
