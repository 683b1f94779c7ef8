#include "perception/PerceptorFactory.h"

#include "perception/AccelerometerPerceptor.h"
#include "perception/AgentStatePerceptor.h"
#include "perception/ForceResistancePerceptor.h"
#include "perception/GameStatePerceptor.h"
#include "perception/GlobalTimePerceptor.h"
#include "perception/GroupReader.h"
#include "perception/GyroRatePerceptor.h"
#include "perception/HearPerceptor.h"
#include "perception/HingeJointPerceptor.h"
#include "perception/MalformedGroupError.h"
#include "perception/TouchPerceptor.h"
#include "perception/UniversalJointPerceptor.h"
#include "perception/VisionPerceptor.h"

#include <string_view>

namespace perception {

namespace {

/// A full message has about forty groups.
constexpr std::size_t EXPECTED_GROUPS = 64;

std::unique_ptr<Perceptor> makePerceptor(const utils::parser::ParserTreeNode& group, MalformedInputReporter& reporter) {
    const std::string_view text = group.value;
    switch (PerceptorType::identifyType(text.substr(0, text.find(' ')))) {
    case PerceptorType::GYR:
        return std::make_unique<GyroRatePerceptor>(group);
    case PerceptorType::HJ:
        return std::make_unique<HingeJointPerceptor>(group);
    case PerceptorType::UJ:
        return std::make_unique<UniversalJointPerceptor>(group);
    case PerceptorType::TCH:
        return std::make_unique<TouchPerceptor>(group);
    case PerceptorType::FRP:
        return std::make_unique<ForceResistancePerceptor>(group);
    case PerceptorType::ACC:
        return std::make_unique<AccelerometerPerceptor>(group);
    case PerceptorType::SEE:
        return std::make_unique<VisionPerceptor>(group, reporter);
    case PerceptorType::GS:
        return std::make_unique<GameStatePerceptor>(group);
    case PerceptorType::AGENT_STATE:
        return std::make_unique<AgentStatePerceptor>(group);
    case PerceptorType::HEAR:
        return std::make_unique<HearPerceptor>(group);
    case PerceptorType::TIME:
        return std::make_unique<GlobalTimePerceptor>(group);
    case PerceptorType::NONE:
        break;
    }
    return nullptr;
}

} // namespace

PerceptorFactory::PerceptorFactory() { perceptors.reserve(EXPECTED_GROUPS); }

void PerceptorFactory::update(utils::parser::ParserTreeNode& root) {
    perceptors.clear();
    skipped = false;
    for (utils::parser::ParserTreeNode& group : root.children) {
        GroupReader::trimInPlace(group.value);
        try {
            if (auto perceptor = makePerceptor(group, reporter)) {
                perceptors.push_back(std::move(perceptor));
            }
        } catch (const MalformedGroupError& error) {
            skipped = true;
            reporter.reportSkippedGroup("PerceptorFactory", error, group);
        }
    }
}

} // namespace perception
