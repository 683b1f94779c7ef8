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

const char* const JOINT_KEYS[NaoJoints::NUMBER_OF_JOINTS] = {
    "neckYaw",         "neckPitch",          "leftShoulderPitch", "leftShoulderYaw", "leftArmRoll",
    "leftArmYaw",      "rightShoulderPitch", "rightShoulderYaw",  "rightArmRoll",    "rightArmYaw",
    "leftHipYawpitch", "leftHipRoll",        "leftHipPitch",      "leftKneePitch",   "leftFootPitch",
    "leftFootRoll",    "rightHipYawpitch",   "rightHipRoll",      "rightHipPitch",   "rightKneePitch",
    "rightFootPitch",  "rightFootRoll"};

/// Over all 22 joints, the neck too; NaN when a difference is.
double largestDifference(const NaoJoints& a, const NaoJoints& b) {
    const std::vector<double> first = a.getAsVector();
    const std::vector<double> second = b.getAsVector();
    double largest = 0.0;
    for (std::size_t joint = 0; joint < first.size(); ++joint) {
        const double difference = std::fabs(first[joint] - second[joint]);
        if (std::isnan(difference)) {
            return difference;
        }
        largest = std::max(largest, difference);
    }
    return largest;
}

/// A random linear page in a file: `steps` steps, the first without duration.
struct RandomPage {
    RandomPage(const std::string& file, std::mt19937& engine, int steps) : file(file) {
        std::uniform_real_distribution<double> angle(-2.0, 2.0);
        std::uniform_real_distribution<double> duration(0.02, 0.6);
        speedRate = std::uniform_real_distribution<double>(0.5, 2.0)(engine);
        Tree page;
        page.put("name", "random");
        page.put("speedRate", speedRate);
        page.put("interpolator", "linear");
        Tree stepList;
        for (int i = 0; i < steps; ++i) {
            Tree step;
            deltas.push_back(i == 0 ? 0.0 : duration(engine));
            step.put("delta", deltas.back());
            postures.emplace_back();
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                postures.back().push_back(angle(engine));
                step.put(JOINT_KEYS[joint], postures.back().back());
            }
            stepList.push_back({"", step});
        }
        page.add_child("steps", stepList);
        boost::property_tree::write_json(file, page);
    }

    /// The page as the agent would load it, with its own interpolation.
    std::shared_ptr<control::keyframe::KeyframePage> load() const {
        Tree content;
        boost::property_tree::read_json(file, content);
        return control::keyframe::manager::KeyframePageLoader::initializeAndLoadSimplePage(content);
    }

    /// The network sums in float terms as large as the joint speeds times the
    /// motion's duration: an error of a float epsilon or two of that is exact.
    double tolerance(double duration) const {
        double speeds = 0.0;
        for (std::size_t i = 1; i < postures.size(); ++i) {
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                speeds += std::fabs(postures[i][joint] - postures[i - 1][joint]) * speedRate / deltas[i];
            }
        }
        return 2 * FLT_EPSILON * (2.0 + duration * speeds);
    }

    std::string file;
    double speedRate;
    std::vector<double> deltas;
    std::vector<std::vector<double>> postures;
};

class TrajectoryCompilerTest : public testing::Test {
protected:
    /// Compiles the graph from the arguments and has the player load it.
    void compile(const std::vector<std::string>& arguments) {
        writeGraphFile(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/motion.pb",
                       makeGraph("trajectory", arguments));
        player.setNetwork("motion", 1);
    }

    std::string pageFile(const std::string& name) const { return (workingDirectory.getRoot() / name).string(); }

    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    NeuralPlayer player{representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER};
    std::mt19937 engine{20240611};
};

TEST_F(TrajectoryCompilerTest, ReproducesRandomLinearPagesAndSignalsTheirEndFromTheirLastStepOn) {
    for (int trial = 0; trial < 25; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const RandomPage source(pageFile("page.json"), engine, 2 + trial % 11);
        compile({"source=" + source.file});
        const auto page = source.load();
        const double end = page->getMovementTime() / page->getSpeedRate();
        const double tolerance = source.tolerance(end);

        std::vector<double> times(200);
        std::uniform_real_distribution<double> moment(0.0, 1.2 * end);
        std::generate(times.begin(), times.end(), [&] { return moment(engine); });
        times.push_back(0.0); // the page starts its clock at the first time it is played
        std::sort(times.begin(), times.end());
        for (const double time : times) {
            const NaoJoints expected = page->getDesiredJoints(NaoJoints(), time, false);
            const NaoJoints& played = player.getDesiredJoints({time});
            ASSERT_LT(largestDifference(played, expected), tolerance) << "at " << time << " of " << end;
            if (std::fabs(time - end) > 1e-6) {
                ASSERT_EQ(player.hasEnded(), page->hasFinished()) << "at " << time << " of " << end;
            }
        }

        // The last posture exactly, however late; the end signal flips at the end's float time itself.
        const NaoJoints last(source.postures.back());
        const float endTime = static_cast<float>(end);
        for (const double time : {static_cast<double>(endTime), end + 100.0}) {
            const NaoJoints& played = player.getDesiredJoints({time});
            EXPECT_TRUE(player.hasEnded());
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                const auto which = static_cast<NaoJoints::HINGE_JOINTS>(joint);
                EXPECT_EQ(played.getValue(which), static_cast<float>(last.getValue(which))) << joint;
            }
        }
        player.forwardPass({std::nextafter(endTime, 0.0F)});
        EXPECT_FALSE(player.hasEnded());
    }
}

