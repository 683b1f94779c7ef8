#include "tools/field_trial/TrialCatalogue.h"

#include "control/keyframe/KeyframeType.h"
#include "control/neural_network/NeuralMotionType.h"
#include "decision_making/behavior/kick_behavior/Kicks.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "tools/field_trial/GetUpTrial.h"
#include "tools/field_trial/KickTrial.h"
#include "tools/field_trial/MatchTrial.h"
#include "tools/field_trial/StandTrial.h"
#include "tools/field_trial/TrialField.h"
#include "tools/field_trial/WalkTrial.h"

namespace tools {
namespace field_trial {

namespace {

using control::WalkMode;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using Goal = WalkLeg::Goal;
namespace kicks = decision_making::behavior::kick_behavior;

/// Asked for far beyond any limit: the mode's navigation limit is what the walk gets.
constexpr double FULL = 10.0;

/// The graph name without its folder.
std::string graphKickName(const std::string& graph) { return "kick-" + graph.substr(graph.find('/') + 1); }

void addWalks(std::vector<std::unique_ptr<Trial>>& trials) {
    const Pose2D origin;
    // The modes in which decision making walks, each at its own top speed.
    const struct {
        const char* name;
        WalkMode mode;
    } travelModes[] = {
        {"sprint", WalkMode::SPRINT},
        {"precise", WalkMode::PRECISE},
        {"conduct", WalkMode::CONDUCT},
        {"circle", WalkMode::CIRCLE},
    };
    for (const auto& travel : travelModes) {
        trials.push_back(
            std::make_unique<WalkTrial>(std::string("walk-forward-") + travel.name, Pose2D(0.0, -5.0, 0.0),
                                        std::vector<WalkLeg>{{{0.0, FULL, 0.0}, travel.mode, Goal::DISTANCE, 10.0}}));
    }
    // Navigation walks every other way in the sprint mode.
    const WalkMode navigation = WalkMode::SPRINT;
    trials.push_back(std::make_unique<WalkTrial>(
        "walk-backward", origin, std::vector<WalkLeg>{{{0.0, -FULL, 0.0}, navigation, Goal::DISTANCE, 3.0}}));
    trials.push_back(std::make_unique<WalkTrial>(
        "walk-sideways-left", origin, std::vector<WalkLeg>{{{0.0, 0.0, FULL}, navigation, Goal::DISTANCE, 2.0}}));
    trials.push_back(std::make_unique<WalkTrial>(
        "walk-sideways-right", origin, std::vector<WalkLeg>{{{0.0, 0.0, -FULL}, navigation, Goal::DISTANCE, 2.0}}));
    trials.push_back(std::make_unique<WalkTrial>(
        "turn-left", origin, std::vector<WalkLeg>{{{FULL, 0.0, 0.0}, navigation, Goal::TURN, MathUtils::TWO_PI}}));
    trials.push_back(std::make_unique<WalkTrial>(
        "turn-right", origin, std::vector<WalkLeg>{{{-FULL, 0.0, 0.0}, navigation, Goal::TURN, MathUtils::TWO_PI}}));
    // Half a circle, turning at a quarter of the mode's turning limit.
    trials.push_back(std::make_unique<WalkTrial>(
        "walk-arc", origin, std::vector<WalkLeg>{{{0.4, FULL, 0.0}, navigation, Goal::TURN, MathUtils::PI}}));
    std::vector<WalkLeg> stopAndGo;
    for (int time = 0; time < 5; ++time) {
        stopAndGo.push_back({{0.0, FULL, 0.0}, navigation, Goal::DURATION, 2.0});
        stopAndGo.push_back({{0.0, 0.0, 0.0}, navigation, Goal::DURATION, 1.0});
    }
    trials.push_back(std::make_unique<WalkTrial>("stop-and-go", Pose2D(0.0, -5.0, 0.0), stopAndGo));
    // Round and round a circle of 4 m radius about the centre spot.
    trials.push_back(
        std::make_unique<WalkTrial>("walk-circle", Pose2D(0.0, 0.0, -4.0),
                                    std::vector<WalkLeg>{{{0.1, 0.4, 0.0}, navigation, Goal::DURATION, 120.0}}));
    // A 4 m square, turning left on the spot at each corner.
    std::vector<WalkLeg> square;
    for (int side = 0; side < 4; ++side) {
        square.push_back({{0.0, 0.4, 0.0}, navigation, Goal::DISTANCE, 4.0});
        square.push_back({{FULL, 0.0, 0.0}, navigation, Goal::TURN, MathUtils::PI / 2.0});
    }
    trials.push_back(std::make_unique<WalkTrial>("localisation", Pose2D(0.0, -6.0, -4.0), square, true));
}

void addKicks(std::vector<std::unique_ptr<Trial>>& trials) {
    using control::keyframe::KeyframeType;
    using control::neural_network::NeuralMotionType;
    const std::string prefix = "kick-";
    trials.push_back(
        std::make_unique<KickTrial>(prefix + KeyframeType::FAST_KICK, std::make_shared<kicks::FastKick>()));
    trials.push_back(
        std::make_unique<KickTrial>(prefix + KeyframeType::BEST_KICK, std::make_shared<kicks::BestKickKeyframe>()));
    trials.push_back(std::make_unique<KickTrial>(prefix + KeyframeType::SECONDARY_KICK,
                                                 std::make_shared<kicks::KeyframeSecondaryKick>()));
    trials.push_back(std::make_unique<KickTrial>(prefix + KeyframeType::SHORT_DISTANCE_5M_KICK,
                                                 std::make_shared<kicks::ShortDistance5mKick>()));
    trials.push_back(std::make_unique<KickTrial>(prefix + KeyframeType::LONG_DISTANCE_20M_KICK,
                                                 std::make_shared<kicks::LongDistance20mKick>()));
    trials.push_back(
        std::make_unique<KickTrial>(graphKickName(NeuralMotionType::BEST_KICK), std::make_shared<kicks::BestKick>()));
    trials.push_back(std::make_unique<KickTrial>(graphKickName(NeuralMotionType::BEST_KICK_TOE),
                                                 std::make_shared<kicks::BestKickToe>()));
    for (const std::string& graph : NeuralMotionType::getDistanceKicks()) {
        // "kick/7.5m": the kick is made by its distance, "7.5".
        const std::string distance = graph.substr(graph.find('/') + 1, graph.size() - graph.find('/') - 2);
        trials.push_back(std::make_unique<KickTrial>(graphKickName(graph),
                                                     std::make_shared<kicks::StandardNaoNeuralKick>(distance)));
    }
}

} // namespace

TrialCatalogue::TrialCatalogue() {
    trials.push_back(std::make_unique<StandTrial>());
    addWalks(trials);
    using control::keyframe::KeyframeType;
    // Each with the time a get-up from that fall should take: the back and the
    // side first roll the body over.
    trials.push_back(std::make_unique<GetUpTrial>(KeyframeType::FALL_FRONT, 3.0));
    trials.push_back(std::make_unique<GetUpTrial>(KeyframeType::FALL_BACK, 4.5));
    trials.push_back(std::make_unique<GetUpTrial>(KeyframeType::FALL_RIGHT_SIDE, 5.5));
    addKicks(trials);
    trials.push_back(std::make_unique<MatchTrial>("match-half", TrialField::HALF_SECONDS));
    trials.push_back(std::make_unique<MatchTrial>("match-minute", 60.0));
}

std::vector<const Trial*> TrialCatalogue::select(const std::string& name) const {
    std::vector<const Trial*> selected;
    for (const auto& trial : trials) {
        const std::string& candidate = trial->getName();
        if (candidate == name || candidate.rfind(name + "-", 0) == 0) {
            selected.push_back(trial.get());
        }
    }
    return selected;
}

const std::vector<std::pair<std::string, int>>& TrialCatalogue::getCiSubset() {
    // What the shipped motion data passes: standing, and walks at speeds the walk holds; and a short match.
    static const std::vector<std::pair<std::string, int>> subset = {
        {"stand", 0},
        {"stand", 4},
        {"walk-forward-precise", 0},
        {"walk-forward-precise", 4},
        {"walk-circle", 0},
        {"walk-circle", 4},
        {"get-up-fallBack", 0},
        {"kick-superKickLeft", 4},
        {"match-minute", TrialFigures::OWN_BODIES},
    };
    return subset;
}

} // namespace field_trial
} // namespace tools
