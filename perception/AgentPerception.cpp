#include "perception/AgentPerception.h"

#include "perception/AccelerometerPerceptor.h"
#include "perception/AgentStatePerceptor.h"
#include "perception/ForceResistancePerceptor.h"
#include "perception/GameStatePerceptor.h"
#include "perception/GlobalTimePerceptor.h"
#include "perception/GyroRatePerceptor.h"
#include "perception/HearPerceptor.h"
#include "perception/VisionPerceptor.h"

#include <iterator>
#include <utility>

namespace perception {

AgentPerception::AgentPerception(std::string teamName) : teamName(std::move(teamName)) {
    visibleObjects.reserve(EXPECTED_VISIBLE_OBJECTS);
    hingeJoints.reserve(representations::NaoJoints::NUMBER_OF_JOINTS);
}

void AgentPerception::update(std::vector<std::unique_ptr<Perceptor>>& perceptors, Message message) {
    visibleObjects.clear();
    visionReceived = false;
    hingeJoints.clear();
    if (message == Message::WHOLE) {
        leftFoot = representations::ForceResistanceData();
        rightFoot = representations::ForceResistanceData();
    }

    for (const std::unique_ptr<Perceptor>& perceptor : perceptors) {
        // The type selects the reading; the cast guards against a perceptor
        // whose class does not match its type.
        Perceptor* const base = perceptor.get();
        switch (base == nullptr ? PerceptorType::NONE : base->getPerceptorType()) {
        case PerceptorType::ACC:
            if (const auto* accelerometer = dynamic_cast<const AccelerometerPerceptor*>(base)) {
                torsoAcceleration = accelerometer->getAcceleration();
            }
            break;
        case PerceptorType::AGENT_STATE:
            if (const auto* state = dynamic_cast<const AgentStatePerceptor*>(base)) {
                batteryPercentage = state->getBattery();
                temperature = state->getTemperature();
            }
            break;
        case PerceptorType::FRP:
            if (const auto* force = dynamic_cast<const ForceResistancePerceptor*>(base)) {
                if (force->getName() == "lf") {
                    leftFoot = force->getForceResistanceData();
                } else if (force->getName() == "rf") {
                    rightFoot = force->getForceResistanceData();
                }
            }
            break;
        case PerceptorType::GS:
            if (const auto* game = dynamic_cast<const GameStatePerceptor*>(base)) {
                gameState = representations::GameState(game->getGameTime(), game->getScoreLeft(), game->getScoreRight(),
                                                       game->getPlayMode());
                if (game->isFirstTime()) {
                    uniformNumber = game->getUniformNumber();
                    playSide = game->getPlaySide();
                }
            }
            break;
        case PerceptorType::TIME:
            if (const auto* time = dynamic_cast<const GlobalTimePerceptor*>(base)) {
                globalTime = time->getGlobalTime();
            }
            break;
        case PerceptorType::GYR:
            if (const auto* gyroscope = dynamic_cast<const GyroRatePerceptor*>(base)) {
                torsoAngularVelocities = gyroscope->getAngularVelocity();
            }
            break;
        case PerceptorType::HEAR:
            if (const auto* hear = dynamic_cast<const HearPerceptor*>(base)) {
                if (hear->getTeam() == teamName) {
                    hearData = representations::HearData(hear->getTeam(), hear->getTime(), hear->isFromSelf(),
                                                         hear->getDirection(), hear->getMessage());
                }
            }
            break;
        case PerceptorType::SEE:
            if (auto* vision = dynamic_cast<VisionPerceptor*>(base)) {
                // A later vision group replaces an earlier one.
                visibleObjects.clear();
                auto& seen = vision->getVisibleObjects();
                visibleObjects.insert(visibleObjects.end(), std::make_move_iterator(seen.begin()),
                                      std::make_move_iterator(seen.end()));
                seen.clear();
                visionReceived = true;
            }
            break;
        case PerceptorType::HJ:
            if (const auto* joint = dynamic_cast<const HingeJointPerceptor*>(base)) {
                hingeJoints.push_back(*joint);
            }
            break;
        case PerceptorType::TCH:
        case PerceptorType::UJ:
        case PerceptorType::NONE:
            break;
        }
    }
    if (message == Message::WHOLE) {
        naoJoints.assign(hingeJoints);
    } else {
        naoJoints.storeReadings(hingeJoints);
    }
}

} // namespace perception
