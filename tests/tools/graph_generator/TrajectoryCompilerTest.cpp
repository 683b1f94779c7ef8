#include "tools/graph_generator/TrajectoryCompiler.h"

#include "control/keyframe/manager/KeyframePageLoader.h"
#include "control/neural_network/NeuralPlayer.h"
#include "representations/MarlowindsConstants.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/GraphKinds.h"

#include <boost/property_tree/json_parser.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>

namespace tools {
namespace graph_generator {
namespace {

using control::neural_network::NeuralPlayer;
using representations::NaoJoints;
using Tree = boost::property_tree::ptree;

class TrajectoryCompilerTest : public testing::Test {
protected:
    /// A random linear page of `steps` steps, the first without duration, moving the first and last joints.
    std::shared_ptr<control::keyframe::KeyframePage> writeRandomPage(const std::string& file, int steps) {
        const char* const joints[] = {"leftShoulderPitch", "leftHipRoll", "rightFootRoll"};
        std::uniform_real_distribution<double> angle(-2.0, 2.0);
        const double speedRate = std::uniform_real_distribution<double>(0.5, 2.0)(engine);
        Tree page;
        page.put("name", "random");
        page.put("speedRate", speedRate);
        Tree stepList;
        std::vector<double> previous(3);
        speeds = 0.0;
        for (int i = 0; i < steps; ++i) {
            Tree step;
            const double delta = i == 0 ? 0.0 : std::uniform_real_distribution<double>(0.05, 0.6)(engine);
            step.put("delta", delta);
            for (std::size_t joint = 0; joint < previous.size(); ++joint) {
                const double value = angle(engine);
                step.put(joints[joint], value);
                speeds += i == 0 ? 0.0 : std::fabs(value - previous[joint]) * speedRate / delta;
                previous[joint] = value;
            }
            stepList.push_back({"", step});
        }
        page.add_child("steps", stepList);
        boost::property_tree::write_json(file, page);
        return control::keyframe::manager::KeyframePageLoader::initializeAndLoadSimplePage(page);
    }

    /// Compiles the graph and has the player load it.
    void compile(const std::vector<std::string>& arguments) {
        writeGraphFile(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/motion.pb",
                       makeGraph("trajectory", arguments));
        player.setNetwork("motion", 1);
    }

    std::string file(const std::string& name) const { return (workingDirectory.getRoot() / name).string(); }

    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    NeuralPlayer player{representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER};
    std::mt19937 engine{20240611};
    /// The sum of the joints' speeds over the steps of the page written last.
    double speeds = 0.0;
};

TEST_F(TrajectoryCompilerTest, ReproducesRandomLinearPagesAndSignalsTheirEndFromTheirLastStepOn) {
    for (int trial = 0; trial < 25; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const auto page = writeRandomPage(file("page.json"), 2 + trial % 11);
        compile({"source=" + file("page.json")});
        const double end = page->getMovementTime() / page->getSpeedRate();
        std::vector<double> times(200);
        std::uniform_real_distribution<double> moment(0.0, 1.2 * end);
        std::generate(times.begin(), times.end(), [&] { return moment(engine); });
        times.push_back(0.0); // the page starts its clock when it is first played
        std::sort(times.begin(), times.end());
        for (const double time : times) {
            const NaoJoints& played = player.getDesiredJoints({time});
            // Exact but for float rounding of terms as large as the joint speeds times the duration.
            ASSERT_LT((played - page->getDesiredJoints(NaoJoints(), time, false)).lInfiniteNorm(),
                      4 * FLT_EPSILON * (2.0 + end * speeds))
                << time;
            if (std::fabs(time - end) > 1e-6) {
                ASSERT_EQ(player.hasEnded(), page->hasFinished()) << time << " of " << end;
            }
        }
        // From the end's float time on, the end signal and the last posture exactly, however late.
        const float endTime = static_cast<float>(end);
        const double last = page->getDesiredJoints(NaoJoints(), end + 100.0, false).getValue(NaoJoints::LEFT_HIP_ROLL);
        for (const double time : {static_cast<double>(endTime), end + 100.0}) {
            EXPECT_EQ(player.getDesiredJoints({time}).getValue(NaoJoints::LEFT_HIP_ROLL), static_cast<float>(last));
            EXPECT_TRUE(player.hasEnded());
        }
        player.forwardPass({std::nextafter(endTime, 0.0F)});
        EXPECT_FALSE(player.hasEnded());
    }
}

TEST_F(TrajectoryCompilerTest, ABlendGivesEitherPageExactlyAtTheEndsOfItsWeight) {
    writeRandomPage(file("from.json"), 4);
    writeRandomPage(file("to.json"), 4);
    const auto bytes = [this](const std::vector<std::string>& arguments) {
        writeGraphFile(file("graph.pb"), makeGraph("trajectory", arguments));
        return tests::TemporaryFolder::read(file("graph.pb"));
    };
    const std::string blend = "blend=" + file("to.json");
    EXPECT_EQ(bytes({"source=" + file("from.json"), blend, "weight=0"}), bytes({"source=" + file("from.json")}));
    EXPECT_EQ(bytes({"source=" + file("from.json"), blend, "weight=22/22"}), bytes({"source=" + file("to.json")}));
    // The weights between are the distance kicks, whose data test checks them.
}

TEST_F(TrajectoryCompilerTest, RefusesWhatANetworkCannotPlay) {
    const std::string twoSteps = R"("steps": [{"delta": 0}, {"delta": 0.5}]})";
    tests::TemporaryFolder::write(file("three.json"), R"({"name": "p", "steps": [{}, {"delta": 1}, {"delta": 1}]})");
    const struct {
        std::string page; // the source's text
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {R"({"name": "p", "interpolator": "spline", )" + twoSteps, {}, "page.json: a spline page"},
        {R"({"complex": true, "name": "p", "pages": [{"name": "q"}], )" + twoSteps, {}, "page.json: a complex page"},
        {R"({"name": "p", "steps": [{"delta": 0.3}, {"delta": 0.5}]})", {}, "page.json: the first step's"},
        {R"({"name": "p", "steps": [{"delta": 0}, {"delta": 0.0005}]})", {}, "page.json: step 2 takes less than"},
        {R"({"name": "p", )" + twoSteps, {"blend=" + file("three.json")}, "trajectories of 2 and 3 steps"},
        {R"({"name": "p", )" + twoSteps, {"blend=" + file("page.json"), "weight=1/0"}, "must lie in [0, 1]"},
        {R"({"name": "p", )" + twoSteps, {"weight=0.5x"}, "weight cannot be \"0.5x\""},
        {R"({"name": "p", )" + twoSteps, {"weight=0.5"}, "weight needs a blend"},
    };
    for (const auto& c : cases) {
        tests::TemporaryFolder::write(file("page.json"), c.page);
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("source=" + file("page.json"));
        try {
            makeGraph("trajectory", arguments);
            ADD_FAILURE() << c.error << ": accepted";
        } catch (const std::exception& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(makeGraph("trajectory", {}), std::invalid_argument);
}

} // namespace
} // namespace graph_generator
} // namespace tools
