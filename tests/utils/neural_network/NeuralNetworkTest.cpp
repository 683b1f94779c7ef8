#include "utils/neural_network/NeuralNetwork.h"

#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/OdometryCalibration.h"
#include "tools/graph_generator/Perceptron.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <functional>

namespace utils {
namespace neural_network {
namespace {

using tools::graph_generator::Activation;
using tools::graph_generator::DenseLayer;
using tools::graph_generator::perceptronGraph;

/// The agent's layout: graphs under ../configuration/core/neural_network of the working directory.
class NeuralNetworkTest : public testing::Test {
protected:
    std::string graphFile(const std::string& name) const {
        return (workingDirectory.getRoot() / "configuration/core/neural_network" / (name + ".pb")).string();
    }

    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
};

/// out = in[0] + 10 in[1].
proto::GraphDef weightedSum() {
    return perceptronGraph({{DenseLayer{2, 1, {1, 10}, {0}, Activation::LINEAR}}}, "in", "out");
}

TEST_F(NeuralNetworkTest, EachPassReadsTheFeaturesAddedSinceTheLastOneMissingOnesAsZero) {
    tools::graph_generator::writeGraphFile(graphFile("sum"), weightedSum());
    NeuralNetwork network(2, 1, "in", "out", "", "sum");
    ASSERT_TRUE(network.isLoaded());
    const std::vector<std::pair<std::vector<double>, double>> passes = {
        {{1, 2}, 21}, {{3}, 3}, {{}, 0}, {{4, 5, 6}, 54}, {{0.25, 0.5}, 5.25}};
    for (const auto& pass : passes) {
        for (const double feature : pass.first) {
            network.addFeature(feature);
        }
        EXPECT_EQ(network.forwardPass(), std::vector<double>{pass.second}) << pass.first.size() << " features";
    }
}

TEST_F(NeuralNetworkTest, AGraphThatCannotBeUsedIsReportedOnceNamingTheFileAndGivesZeros) {
    struct Case {
        const char* name;
        std::function<void(const std::string& file)> write;
        const char* reason;
    };
    const auto writeGraph = [](const proto::GraphDef& graph) {
        return [graph](const std::string& file) { tools::graph_generator::writeGraphFile(file, graph); };
    };
    proto::GraphDef unsupported = weightedSum();
    unsupported.mutable_node(3)->set_op("Conv2D");
    const std::vector<Case> cases = {
        {"odometry/odometry_calibrator", [](const std::string&) {}, "the file cannot be read"},
        {"garbage", [](const std::string& file) { std::ofstream(file) << "not a graph"; }, "the file holds no graph"},
        {"unsupported", writeGraph(unsupported), "node \"dense_1/MatMul\": unsupported operation \"Conv2D\""},
        {"narrow", writeGraph(weightedSum()), "the output node \"out\" holds 1 of the 2 values read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boost::filesystem::create_directories(boost::filesystem::path(graphFile(c.name)).parent_path());
        c.write(graphFile(c.name));
        testing::internal::CaptureStderr();
        NeuralNetwork network(2, 2, "in", "out", "", c.name);
        network.addFeature(1);
        const std::vector<double> first = network.forwardPass();
        const std::vector<double> second = network.forwardPass();
        const std::string report = testing::internal::GetCapturedStderr();

        EXPECT_FALSE(network.isLoaded());
        EXPECT_EQ(first, std::vector<double>(2, 0.0));
        EXPECT_EQ(second, first);
        EXPECT_EQ(report, "(NeuralNetwork) Failed to load compute graph at '../configuration/core/neural_network/" +
                              std::string(c.name) + ".pb': " + c.reason + "; its forward passes give zeros\n");
    }
}

TEST(GeneratedCalibratorTest, TheShippedCalibratorComputesTheMapOfItsSourceFile) {
    const auto calibration = tools::graph_generator::OdometryCalibration::read(
        MARLOWINDS_SOURCE_DIR "/configuration/neural_motions/odometry_calibrator.json");
    // Read from a root directory: the file the build generated into the source tree.
    NeuralNetwork calibrator(4, 3, "dense_1_input", "pi/output_node", MARLOWINDS_SOURCE_DIR "/configuration",
                             "odometry/odometry_calibrator");
    ASSERT_TRUE(calibrator.isLoaded());
    const std::vector<std::array<double, 4>> odometries = {
        {1, 0.01, -0.002, 0.03}, {0, -0.05, 0.04, -3.1}, {1, 0, 0, 0}, {0, 1e-6, -1e-7, 2.5}};
    for (const auto& odometry : odometries) {
        for (const double feature : odometry) {
            calibrator.addFeature(feature);
        }
        const std::vector<double> corrected = calibrator.forwardPass();
        const std::array<double, 3> expected = calibration.apply(odometry);
        ASSERT_EQ(corrected.size(), 3u);
        for (std::size_t output = 0; output < 3; ++output) {
            // The graph computes in single precision.
            EXPECT_NEAR(corrected[output], expected[output], 1e-6 * (1.0 + std::fabs(expected[output])));
        }
    }
}

} // namespace
} // namespace neural_network
} // namespace utils
