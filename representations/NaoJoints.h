#ifndef REPRESENTATIONS_NAOJOINTS_H
#define REPRESENTATIONS_NAOJOINTS_H

#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace representations {

namespace detail {
/// True for a container whose elements offer getName() and getAngle().
template <typename Container, typename = void> struct IsPerceptorContainer : std::false_type {};
template <typename Container>
struct IsPerceptorContainer<Container, std::void_t<decltype(std::declval<Container&>().begin()->getName()),
                                                   decltype(std::declval<Container&>().begin()->getAngle())>>
    : std::true_type {};
} // namespace detail

/// The 22 hinge-joint values of the NAO (radians, or rad/s when the vector
/// carries speeds). Every access by joint goes through HINGE_JOINTS.
class NaoJoints {
public:
    /// The order of the server's joint effectors. The fixed underlying type keeps
    /// numbers outside 0..21 well-defined, so that getValue/setValue can reject them.
    enum HINGE_JOINTS : int {
        NECK_YAW = 0,
        NECK_PITCH = 1,
        LEFT_SHOULDER_PITCH = 2,
        LEFT_SHOULDER_YAW = 3,
        LEFT_ARM_ROLL = 4,
        LEFT_ARM_YAW = 5,
        RIGHT_SHOULDER_PITCH = 6,
        RIGHT_SHOULDER_YAW = 7,
        RIGHT_ARM_ROLL = 8,
        RIGHT_ARM_YAW = 9,
        LEFT_HIP_YAWPITCH = 10,
        LEFT_HIP_ROLL = 11,
        LEFT_HIP_PITCH = 12,
        LEFT_KNEE_PITCH = 13,
        LEFT_FOOT_PITCH = 14,
        LEFT_FOOT_ROLL = 15,
        RIGHT_HIP_YAWPITCH = 16,
        RIGHT_HIP_ROLL = 17,
        RIGHT_HIP_PITCH = 18,
        RIGHT_KNEE_PITCH = 19,
        RIGHT_FOOT_PITCH = 20,
        RIGHT_FOOT_ROLL = 21,
    };

    static constexpr int NUMBER_OF_JOINTS = 22;
    /// What getPerceptorJointNumber gives for a name that is no joint sensor.
    static constexpr int UNKNOWN_PERCEPTOR_JOINT = 22;

    NaoJoints() = default;
    /// Element i becomes joint i; extra elements are ignored, missing joints stay 0.
    explicit NaoJoints(const std::vector<double>& values);

    /// From joint perceptors: any container whose elements offer getName() and
    /// getAngle(). Kept generic so that this type does not depend on perception.
    template <typename Container,
              typename = std::enable_if_t<detail::IsPerceptorContainer<std::remove_reference_t<Container>>::value>>
    explicit NaoJoints(Container&& perceptors) {
        assign(perceptors);
    }

    /// Zeroes all joints, then stores the perceptors' angles (storeReadings).
    template <typename Container> void assign(Container& perceptors) {
        clear();
        storeReadings(perceptors);
    }

    /// Stores each perceptor's angle under the joint its name selects; unknown
    /// names are skipped, a later reading of a joint wins, and the joints no
    /// perceptor names keep their values.
    template <typename Container> void storeReadings(Container& perceptors) {
        for (auto& perceptor : perceptors) {
            const int number = getPerceptorJointNumber(perceptor.getName());
            if (number >= 0 && number < NUMBER_OF_JOINTS) {
                setValue(PERCEPTOR_TO_JOINT[number], perceptor.getAngle());
            }
        }
    }

    /// The joint sensors' numbering ("hj1" 0, "hj2" 1, "laj1".."laj4" 2..5,
    /// "llj1".."llj6" 6..11, "raj1".."raj4" 12..15, "rlj1".."rlj6" 16..21): the
    /// name is trimmed and compared without case; anything else gives 22.
    static int getPerceptorJointNumber(const std::string& name);

    void clear();

    NaoJoints operator+(const NaoJoints& other) const;
    NaoJoints operator-(const NaoJoints& other) const;
    NaoJoints operator*(double factor) const;
    void scale(double factor);
    /// Element-wise product, used with the sign vector to flip single joints.
    NaoJoints operator*(const NaoJoints& other) const;
    NaoJoints& operator*=(const NaoJoints& other);

    /// The largest absolute value over all joints but the neck; NaN when one of them is NaN.
    double lInfiniteNorm() const;

    /// 0.0 for a number outside 0..21.
    double getValue(HINGE_JOINTS joint) const;
    /// Ignores a number outside 0..21.
    void setValue(HINGE_JOINTS joint, double value);

    /// The per-joint factor between the motion engines' joint directions and the server's.
    static NaoJoints getNaoDirectionsFixing();
    /// The left/right mirror of a posture; the neck becomes 0.
    static NaoJoints getSimetricPositions(const NaoJoints& posture);

    std::vector<double> getAsVector() const;
    std::map<HINGE_JOINTS, double> getAsMap() const;
    /// The values in joint order, each followed by a blank.
    std::string toSimpleString() const;
    /// One "label value" line per joint, values at full precision.
    std::string toString() const;

private:
    /// Per joint: its field, label, sign and mirror partner.
    struct JointRow;
    static const JointRow JOINTS[NUMBER_OF_JOINTS];
    static const HINGE_JOINTS PERCEPTOR_TO_JOINT[NUMBER_OF_JOINTS];

    double neckPitch = 0.0;
    double neckYaw = 0.0;
    double leftShoulderPitch = 0.0;
    double leftShoulderYaw = 0.0;
    double leftArmRoll = 0.0;
    double leftArmYaw = 0.0;
    double rightShoulderPitch = 0.0;
    double rightShoulderYaw = 0.0;
    double rightArmRoll = 0.0;
    double rightArmYaw = 0.0;
    double leftHipYawPitch = 0.0;
    double leftHipRoll = 0.0;
    double leftHipPitch = 0.0;
    double leftKneePitch = 0.0;
    double leftFootPitch = 0.0;
    double leftFootRoll = 0.0;
    double rightHipYawPitch = 0.0;
    double rightHipRoll = 0.0;
    double rightHipPitch = 0.0;
    double rightKneePitch = 0.0;
    double rightFootPitch = 0.0;
    double rightFootRoll = 0.0;
};

} // namespace representations

#endif
