#include "control/keyframe/manager/KeyframePageLoader.h"

#include "control/keyframe/LinearKeyframePage.h"
#include "control/keyframe/SplineKeyframePage.h"

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace control {
namespace keyframe {
namespace manager {

namespace {

using representations::NaoJoints;
using Tree = KeyframePageLoader::Tree;

struct JointKey {
    const char* key;
    NaoJoints::HINGE_JOINTS joint;
};

const JointKey JOINT_KEYS[NaoJoints::NUMBER_OF_JOINTS] = {
    {"neckYaw", NaoJoints::NECK_YAW},
    {"neckPitch", NaoJoints::NECK_PITCH},
    {"leftShoulderPitch", NaoJoints::LEFT_SHOULDER_PITCH},
    {"leftShoulderYaw", NaoJoints::LEFT_SHOULDER_YAW},
    {"leftArmRoll", NaoJoints::LEFT_ARM_ROLL},
    {"leftArmYaw", NaoJoints::LEFT_ARM_YAW},
    {"leftHipYawpitch", NaoJoints::LEFT_HIP_YAWPITCH},
    {"leftHipRoll", NaoJoints::LEFT_HIP_ROLL},
    {"leftHipPitch", NaoJoints::LEFT_HIP_PITCH},
    {"leftKneePitch", NaoJoints::LEFT_KNEE_PITCH},
    {"leftFootPitch", NaoJoints::LEFT_FOOT_PITCH},
    {"leftFootRoll", NaoJoints::LEFT_FOOT_ROLL},
    {"rightShoulderPitch", NaoJoints::RIGHT_SHOULDER_PITCH},
    {"rightShoulderYaw", NaoJoints::RIGHT_SHOULDER_YAW},
    {"rightArmRoll", NaoJoints::RIGHT_ARM_ROLL},
    {"rightArmYaw", NaoJoints::RIGHT_ARM_YAW},
    {"rightHipYawpitch", NaoJoints::RIGHT_HIP_YAWPITCH},
    {"rightHipRoll", NaoJoints::RIGHT_HIP_ROLL},
    {"rightHipPitch", NaoJoints::RIGHT_HIP_PITCH},
    {"rightKneePitch", NaoJoints::RIGHT_KNEE_PITCH},
    {"rightFootPitch", NaoJoints::RIGHT_FOOT_PITCH},
    {"rightFootRoll", NaoJoints::RIGHT_FOOT_ROLL},
};

double readNumber(const Tree& value, const std::string& key) {
    const auto number = value.get_value_optional<double>();
    if (!number || !std::isfinite(*number)) {
        throw std::invalid_argument("\"" + key + "\" must be a finite number, not \"" + value.data() + "\"");
    }
    return *number;
}

bool readBoolean(const Tree& value, const std::string& key) {
    const auto flag = value.get_value_optional<bool>();
    if (!flag) {
        throw std::invalid_argument("\"" + key + "\" must be true or false, not \"" + value.data() + "\"");
    }
    return *flag;
}

/// The members every page has, whatever its kind.
struct PageHeader {
    std::string name;
    double speedRate = 1.0;
};

PageHeader readHeader(const Tree& content) {
    PageHeader header;
    for (const auto& [key, value] : content) {
        if (key == "name") {
            header.name = value.data();
        } else if (key == "speedRate") {
            header.speedRate = readNumber(value, key);
        }
    }
    return header;
}

} // namespace

bool KeyframePageLoader::isComplexPage(const Tree& content) { return content.count("complex") > 0; }

std::shared_ptr<KeyframePage> KeyframePageLoader::initializeAndLoadSimplePage(const Tree& content) {
    const PageHeader header = readHeader(content);
    bool spline = false;
    std::vector<KeyframeStep> steps;
    for (const auto& [key, value] : content) {
        if (key == "interpolator") {
            spline = value.data() == "spline";
        } else if (key == "steps") {
            steps.clear();
            for (const auto& element : value) {
                readWithContext("step " + std::to_string(steps.size() + 1),
                                [&] { steps.push_back(generateStep(element.second)); });
            }
        }
    }
    if (spline) {
        return std::make_shared<SplineKeyframePage>(header.name, header.speedRate, std::move(steps));
    }
    return std::make_shared<LinearKeyframePage>(header.name, header.speedRate, std::move(steps));
}

KeyframeStep KeyframePageLoader::generateStep(const Tree& step) {
    if (!step.data().empty()) {
        throw std::invalid_argument("not an object of joint angles and \"delta\"");
    }
    KeyframeStep result;
    for (const auto& [key, value] : step) {
        if (key == "delta") {
            result.duration = readNumber(value, key);
            continue;
        }
        for (const JointKey& jointKey : JOINT_KEYS) {
            if (key == jointKey.key) {
                result.joints.setValue(jointKey.joint, readNumber(value, key));
            }
        }
    }
    return result;
}

std::shared_ptr<ComplexKeyframePage> KeyframePageLoader::initializeComplexPage(const Tree& content) {
    const PageHeader header = readHeader(content);
    return std::make_shared<ComplexKeyframePage>(header.name, header.speedRate);
}

void KeyframePageLoader::loadComplexPage(const Tree& content, ComplexKeyframePage& page, const Pages& pages) {
    const Tree* entries = nullptr;
    for (const auto& [key, value] : content) {
        if (key == "pages") {
            entries = &value;
        }
    }
    if (entries == nullptr || entries->empty()) {
        throw std::invalid_argument("complex page \"" + page.getName() + "\" has no \"pages\"");
    }
    std::size_t index = 0;
    for (const auto& element : *entries) {
        readWithContext("sub-page " + std::to_string(++index), [&] {
            std::string name;
            bool inverted = false;
            double speedRate = 1.0;
            for (const auto& [key, value] : element.second) {
                if (key == "name") {
                    name = value.data();
                } else if (key == "inverted") {
                    inverted = readBoolean(value, key);
                } else if (key == "speedRate") {
                    speedRate = readNumber(value, key);
                }
            }
            const auto found = pages.find(name);
            if (found == pages.end()) {
                throw std::invalid_argument("\"" + name + "\" is not loaded: no page file defines it");
            }
            page.addPage(found->second, inverted, speedRate);
        });
    }
}

} // namespace manager
} // namespace keyframe
} // namespace control
