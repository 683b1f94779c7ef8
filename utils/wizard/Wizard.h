#ifndef UTILS_WIZARD_WIZARD_H
#define UTILS_WIZARD_WIZARD_H

#include "communication/Communication.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "marlowinds_lib/math/RotationMatrix.h"
#include "marlowinds_lib/math/Vector3.h"
#include "representations/PlaySide.h"
#include "representations/RawPlayMode.h"
#include "utils/parser/Parser.h"
#include "utils/parser/ParserTreeNode.h"
#include "utils/wizard/AgentWizardData.h"
#include "utils/wizard/SceneGraph.h"

#include <array>
#include <atomic>
#include <bitset>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace utils {
namespace wizard {

/// A second client of the simulation server, on its monitor port: on a thread
/// of its own it reads every monitor message into the ground truth (game time,
/// scores, foul flags, the ball and up to 22 players, in the server's field
/// frame) and answers it with the trainer commands queued since, or "(syn)".
/// Getters and trainer commands may be called from any other thread.
///
/// Locks, always taken in this order: the run lock (held by the thread for a
/// whole turn), then the state lock (everything the update writes), then a
/// player record's own lock; or the run lock, then the queue lock. The state
/// and queue locks are never held together, so queuing a command never waits
/// for a message.
class Wizard {
public:
    /// The path of child indices from the message's root to a player's node.
    struct agentWithPath {
        std::vector<int> path;
        int uniformNumber;
        representations::PlaySide::PLAY_SIDE side;
    };

    /// Longest wait for a monitor message within one turn: stop() and the
    /// destructor never wait longer than this and one message's work.
    static constexpr std::chrono::milliseconds RECEIVE_WAIT{100};

    /// Borrows the link, which must outlive the wizard; starts nothing.
    explicit Wizard(communication::Communication& link);
    /// Stops the communication task and waits for it to end.
    virtual ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    /// Starts the communication task; while it runs, a further call only
    /// cancels a stop() it has not yet acted on.
    void run();
    /// Ends the communication task after the turn in progress and waits for
    /// that turn.
    void stop();
    /// False before run(), after stop(), and once the link has closed or a
    /// send has failed.
    bool isRunning() const { return running; }

    /// Reads one monitor message into the ground truth. A message that cannot
    /// be read is reported on the standard error stream and skipped; values it
    /// had already set stay.
    void update(const std::string& message);
    /// Reads the game state ("time", "foul", "score_left", "score_right") out
    /// of a node and its descendants.
    virtual void setServerDataWithTreeRecursion(const parser::ParserTreeNode& node);

    double getLastUpdateTime() const;
    // A player is its uniform number (1 to 11) and side; any other number
    // throws std::out_of_range. The forms without arguments give left number 1.
    Transform getAgentTransform(int unum = 1,
                                representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT) const;
    marlowinds_lib::math::Vector3<double>
    getAgentTranslation(int unum = 1,
                        representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT) const;
    marlowinds_lib::math::RotationMatrix
    getAgentRotation(int unum = 1, representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT) const;
    /// The torso's z axis.
    marlowinds_lib::math::Vector3<double> getAgentTorsoDirection(int unum,
                                                                 representations::PlaySide::PLAY_SIDE side) const;
    marlowinds_lib::math::Pose3D
    getAgentPose3D(int unum = 1, representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT) const;
    /// True once the monitor stream has given this player's torso; until then
    /// its pose is all zero.
    bool hasAgentPose(int unum, representations::PlaySide::PLAY_SIDE side) const;
    Transform getBallTransform() const;
    marlowinds_lib::math::Vector3<double> getBallTranslation() const;
    /// Set while the last message reported a foul of that team.
    bool getFoulLeftTeam() const;
    bool getFoulRightTeam() const;
    int getLeftScore() const;
    int getRightScore() const;
    /// The record's own getters lock it.
    AgentWizardData& getAgentData(int unum, representations::PlaySide::PLAY_SIDE side);
    /// Different uniform numbers of that side in the last full scene.
    int getNumberOfPlayers(representations::PlaySide::PLAY_SIDE side) const;

    // Trainer commands: each is queued and sent, as a frame of its own ending
    // in "(syn)", right after the next monitor message. Operands are not
    // checked; real numbers carry 17 significant digits.
    void setSendMessage(std::string command);
    void setPlayMode(representations::RawPlayMode::RAW_PLAY_MODE mode);
    void dropBall();
    void kickOff(representations::PlaySide::PLAY_SIDE side);
    void killSelectedAgent();
    void repositionSelectedAgent();
    void killSimulator();
    void setScore(int left, int right);
    void selectAgent(int unum, representations::PlaySide::PLAY_SIDE side);
    void killAgent(int unum, representations::PlaySide::PLAY_SIDE side);
    void repositionAgent(int unum, representations::PlaySide::PLAY_SIDE side);
    void setBatteryLevel(int unum, representations::PlaySide::PLAY_SIDE side, double level);
    void setTemperature(int unum, representations::PlaySide::PLAY_SIDE side, double temperature);
    void setBallPosition(const marlowinds_lib::math::Vector3<double>& position);
    void setBallVelocity(const marlowinds_lib::math::Vector3<double>& velocity);
    void setBallPositionAndVelocity(const marlowinds_lib::math::Vector3<double>& position,
                                    const marlowinds_lib::math::Vector3<double>& velocity);
    /// direction is the player's heading in radians (0 along +x, the field frame).
    void setAgentPositionAndDirection(int unum, representations::PlaySide::PLAY_SIDE side,
                                      const marlowinds_lib::math::Vector3<double>& position, double direction);
    void setAgentPositionAndDirectionAndVelocity(int unum, representations::PlaySide::PLAY_SIDE side,
                                                 const marlowinds_lib::math::Vector3<double>& position,
                                                 double direction,
                                                 const marlowinds_lib::math::Vector3<double>& velocity);
    void setGameTime(double time);

    /// x, y and z as real numbers separated by blanks.
    static std::string getVectorString(const marlowinds_lib::math::Vector3<double>& vector);

private:
    void communicationTask();
    /// One monitor message in, its answer out; false when the task must end.
    bool turn();
    void sendMessage();
    void updateElements(const parser::ParserTreeNode& root);
    void updateBall(const parser::ParserTreeNode& sceneGraph);
    void constructPaths(const parser::ParserTreeNode& node, std::vector<int>& path);
    void updatePlayers(const parser::ParserTreeNode& root);
    const AgentWizardData& agentData(int unum, representations::PlaySide::PLAY_SIDE side) const;

    std::atomic<bool> stopRequested{false};
    std::atomic<bool> running{false};
    std::thread communicationThread;
    double gameTime = 0.0;
    std::vector<std::string> outgoingCommands;
    /// The queue is swapped into this and sent outside the queue lock.
    std::vector<std::string> commandsToSend;
    std::mutex queueMutex;
    mutable std::mutex stateMutex;
    std::mutex runMutex;
    communication::Communication& link;
    parser::Parser parser;
    Transform ballTransform;
    std::array<AgentWizardData, NUMBER_OF_SLOTS> agents;
    std::vector<agentWithPath> playerPaths;
    std::bitset<NUMBER_OF_SLOTS> updatedSlots;
    bool foulLeftTeam = false;
    bool foulRightTeam = false;
    int leftScore = 0;
    int rightScore = 0;
};

} // namespace wizard
} // namespace utils

#endif
