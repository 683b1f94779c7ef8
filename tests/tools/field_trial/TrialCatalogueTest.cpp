#include "tools/field_trial/TrialCatalogue.h"

#include "control/keyframe/KeyframeType.h"
#include "control/neural_network/NeuralMotionType.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tools {
namespace field_trial {
namespace {

TEST(TrialCatalogueTest, EveryKickOfTheCatalogueAndEveryFallPageHasATrialOfItsOwn) {
    const TrialCatalogue catalogue;
    std::set<std::string> names;
    for (const auto& trial : catalogue.getTrials()) {
        EXPECT_TRUE(names.insert(trial->getName()).second) << "twice: " << trial->getName();
    }
    using control::keyframe::KeyframeType;
    for (const char* page : {KeyframeType::FAST_KICK, KeyframeType::BEST_KICK, KeyframeType::SECONDARY_KICK,
                             KeyframeType::SHORT_DISTANCE_5M_KICK, KeyframeType::LONG_DISTANCE_20M_KICK}) {
        EXPECT_EQ(names.count(std::string("kick-") + page), 1u) << page;
    }
    for (const std::string& graph : control::neural_network::NeuralMotionType::getRequestedMotions()) {
        EXPECT_EQ(names.count("kick-" + graph.substr(graph.find('/') + 1)), 1u) << graph;
    }
    for (const char* page : {KeyframeType::FALL_BACK, KeyframeType::FALL_FRONT, KeyframeType::FALL_RIGHT_SIDE}) {
        EXPECT_EQ(names.count(std::string("get-up-") + page), 1u) << page;
    }
}

TEST(TrialCatalogueTest, ANameSelectsItsTrialOrTheFamilyItBegins) {
    const TrialCatalogue catalogue;
    const struct {
        const char* name;
        std::size_t selected;
    } cases[] = {
        {"stand", 1},
        {"walk-forward-sprint", 1},
        {"walk-forward", 4},
        {"get-up", 3},
        {"turn", 2},
        {"kick-7.5m", 1},
        {"kick", 30},
        {"walk-forward-s", 0},
        {"", 0},
        {"kick-", 0},
        {"match", 2},
    };
    for (const auto& c : cases) {
        const auto selected = catalogue.select(c.name);
        EXPECT_EQ(selected.size(), c.selected) << c.name;
        for (const Trial* trial : selected) {
            EXPECT_EQ(trial->getName().rfind(c.name, 0), 0u);
        }
    }
}

TEST(TrialCatalogueTest, TheCiSubsetNamesTrialsOfTheCatalogueOnRealBodiesOrTheirPlayersOwn) {
    const TrialCatalogue catalogue;
    for (const auto& [name, body] : TrialCatalogue::getCiSubset()) {
        const auto selected = catalogue.select(name);
        ASSERT_EQ(selected.size(), 1u) << name;
        if (selected[0]->playsEachBody()) {
            EXPECT_GE(body, 0) << name;
            EXPECT_LE(body, 4) << name;
        } else {
            EXPECT_EQ(body, TrialFigures::OWN_BODIES) << name;
        }
    }
}

} // namespace
} // namespace field_trial
} // namespace tools
