#include "tools/graph_generator/OdometryCalibration.h"

#include "control/ParameterFieldReader.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "utils/configure_tree/ParameterFileReader.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace tools {
namespace graph_generator {

namespace {

using Tree = boost::property_tree::ptree;

constexpr const char* BIAS = "bias";

/// The object's members, each of the names once and nothing else.
template <std::size_t N>
void expectMembers(const Tree& object, const std::array<const char*, N>& names, const std::string& what) {
    if (!object.data().empty()) {
        throw std::invalid_argument(what + " must be an object");
    }
    for (const auto& member : object) {
        if (std::none_of(names.begin(), names.end(), [&member](const char* name) { return member.first == name; })) {
            throw std::invalid_argument(what + " has no member \"" + member.first + "\"");
        }
        if (object.count(member.first) > 1) {
            throw std::invalid_argument(what + " gives \"" + member.first + "\" twice");
        }
    }
    for (const char* name : names) {
        if (object.count(name) == 0) {
            throw std::invalid_argument(what + " lacks \"" + name + "\"");
        }
    }
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

} // namespace

std::array<double, OdometryCalibration::OUTPUTS>
OdometryCalibration::apply(const std::array<double, INPUTS>& inputs) const {
    std::array<double, OUTPUTS> outputs = bias;
    for (std::size_t output = 0; output < OUTPUTS; ++output) {
        for (std::size_t input = 0; input < INPUTS; ++input) {
            outputs[output] += weights[output][input] * inputs[input];
        }
    }
    return outputs;
}

DenseLayer OdometryCalibration::toLayer() const {
    DenseLayer layer;
    layer.inputs = INPUTS;
    layer.outputs = OUTPUTS;
    // The layer's weights run input by input.
    for (std::size_t input = 0; input < INPUTS; ++input) {
        for (std::size_t output = 0; output < OUTPUTS; ++output) {
            layer.weights.push_back(static_cast<float>(weights[output][input]));
        }
    }
    layer.bias.assign(bias.begin(), bias.end());
    return layer;
}

OdometryCalibration OdometryCalibration::read(const std::string& file) {
    const auto leaf = utils::configure_tree::ParameterFileReader::readLeaf<Tree, std::string>(file);
    const Tree& content = leaf->getContent();
    OdometryCalibration calibration;
    try {
        expectMembers(content, OUTPUT_NAMES, "the calibration");
        for (std::size_t output = 0; output < OUTPUTS; ++output) {
            const std::string what = std::string("\"") + OUTPUT_NAMES[output] + "\"";
            const Tree& terms = content.get_child(OUTPUT_NAMES[output]);
            std::array<const char*, INPUTS + 1> names;
            std::copy(INPUT_NAMES.begin(), INPUT_NAMES.end(), names.begin());
            names.back() = BIAS;
            expectMembers(terms, names, what);
            const auto value = [&](const char* name) {
                try {
                    return control::ParameterFieldReader::toNumber(name, terms.get_child(name).data());
                } catch (const std::logic_error& error) {
                    throw std::invalid_argument(what + ": " + error.what());
                }
            };
            for (std::size_t input = 0; input < INPUTS; ++input) {
                calibration.weights[output][input] = value(INPUT_NAMES[input]);
            }
            calibration.bias[output] = value(BIAS);
        }
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument(file + ": " + error.what());
    }
    return calibration;
}

std::string OdometryCalibration::toJson() const {
    std::string text = "{";
    for (std::size_t output = 0; output < OUTPUTS; ++output) {
        text += output == 0 ? "\n" : ",\n";
        text += std::string("    \"") + OUTPUT_NAMES[output] + "\": {";
        for (std::size_t input = 0; input < INPUTS; ++input) {
            text += std::string("\"") + INPUT_NAMES[input] + "\": " + number(weights[output][input]) + ", ";
        }
        text += std::string("\"") + BIAS + "\": " + number(bias[output]) + "}";
    }
    return text + "\n}\n";
}

void OdometryCalibration::write(const std::string& file) const { writeFileThroughRename(file, toJson()); }

} // namespace graph_generator
} // namespace tools
