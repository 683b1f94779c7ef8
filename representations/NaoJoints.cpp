#include "representations/NaoJoints.h"

#include <algorithm>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>
#include <boost/range/iterator_range.hpp>
#include <cmath>
#include <locale>
#include <sstream>

namespace representations {

struct NaoJoints::JointRow {
    double NaoJoints::*field;
    const char* label;
    double sign;
    HINGE_JOINTS mirror;
    double mirrorFactor;
};

// In HINGE_JOINTS order. The mirror column says which joint of the other side a
// joint takes its value from, and whether that value flips sign. The elbows
// (arm yaw) flip: the left one bends to negative angles and the right one to
// positive ones, so a copied bend would lie outside the other elbow's range.
const NaoJoints::JointRow NaoJoints::JOINTS[NUMBER_OF_JOINTS] = {
    {&NaoJoints::neckYaw, "neckYaw:", 0.0, NECK_YAW, 0.0},
    {&NaoJoints::neckPitch, "neckPitch:", 0.0, NECK_PITCH, 0.0},
    {&NaoJoints::leftShoulderPitch, "leftShoulderPitch:", -1.0, RIGHT_SHOULDER_PITCH, 1.0},
    {&NaoJoints::leftShoulderYaw, "leftShoulderYaw:", 1.0, RIGHT_SHOULDER_YAW, -1.0},
    {&NaoJoints::leftArmRoll, "leftArmRoll:", 1.0, RIGHT_ARM_ROLL, 1.0},
    {&NaoJoints::leftArmYaw, "leftArmYaw:", 1.0, RIGHT_ARM_YAW, -1.0},
    {&NaoJoints::rightShoulderPitch, "rightShoulderPitch:", -1.0, LEFT_SHOULDER_PITCH, 1.0},
    {&NaoJoints::rightShoulderYaw, "rightShoulderYaw: ", 1.0, LEFT_SHOULDER_YAW, -1.0},
    {&NaoJoints::rightArmRoll, "rightArmRoll:", 1.0, LEFT_ARM_ROLL, 1.0},
    {&NaoJoints::rightArmYaw, "rightArmYaw:", 1.0, LEFT_ARM_YAW, -1.0},
    {&NaoJoints::leftHipYawPitch, "leftHipYawPitch:", -1.0, RIGHT_HIP_YAWPITCH, -1.0},
    {&NaoJoints::leftHipRoll, "leftHipRoll:", 1.0, RIGHT_HIP_ROLL, -1.0},
    {&NaoJoints::leftHipPitch, "leftHipPitch:", -1.0, RIGHT_HIP_PITCH, 1.0},
    {&NaoJoints::leftKneePitch, "leftKneePitch:", -1.0, RIGHT_KNEE_PITCH, 1.0},
    {&NaoJoints::leftFootPitch, "leftFootPitch:", -1.0, RIGHT_FOOT_PITCH, 1.0},
    {&NaoJoints::leftFootRoll, "leftFootRoll:", 1.0, RIGHT_FOOT_ROLL, -1.0},
    {&NaoJoints::rightHipYawPitch, "rightHipYawPitch:", 1.0, LEFT_HIP_YAWPITCH, -1.0},
    {&NaoJoints::rightHipRoll, "rightHipRoll:", 1.0, LEFT_HIP_ROLL, -1.0},
    {&NaoJoints::rightHipPitch, "rightHipPitch:", -1.0, LEFT_HIP_PITCH, 1.0},
    {&NaoJoints::rightKneePitch, "rightKneePitch:", -1.0, LEFT_KNEE_PITCH, 1.0},
    {&NaoJoints::rightFootPitch, "rightFootPitch:", -1.0, LEFT_FOOT_PITCH, 1.0},
    {&NaoJoints::rightFootRoll, "rightFootRoll:", 1.0, LEFT_FOOT_ROLL, -1.0},
};

// The sensors list the left leg before the right arm.
const NaoJoints::HINGE_JOINTS NaoJoints::PERCEPTOR_TO_JOINT[NUMBER_OF_JOINTS] = {
    NECK_YAW,         NECK_PITCH,         LEFT_SHOULDER_PITCH,  LEFT_SHOULDER_YAW,  LEFT_ARM_ROLL,
    LEFT_ARM_YAW,     LEFT_HIP_YAWPITCH,  LEFT_HIP_ROLL,        LEFT_HIP_PITCH,     LEFT_KNEE_PITCH,
    LEFT_FOOT_PITCH,  LEFT_FOOT_ROLL,     RIGHT_SHOULDER_PITCH, RIGHT_SHOULDER_YAW, RIGHT_ARM_ROLL,
    RIGHT_ARM_YAW,    RIGHT_HIP_YAWPITCH, RIGHT_HIP_ROLL,       RIGHT_HIP_PITCH,    RIGHT_KNEE_PITCH,
    RIGHT_FOOT_PITCH, RIGHT_FOOT_ROLL,
};

namespace {

// Joint sensor names by sensor number.
const char* const PERCEPTOR_NAMES[NaoJoints::NUMBER_OF_JOINTS] = {
    "hj1",  "hj2",  "laj1", "laj2", "laj3", "laj4", "llj1", "llj2", "llj3", "llj4", "llj5",
    "llj6", "raj1", "raj2", "raj3", "raj4", "rlj1", "rlj2", "rlj3", "rlj4", "rlj5", "rlj6",
};

bool isValidJoint(int joint) { return joint >= 0 && joint < NaoJoints::NUMBER_OF_JOINTS; }

} // namespace

NaoJoints::NaoJoints(const std::vector<double>& values) {
    const std::size_t count = std::min<std::size_t>(values.size(), NUMBER_OF_JOINTS);
    for (std::size_t i = 0; i < count; ++i) {
        this->*JOINTS[i].field = values[i];
    }
}

int NaoJoints::getPerceptorJointNumber(const std::string& name) {
    // One facet for the whole search: asking the locale once per character
    // cost half of a cycle's perception.
    const std::locale locale;
    const auto& classes = std::use_facet<std::ctype<char>>(locale);
    const auto trimmed = boost::algorithm::trim_copy_if(
        boost::make_iterator_range(name), [&classes](char c) { return classes.is(std::ctype_base::space, c); });
    const auto sameLetter = [&classes](char a, char b) { return classes.toupper(a) == classes.toupper(b); };
    for (int number = 0; number < NUMBER_OF_JOINTS; ++number) {
        const char* const candidate = PERCEPTOR_NAMES[number];
        if (std::equal(trimmed.begin(), trimmed.end(), candidate, candidate + std::char_traits<char>::length(candidate),
                       sameLetter)) {
            return number;
        }
    }
    return UNKNOWN_PERCEPTOR_JOINT;
}

void NaoJoints::clear() { *this = NaoJoints(); }

NaoJoints NaoJoints::operator+(const NaoJoints& other) const {
    NaoJoints result;
    for (const JointRow& row : JOINTS) {
        result.*row.field = this->*row.field + other.*row.field;
    }
    return result;
}

NaoJoints NaoJoints::operator-(const NaoJoints& other) const {
    NaoJoints result;
    for (const JointRow& row : JOINTS) {
        result.*row.field = this->*row.field - other.*row.field;
    }
    return result;
}

NaoJoints NaoJoints::operator*(double factor) const {
    NaoJoints result = *this;
    result.scale(factor);
    return result;
}

void NaoJoints::scale(double factor) {
    for (const JointRow& row : JOINTS) {
        this->*row.field *= factor;
    }
}

NaoJoints NaoJoints::operator*(const NaoJoints& other) const {
    NaoJoints result = *this;
    result *= other;
    return result;
}

NaoJoints& NaoJoints::operator*=(const NaoJoints& other) {
    for (const JointRow& row : JOINTS) {
        this->*row.field *= other.*row.field;
    }
    return *this;
}

double NaoJoints::lInfiniteNorm() const {
    double norm = 0.0;
    for (int joint = LEFT_SHOULDER_PITCH; joint < NUMBER_OF_JOINTS; ++joint) {
        const double magnitude = std::fabs(this->*JOINTS[joint].field);
        if (std::isnan(magnitude)) {
            return magnitude;
        }
        norm = std::max(norm, magnitude);
    }
    return norm;
}

double NaoJoints::getValue(HINGE_JOINTS joint) const { return isValidJoint(joint) ? this->*JOINTS[joint].field : 0.0; }

void NaoJoints::setValue(HINGE_JOINTS joint, double value) {
    if (isValidJoint(joint)) {
        this->*JOINTS[joint].field = value;
    }
}

NaoJoints NaoJoints::getNaoDirectionsFixing() {
    NaoJoints signs;
    for (const JointRow& row : JOINTS) {
        signs.*row.field = row.sign;
    }
    return signs;
}

NaoJoints NaoJoints::getSimetricPositions(const NaoJoints& posture) {
    NaoJoints mirrored;
    for (const JointRow& row : JOINTS) {
        mirrored.*row.field = row.mirrorFactor * posture.*JOINTS[row.mirror].field;
    }
    return mirrored;
}

std::vector<double> NaoJoints::getAsVector() const {
    std::vector<double> values;
    values.reserve(NUMBER_OF_JOINTS);
    for (const JointRow& row : JOINTS) {
        values.push_back(this->*row.field);
    }
    return values;
}

std::map<NaoJoints::HINGE_JOINTS, double> NaoJoints::getAsMap() const {
    std::map<HINGE_JOINTS, double> values;
    for (int joint = 0; joint < NUMBER_OF_JOINTS; ++joint) {
        values.emplace_hint(values.end(), static_cast<HINGE_JOINTS>(joint), this->*JOINTS[joint].field);
    }
    return values;
}

std::string NaoJoints::toSimpleString() const {
    std::ostringstream text;
    for (const JointRow& row : JOINTS) {
        text << this->*row.field << ' ';
    }
    return text.str();
}

std::string NaoJoints::toString() const {
    std::string text;
    for (const JointRow& row : JOINTS) {
        text += row.label;
        text += boost::lexical_cast<std::string>(this->*row.field);
        text += '\n';
    }
    return text;
}

} // namespace representations
