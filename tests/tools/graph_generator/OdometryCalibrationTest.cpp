#include "tools/graph_generator/OdometryCalibration.h"

#include "tests/support/TemporaryFolder.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/GraphKinds.h"
#include "utils/neural_network/NeuralNetwork.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace tools {
namespace graph_generator {
namespace {

TEST(OdometryCalibrationTest, TheGeneratedCalibratorComputesTheMapOfItsSourceFile) {
    tests::TemporaryFolder folder;
    std::mt19937 random(21);
    std::uniform_real_distribution<double> weight(-2.0, 2.0);
    // A map with every weight and bias in use, through its file.
    OdometryCalibration written;
    for (std::size_t output = 0; output < 3; ++output) {
        for (double& value : written.weights[output]) {
            value = weight(random);
        }
        written.bias[output] = weight(random) / 100.0;
    }
    written.write(folder / "calibration.json");
    boost::filesystem::create_directories(folder / "run");
    // Without a source the calibrator is the default map: the odometry passes through.
    const struct {
        std::vector<std::string> arguments;
        OdometryCalibration expected;
    } cases[] = {{{"source=" + (folder / "calibration.json")}, written}, {{}, OdometryCalibration()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "no source" : "a source");
        // The agent's layout: the graph below ../configuration/core of a working folder.
        writeGraphFile(folder / "configuration/core/neural_network/odometry/calibrator.pb",
                       makeGraph("odometry_calibrator", c.arguments));
        utils::neural_network::NeuralNetwork network(4, 3, "dense_1_input", "pi/output_node", folder / "run",
                                                     "odometry/calibrator");
        ASSERT_TRUE(network.isLoaded());
        std::uniform_real_distribution<double> motion(-0.2, 0.2);
        for (int pass = 0; pass < 100; ++pass) {
            const std::array<double, 4> inputs = {pass % 2 == 0 ? 1.0 : 0.0, motion(random), motion(random),
                                                  motion(random)};
            for (const double input : inputs) {
                network.addFeature(input);
            }
            const std::vector<double> outputs = network.forwardPass();
            const std::array<double, 3> expected = c.expected.apply(inputs);
            ASSERT_EQ(outputs.size(), 3u);
            for (std::size_t output = 0; output < 3; ++output) {
                // The graph computes in single precision.
                EXPECT_NEAR(outputs[output], expected[output], 1e-6) << "output " << output;
            }
        }
    }
}

TEST(OdometryCalibrationTest, AMissingOrMalformedSourceIsRefusedNamingTheFile) {
    tests::TemporaryFolder folder;
    const std::string file = folder / "calibration.json";
    const std::string y = R"("y": {"precise": 0, "x": 0, "y": 1, "rotation": 0, "bias": 0})";
    const std::string rotation = R"("rotation": {"precise": 0, "x": 0, "y": 0, "rotation": 1, "bias": 0})";
    const auto withX = [&](const std::string& x) { return "{\"x\": " + x + ", " + y + ", " + rotation + "}"; };
    const struct {
        std::string text; // none: no file at all
        std::string error;
    } cases[] = {
        {"", "calibration.json"},
        {"{" + y + ", " + rotation + "}", "calibration.json: the calibration lacks \"x\""},
        {withX(R"({"precise": 0, "x": 1, "y": 0, "rotation": 0})"), "calibration.json: \"x\" lacks \"bias\""},
        {withX(R"({"precise": 0, "x": 1, "y": 0, "rotation": 0, "bias": 0, "z": 0})"),
         "calibration.json: \"x\" has no member \"z\""},
        {withX(R"({"precise": 0, "x": 1, "x": 2, "y": 0, "rotation": 0, "bias": 0})"),
         "calibration.json: \"x\" gives \"x\" twice"},
        {withX(R"({"precise": 0, "x": 1, "y": 0, "rotation": "nan", "bias": 0})"),
         "calibration.json: \"x\": \"rotation\": not a finite number"},
        {withX("0.9"), "calibration.json: \"x\" must be an object"},
    };
    for (const auto& c : cases) {
        boost::filesystem::remove(file);
        if (!c.text.empty()) {
            tests::TemporaryFolder::write(file, c.text);
        }
        try {
            makeGraph("odometry_calibrator", {"source=" + file});
            ADD_FAILURE() << c.text << ": accepted";
        } catch (const std::exception& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace graph_generator
} // namespace tools
