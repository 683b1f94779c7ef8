#include "control/keyframe/manager/KeyframePageManager.h"
#include "decision_making/behavior/kick_behavior/KickManager.h"
#include "decision_making/behavior/kick_behavior/Kicks.h"
#include "tests/decision_making/behavior/kick_behavior/KickMotion.h"
#include "utils/configure_tree/control/KeyframeNodeCreator.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace decision_making {
namespace behavior {
namespace kick_behavior {
namespace {

const std::string CONFIGURATION = MARLOWINDS_CONFIGURATION_DIR;

/// The names of kind ("keyframe" or "neural") among every motion that the
/// catalogue holds or its selection can make, for every number, body type and distance.
std::set<std::string> everyKickMotion(const std::string& kind) {
    std::set<std::string> motions;
    BestKick best;
    BestKickKeyframe bestKeyframe;
    FastKick fast;
    BestKickToe toe;
    KeyframeSecondaryKick secondary;
    ShortDistance5mKick short5m;
    LongDistance20mKick long20m;
    for (Kick* kick : std::initializer_list<Kick*>{&best, &bestKeyframe, &fast, &toe, &secondary, &short5m, &long20m}) {
        motions.insert(testing::motionOf(*kick));
    }
    KickManager manager;
    for (int number = 1; number <= 11; ++number) {
        for (int bodyType = 0; bodyType <= 4; ++bodyType) {
            // Steps of 0.1 m from 0.05 m reach every half-metre distance of the neural kicks.
            for (double distance = 0.05; distance < 20.0; distance += 0.1) {
                motions.insert(testing::motionOf(*manager.selectKick(distance, number, bodyType, 0.0)));
            }
        }
    }
    std::set<std::string> names;
    for (const std::string& motion : motions) {
        if (motion.compare(0, kind.size() + 1, kind + " ") == 0) {
            names.insert(motion.substr(kind.size() + 1));
        }
    }
    return names;
}

TEST(ShippedKicksTest, EveryKeyframeKickHasAShippedPage) {
    control::keyframe::manager::KeyframePageManager shipped;
    auto node = utils::configure_tree::control::KeyframeNodeCreator(CONFIGURATION + "/control/keyframe")
                    .generateNode<boost::property_tree::ptree, std::string>();
    shipped.setParameter(*node);

    const std::set<std::string> pages = everyKickMotion("keyframe");
    EXPECT_EQ(pages.size(), 5u);
    for (const std::string& page : pages) {
        EXPECT_TRUE(shipped.hasPage(page)) << page;
    }
}

TEST(ShippedKicksTest, EveryNeuralKickHasAShippedGraph) {
    const std::set<std::string> graphs = everyKickMotion("neural");
    EXPECT_EQ(graphs.size(), 2u + 23u);
    for (const std::string& graph : graphs) {
        EXPECT_TRUE(boost::filesystem::is_regular_file(CONFIGURATION + "/neural_network/" + graph + ".pb")) << graph;
    }
}

} // namespace
} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
