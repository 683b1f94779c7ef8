#include "control/keyframe/KeyframeType.h"
#include "control/keyframe/manager/KeyframePageManager.h"
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "modeling/BodyModel.h"
#include "utils/configure_tree/control/KeyframeNodeCreator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace control {
namespace keyframe {
namespace {

using modeling::BodyModel;
using modeling::BodyPartType;
using representations::NaoJoints;
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

/// The posture the walk stands in: the shipped normal walk's torso height and foot separation.
walking::OmnidirectionalWalkZMPParams walkStance() {
    walking::OmnidirectionalWalkZMPParams params;
    walking::OmnidirectionalWalkZMPParams::setWalkParameters(
        *utils::configure_tree::ParameterFileReader::readLeaf<Tree, std::string>(
            CONFIGURATION + "/control/walk/normal-parameters.json"),
        params);
    return params;
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

BodyModel bodyIn(const NaoJoints& posture) {
    BodyModel body;
    body.update(toServer(posture));
    return body;
}

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
    const BodyModel ranges;
    for (const std::string& name : KeyframeType::getRequestedPages()) {
        for (const bool inverted : {false, true}) {
            const std::vector<NaoJoints> postures = play(name, inverted, standing());
            for (std::size_t cycle = 0; cycle < postures.size(); ++cycle) {
                const NaoJoints angles = toServer(postures[cycle]);
                for (int part = 0; part < BodyModel::NUMBER_OF_BODY_PARTS; ++part) {
                    const auto& joint = ranges.getBodyPart(static_cast<BodyPartType>(part)).hingeJoint;
                    if (joint.joint == NaoJoints::NECK_YAW || joint.joint == NaoJoints::NECK_PITCH ||
                        joint.joint >= NaoJoints::NUMBER_OF_JOINTS) {
                        continue;
                    }
                    const double angle = angles.getValue(joint.joint);
                    EXPECT_TRUE(angle >= joint.minAngle - 1e-9 && angle <= joint.maxAngle + 1e-9)
                        << name << (inverted ? " mirrored" : "") << ", cycle " << cycle << ": " << joint.name << " at "
                        << angle << " outside [" << joint.minAngle << ", " << joint.maxAngle << "]";
                }
            }
        }
    }
}

TEST(ShippedKeyframePagesTest, StandUpsGetReadyAndKicksEndInTheWalksStandingPosture) {
    const walking::OmnidirectionalWalkZMPParams stance = walkStance();
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
        const BodyModel body = bodyIn(play(name, false, NaoJoints()).back());
        // The foot centre is the point the walk places: its sole lies flat under the torso.
        const struct {
            BodyPartType foot;
            double y;
        } feet[] = {{BodyPartType::LEFT_FOOT, stance.ySeparation}, {BodyPartType::RIGHT_FOOT, -stance.ySeparation}};
        for (const auto& foot : feet) {
            const auto& pose = body.getTransformAtCenter(foot.foot);
            EXPECT_NEAR(pose.translation.x, 0.0, 1e-3) << name;
            EXPECT_NEAR(pose.translation.y, foot.y, 1e-3) << name;
            EXPECT_NEAR(pose.translation.z, -stance.zCom, 1e-3) << name;
            EXPECT_NEAR(pose.rotation.at(2, 2), 1.0, 1e-4) << name << ": the sole is not parallel to the torso";
        }
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
        int cyclesUp = 0;
        for (const NaoJoints& posture : play(name, false, standing())) {
            const BodyModel body = bodyIn(posture);
            const auto fromSupport = body.getTransformAtCenter(BodyPartType::RIGHT_FOOT).inverse();
            if ((fromSupport * body.getTransformAtCenter(BodyPartType::LEFT_FOOT).translation).z < 0.01) {
                continue;
            }
            ++cyclesUp;
            const auto centreOfMass = fromSupport * body.computeCenterOfMass();
            // At least 1 cm inside the edges of the support foot's sole (8 cm wide, 16 cm long).
            EXPECT_LT(std::fabs(centreOfMass.y), 0.03) << name << " after " << cyclesUp << " cycles up";
            EXPECT_LT(std::fabs(centreOfMass.x), 0.07) << name << " after " << cyclesUp << " cycles up";
        }
        EXPECT_GT(cyclesUp, 10) << name << " hardly lifts the kicking foot";
    }
}

} // namespace
} // namespace keyframe
} // namespace control
