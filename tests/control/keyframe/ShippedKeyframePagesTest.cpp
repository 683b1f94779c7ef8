#include "control/keyframe/KeyframeType.h"
#include "control/keyframe/manager/KeyframePageManager.h"
#include "tests/control/PostureChecks.h"
#include "utils/configure_tree/control/KeyframeNodeCreator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace control {
namespace keyframe {
namespace {

using modeling::BodyPartType;
using representations::NaoJoints;
using tests::PostureChecks;
using Tree = boost::property_tree::ptree;

const std::string CONFIGURATION = MARLOWINDS_CONFIGURATION_DIR;
constexpr int MAX_CYCLES = 1000; // 20 s

/// The shipped pages, loaded once: loading is what the first test checks.
const manager::KeyframePageManager& shippedPages() {
    static const manager::KeyframePageManager pages = [] {
        manager::KeyframePageManager loaded;
        auto node = utils::configure_tree::control::KeyframeNodeCreator(CONFIGURATION + "/control/keyframe")
                        .generateNode<Tree, std::string>();
        loaded.setParameter(*node);
        return loaded;
    }();
    return pages;
}

NaoJoints toServer(const NaoJoints& posture) { return posture * NaoJoints::getNaoDirectionsFixing(); }

/// Every posture the page commands, cycle by cycle, while the joints follow the
/// commands exactly, until it finishes.
std::vector<NaoJoints> play(const std::string& name, bool inverted, NaoJoints startPosture) {
    KeyframePage& page = *shippedPages().getPage(name);
    page.reset();
    std::vector<NaoJoints> postures;
    NaoJoints measured = toServer(startPosture);
    for (int cycle = 0; cycle < MAX_CYCLES; ++cycle) {
        postures.push_back(page.getDesiredJoints(measured, 30.0 + 0.02 * cycle, inverted));
        if (page.hasFinished()) {
            return postures;
        }
        measured = toServer(postures.back());
    }
    ADD_FAILURE() << name << " has not finished after " << MAX_CYCLES << " cycles";
    return postures;
}

/// The last posture of getReady, which the checks below hold for the walk's posture.
NaoJoints standing() { return play(KeyframeType::INIT, false, NaoJoints()).back(); }

TEST(ShippedKeyframePagesTest, EveryRequestedPageLoadsWithAPositiveMovementTime) {
    ASSERT_NO_THROW(shippedPages());
    EXPECT_EQ(shippedPages().findMissingPages(KeyframeType::getRequestedPages()), std::vector<std::string>());
    for (const std::string& name : KeyframeType::getRequestedPages()) {
        if (shippedPages().hasPage(name)) {
            EXPECT_GT(shippedPages().getPage(name)->getMovementTime(), 0.0) << name;
        }
    }
}

TEST(ShippedKeyframePagesTest, EveryCommandedPostureStaysInsideTheJointRanges) {
    for (const std::string& name : KeyframeType::getRequestedPages()) {
        for (const bool inverted : {false, true}) {
            const std::vector<NaoJoints> postures = play(name, inverted, standing());
            for (std::size_t cycle = 0; cycle < postures.size(); ++cycle) {
                PostureChecks::expectInsideJointRanges(postures[cycle], name + (inverted ? " mirrored" : "") +
                                                                            ", cycle " + std::to_string(cycle));
            }
        }
    }
}

TEST(ShippedKeyframePagesTest, StandUpsGetReadyAndKicksEndInTheWalksStandingPosture) {
    const char* const endingStanding[] = {
        KeyframeType::INIT,
        KeyframeType::PREPARE_FOR_KICK,
        KeyframeType::STAND_UP_FROM_BACK,
        KeyframeType::STAND_UP_FROM_FRONT,
        KeyframeType::KICK_LEFT_LEG,
        KeyframeType::KICK_RIGHT_LEG,
        KeyframeType::HOCKEY,
        KeyframeType::TEST,
        KeyframeType::FAST_KICK,
        KeyframeType::BEST_KICK,
        KeyframeType::SECONDARY_KICK,
        KeyframeType::SHORT_DISTANCE_5M_KICK,
        KeyframeType::LONG_DISTANCE_20M_KICK,
    };
    for (const char* name : endingStanding) {
        PostureChecks::expectWalkStance(play(name, false, NaoJoints()).back(), name);
    }
}

TEST(ShippedKeyframePagesTest, RightSidedPagesMirrorTheirLeftSidedTwins) {
    const struct {
        const char* left;
        const char* right;
    } twins[] = {{KeyframeType::KICK_LEFT_LEG, KeyframeType::KICK_RIGHT_LEG},
                 {KeyframeType::CATCH_LEFT, KeyframeType::CATCH_RIGHT}};
    for (const auto& twin : twins) {
        const std::vector<NaoJoints> left = play(twin.left, false, standing());
        const std::vector<NaoJoints> right = play(twin.right, false, NaoJoints::getSimetricPositions(standing()));
        // A page that chains the other holds its last posture for the cycle in which it notices the end.
        ASSERT_GE(right.size(), left.size()) << twin.right;
        ASSERT_LE(right.size(), left.size() + 1) << twin.right;
        for (std::size_t cycle = 0; cycle < right.size(); ++cycle) {
            const NaoJoints& mirrored = left[std::min(cycle, left.size() - 1)];
            const NaoJoints difference = right[cycle] - NaoJoints::getSimetricPositions(mirrored);
            EXPECT_LT(difference.lInfiniteNorm(), 1e-9) << twin.right << ", cycle " << cycle;
        }
    }
}

TEST(ShippedKeyframePagesTest, KicksKeepTheCentreOfMassOverTheSupportFootWhileTheKickingFootIsUp) {
    const char* const leftKicks[] = {KeyframeType::KICK_LEFT_LEG,
                                     KeyframeType::FAST_KICK,
                                     KeyframeType::BEST_KICK,
                                     KeyframeType::SECONDARY_KICK,
                                     KeyframeType::SHORT_DISTANCE_5M_KICK,
                                     KeyframeType::LONG_DISTANCE_20M_KICK};
    for (const char* name : leftKicks) {
        const int cyclesUp = PostureChecks::expectBalancedWhileFootIsUp(
            play(name, false, standing()), BodyPartType::RIGHT_FOOT, BodyPartType::LEFT_FOOT, name);
        EXPECT_GT(cyclesUp, 10) << name << " hardly lifts the kicking foot";
    }
}

} // namespace
} // namespace keyframe
} // namespace control
