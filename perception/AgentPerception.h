#ifndef PERCEPTION_AGENTPERCEPTION_H
#define PERCEPTION_AGENTPERCEPTION_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/HingeJointPerceptor.h"
#include "perception/Perceptor.h"
#include "perception/VisibleObject.h"
#include "representations/ForceResistanceData.h"
#include "representations/GameState.h"
#include "representations/HearData.h"
#include "representations/MarlowindsConstants.h"
#include "representations/NaoJoints.h"
#include "representations/PlaySide.h"

#include <memory>
#include <string>
#include <vector>

namespace perception {

/// Everything perceived in the current cycle. A reading keeps its last value
/// until a group of its kind arrives again, except the visible objects and the
/// vision flag, which start from nothing every cycle, and the joint angles and
/// both feet's force data, which start from nothing with every whole message:
/// the server sends a foot's pressure only while the foot touches the ground.
class AgentPerception {
public:
    /// Whether a message reached perception as the server sent it. A damaged
    /// one gives only what it holds: each joint angle and foot force it lost
    /// keeps its last reading, as the other readings do, for the body has not
    /// moved by much in one cycle, while a joint read as 0 would be driven hard
    /// from the wrong angle. What it holds of vision and hearing is used as
    /// from a whole one.
    enum class Message { WHOLE, DAMAGED };

    /// Heard messages are kept only from the team of this name.
    explicit AgentPerception(std::string teamName = representations::MarlowindsConstants::TEAM_DEFAULT_NAME);
    virtual ~AgentPerception() = default;
    AgentPerception(const AgentPerception&) = delete;
    AgentPerception& operator=(const AgentPerception&) = delete;

    /// Folds one message's perceptors into the snapshot; takes over the
    /// objects of its vision perceptors.
    void update(std::vector<std::unique_ptr<Perceptor>>& perceptors, Message message = Message::WHOLE);

    /// Set from a game-state group that carried the uniform number, then kept.
    int getUniformNumber() const { return uniformNumber; }
    const representations::GameState& getGameState() const { return gameState; }
    /// A representations::PlaySide::PLAY_SIDE value, set with the uniform number.
    int getPlaySide() const { return playSide; }
    /// Always 0: the play mode is read from getGameState().
    int getPlayMode() const { return 0; }
    /// Radians, in joint effector order.
    const representations::NaoJoints& getNaoJoints() const { return naoJoints; }
    double getTemperature() const { return temperature; }
    double getBatteryPercentage() const { return batteryPercentage; }
    /// The server's clock, seconds.
    double getGlobalTime() const { return globalTime; }
    /// m/s².
    const marlowinds_lib::math::Vector3<double>& getTorsoAcceleration() const { return torsoAcceleration; }
    /// rad/s.
    const marlowinds_lib::math::Vector3<double>& getTorsoAngularVelocities() const { return torsoAngularVelocities; }
    const representations::ForceResistanceData& getLeftFootForceResistanceData() const { return leftFoot; }
    const representations::ForceResistanceData& getRightFootForceResistanceData() const { return rightFoot; }
    /// The objects seen in this cycle, in message order, owned here until the
    /// next update. Readers borrow them (object.get()) and may move them into
    /// another frame with transformPosition; they must not keep the pointers
    /// past the cycle.
    const std::vector<std::unique_ptr<VisibleObject>>& getVisibleObjects() const { return visibleObjects; }
    /// Whether this cycle's message carried vision (every third cycle).
    bool receivedVisionUpdate() const { return visionReceived; }
    /// The last message heard from the own team, undecoded.
    const representations::HearData& getHearData() const { return hearData; }

private:
    /// Visible objects of one message; the camera rarely sees more.
    static constexpr std::size_t EXPECTED_VISIBLE_OBJECTS = 32;

    std::string teamName;
    int uniformNumber = 0;
    representations::GameState gameState;
    int playSide = representations::PlaySide::UNKNOWN;
    representations::NaoJoints naoJoints;
    double temperature = 0.0;
    double globalTime = 0.0;
    marlowinds_lib::math::Vector3<double> torsoAngularVelocities;
    marlowinds_lib::math::Vector3<double> torsoAcceleration;
    std::vector<std::unique_ptr<VisibleObject>> visibleObjects;
    bool visionReceived = false;
    representations::ForceResistanceData leftFoot;
    representations::ForceResistanceData rightFoot;
    representations::HearData hearData;
    double batteryPercentage = 0.0;
    /// The cycle's joint readings; kept to reuse its storage.
    std::vector<HingeJointPerceptor> hingeJoints;
};

} // namespace perception

#endif
