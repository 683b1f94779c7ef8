#include "control/KeyframeRequest.h"
#include "control/NeuralRequest.h"
#include "control/keyframe/manager/KeyframePageManager.h"
#include "decision_making/behavior/kick_behavior/KickManager.h"
#include "decision_making/behavior/kick_behavior/Kicks.h"
#include "tests/decision_making/HandBuiltModeling.h"
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

/// The keyframe pages and the network graphs that kicks ask for.
struct RequestedMotions {
    std::set<std::string> pages;
    std::set<std::string> graphs;

    void add(Kick& kick, modeling::Modeling& modeling) {
        kick.behave(modeling);
        const auto request = kick.getMovementRequest();
        if (const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(request)) {
            pages.insert(keyframe->getName());
        } else if (const auto neural = std::dynamic_pointer_cast<control::NeuralRequest>(request)) {
            graphs.insert(neural->getName());
        } else {
            ADD_FAILURE() << "a kick asked for neither a keyframe page nor a network graph";
        }
    }
};

/// Every motion the catalogue holds or selection can make, for every number, body type and distance.
RequestedMotions everyKickMotion() {
    testing::HandBuiltModeling models(2);
    RequestedMotions motions;
    BestKick best;
    BestKickKeyframe bestKeyframe;
    FastKick fast;
    BestKickToe toe;
    KeyframeSecondaryKick secondary;
    ShortDistance5mKick short5m;
    LongDistance20mKick long20m;
    for (Kick* kick : std::initializer_list<Kick*>{&best, &bestKeyframe, &fast, &toe, &secondary, &short5m, &long20m}) {
        motions.add(*kick, models.modeling);
    }
    KickManager manager;
    for (int number = 1; number <= 11; ++number) {
        for (int bodyType = 0; bodyType <= 4; ++bodyType) {
            // Steps of 0.1 m from 0.05 m reach every half-metre distance of the neural kicks.
            for (double distance = 0.05; distance < 20.0; distance += 0.1) {
                motions.add(*manager.selectKick(distance, number, bodyType, 0.0), models.modeling);
            }
        }
    }
    return motions;
}

TEST(ShippedKicksTest, EveryKeyframeKickHasAShippedPage) {
    control::keyframe::manager::KeyframePageManager shipped;
    auto node = utils::configure_tree::control::KeyframeNodeCreator(CONFIGURATION + "/control/keyframe")
                    .generateNode<boost::property_tree::ptree, std::string>();
    shipped.setParameter(*node);

    const std::set<std::string> pages = everyKickMotion().pages;
    EXPECT_EQ(pages.size(), 5u);
    for (const std::string& page : pages) {
        EXPECT_TRUE(shipped.hasPage(page)) << page;
    }
}

TEST(ShippedKicksTest, EveryNeuralKickHasAShippedGraph) {
    const std::set<std::string> graphs = everyKickMotion().graphs;
    EXPECT_EQ(graphs.size(), 2u + 23u);
    for (const std::string& graph : graphs) {
        EXPECT_TRUE(boost::filesystem::is_regular_file(CONFIGURATION + "/neural_network/" + graph + ".pb")) << graph;
    }
}

} // namespace
} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