TEST_F(TrajectoryCompilerTest, BlendsStepByStepAndGivesEitherPageExactlyAtTheEndsOfTheWeight) {
    const RandomPage from(pageFile("from.json"), engine, 4);
    const RandomPage to(pageFile("to.json"), engine, 4);
    const auto bytes = [this](const std::vector<std::string>& arguments) {
        writeGraphFile(pageFile("graph.pb"), makeGraph("trajectory", arguments));
        return tests::TemporaryFolder::read(pageFile("graph.pb"));
    };
    EXPECT_EQ(bytes({"source=" + from.file, "blend=" + to.file, "weight=0"}), bytes({"source=" + from.file}));
    EXPECT_EQ(bytes({"source=" + from.file, "blend=" + to.file, "weight=22/22"}), bytes({"source=" + to.file}));

    compile({"source=" + from.file, "blend=" + to.file, "weight=1/4"});
    double fromTime = 0.0;
    double toTime = 0.0;
    for (std::size_t step = 0; step < from.deltas.size(); ++step) {
        fromTime += from.deltas[step] / from.speedRate;
        toTime += to.deltas[step] / to.speedRate;
        const NaoJoints expected = NaoJoints(from.postures[step]) * 0.75 + NaoJoints(to.postures[step]) * 0.25;
        EXPECT_LT(largestDifference(player.getDesiredJoints({0.75 * fromTime + 0.25 * toTime}), expected), 1e-5)
            << "step " << step;
    }
}

TEST_F(TrajectoryCompilerTest, RefusesWhatANetworkCannotPlayNamingTheFile) {
    const std::string steps = R"("steps": [{"delta": 0.0, "leftHipRoll": 0.1}, {"delta": 0.5, "leftHipRoll": 0.2}])";
    const std::string page = pageFile("page.json");
    const std::string threeSteps = pageFile("three.json");
    tests::TemporaryFolder::write(threeSteps,
                                  R"({"name": "p", "steps": [{"delta": 0}, {"delta": 0.1}, {"delta": 0.1}]})");
    const struct {
        const char* content; // written to page.json, the source; nullptr: no such file
        std::vector<std::string> arguments;
        std::string error;
        bool namesTheFile;
    } cases[] = {
        {nullptr, {}, "argument source is required", false},
        {nullptr, {"source=" + page}, page, true},
        {R"({"name": "p", "interpolator": "spline", )", {}, "spline page", true},
        {R"({"complex": true, "name": "p", "pages": [{"name": "q"}], )", {}, "complex page", true},
        {R"({"name": "p", "steps": [{"delta": 0.3}, {"delta": 0.5}]})", {}, "first step's \"delta\" must be 0", true},
        {R"({"name": "p", "steps": [{"delta": 0.0}, {"delta": 0.0005}]})", {}, "step 2 takes less than", true},
        {R"({"name": "p", )", {"blend=" + threeSteps}, "cannot blend trajectories of 2 and 3", false},
        {R"({"name": "p", )", {"blend=" + page, "weight=1/0"}, "must lie in [0, 1]", false},
        {R"({"name": "p", )", {"blend=" + page, "weight=0.5x"}, "weight cannot be \"0.5x\"", false},
        {R"({"name": "p", )", {"weight=0.5"}, "needs a blend", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::vector<std::string> arguments = c.arguments;
        if (c.content != nullptr) {
            // A page left open gets two valid steps.
            const std::string content = c.content;
            tests::TemporaryFolder::write(page, content.back() == '}' ? content : content + steps + "}");
            arguments.insert(arguments.begin(), "source=" + page);
        }
        try {
            makeGraph("trajectory", arguments);
            ADD_FAILURE() << "accepted";
        } catch (const std::exception& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.error), std::string::npos) << message;
            EXPECT_EQ(message.rfind(page, 0) == 0, c.namesTheFile) << message;
        }
    }
}

} // namespace
} // namespace graph_generator
} // namespace tools
