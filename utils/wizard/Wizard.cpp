#include "utils/wizard/Wizard.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <boost/lexical_cast.hpp>

#include <exception>
#include <iostream>
#include <set>
#include <stdexcept>
#include <utility>

namespace utils {
namespace wizard {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using representations::PlaySide;
using representations::RawPlayMode;

const std::string SYNCHRONIZE = "(syn)";
const std::string NODE = "nd";
const std::string TRANSFORM = "SLT";

constexpr std::size_t ENVIRONMENT = 0;
constexpr std::size_t SCENE_GRAPH = 2;
constexpr std::size_t MESSAGE_GROUPS = 3;
/// The ball is the 36th node of the soccer scene's graph.
constexpr int BALL_NODE = 36;
/// The node naming a player's number material lies this many levels below the player's node.
constexpr std::size_t PLAYER_NODE_DEPTH = 4;
/// The foul kind that the server reports with the team after it.
const std::string FOUL_WITH_TEAM = "6";
const std::string LEFT_TEAM = "1";

bool isUniformNumber(int unum) { return unum >= 1 && unum <= TEAM_SIZE; }

int slotOf(int unum, PlaySide::PLAY_SIDE side) {
    if (!isUniformNumber(unum)) {
        throw std::out_of_range("no player has the uniform number " + std::to_string(unum));
    }
    return getAgentNumber(unum, side);
}

RotationMatrix rotationOf(const Transform& transform) {
    return {columnOf(transform, 0), columnOf(transform, 1), columnOf(transform, 2)};
}

std::string real(double value) { return boost::lexical_cast<std::string>(value); }

std::string player(int unum, PlaySide::PLAY_SIDE side) {
    return "(unum " + std::to_string(unum) + ") (team " + PlaySide::toString(side) + ")";
}

std::string playModeName(RawPlayMode::RAW_PLAY_MODE mode) {
    for (const auto& [name, value] : RawPlayMode::fromStringToRawPlayMode) {
        if (value == mode) {
            return name;
        }
    }
    return "NONE";
}

/// The server turns a player by this many degrees from facing +y.
std::string serverDirection(double heading) {
    return real(MathUtils::radiansToDegrees(MathUtils::normalizeAngle(heading) - MathUtils::PI / 2.0));
}

} // namespace

Wizard::Wizard(communication::Communication& link) : link(link), ballTransform(Transform::Zero()) {}

Wizard::~Wizard() {
    stop();
    if (communicationThread.joinable()) {
        communicationThread.join();
    }
}

void Wizard::run() {
    std::lock_guard<std::mutex> lock(runMutex);
    stopRequested = false;
    if (running) {
        return;
    }
    // An ended task has released the run lock for good, so joining here is quick.
    if (communicationThread.joinable()) {
        communicationThread.join();
    }
    running = true;
    communicationThread = std::thread(&Wizard::communicationTask, this);
}

void Wizard::stop() {
    stopRequested = true;
    std::lock_guard<std::mutex> waitForTheTurn(runMutex);
}

void Wizard::communicationTask() {
    while (true) {
        std::lock_guard<std::mutex> lock(runMutex);
        bool goOn = false;
        try {
            goOn = !stopRequested && turn();
        } catch (const std::exception& error) {
            std::cerr << "(Wizard) " << error.what() << std::endl;
        }
        if (!goOn) {
            running = false;
            return;
        }
    }
}

bool Wizard::turn() {
    if (!link.waitForMessage(RECEIVE_WAIT)) {
        return true;
    }
    link.receiveMessage();
    if (link.connectionClosed()) {
        std::cerr << "(Wizard) the monitor connection has ended" << std::endl;
        return false;
    }
    update(link.getCurrentMessage());
    sendMessage();
    return true;
}

void Wizard::sendMessage() {
    // What a failed send left is not sent again after a restart.
    commandsToSend.clear();
    {
        std::lock_guard<std::mutex> lock(queueMutex);
        std::swap(outgoingCommands, commandsToSend);
    }
    if (commandsToSend.empty()) {
        link.sendMessage(SYNCHRONIZE);
        return;
    }
    for (std::string& command : commandsToSend) {
        command += SYNCHRONIZE;
        link.sendMessage(command);
    }
}

void Wizard::setSendMessage(std::string command) {
    std::lock_guard<std::mutex> lock(queueMutex);
    outgoingCommands.push_back(std::move(command));
}

void Wizard::update(const std::string& message) {
    std::lock_guard<std::mutex> lock(stateMutex);
    if (message.empty()) {
        return;
    }
    try {
        const std::unique_ptr<parser::ParserTreeNode> root = parser.parseMessage(message);
        if (root->children.size() < MESSAGE_GROUPS) {
            throw std::invalid_argument("the environment, scene header or scene graph is missing");
        }
        if (isFullTree(*root)) {
            playerPaths.clear();
            std::vector<int> path{SCENE_GRAPH};
            constructPaths(root->children[SCENE_GRAPH], path);
        }
        updateElements(*root);
    } catch (const std::exception& error) {
        std::cerr << "(Wizard) monitor message skipped: " << error.what() << std::endl;
    }
}

void Wizard::updateElements(const parser::ParserTreeNode& root) {
    foulLeftTeam = false;
    foulRightTeam = false;
    setServerDataWithTreeRecursion(root.children[ENVIRONMENT]);
    updateBall(root.children[SCENE_GRAPH]);
    updatedSlots.reset();
    updatePlayers(root);
}

void Wizard::setServerDataWithTreeRecursion(const parser::ParserTreeNode& node) {
    const std::string& text = node.value;
    if (contains(text, "time")) {
        gameTime = wordAt<double>(text, 1);
    } else if (contains(text, "foul")) {
        if (wordAt<std::string>(text, 2) == FOUL_WITH_TEAM) {
            (wordAt<std::string>(text, 3) == LEFT_TEAM ? foulLeftTeam : foulRightTeam) = true;
        }
    } else if (contains(text, "score_left")) {
        leftScore = wordAt<int>(text, 1);
    } else if (contains(text, "score_right")) {
        rightScore = wordAt<int>(text, 1);
    } else {
        for (const parser::ParserTreeNode& child : node.children) {
            setServerDataWithTreeRecursion(child);
        }
    }
}

void Wizard::updateBall(const parser::ParserTreeNode& sceneGraph) {
    int nodes = 0;
    for (const parser::ParserTreeNode& child : sceneGraph.children) {
        if (firstWord(child.value) == NODE && ++nodes > BALL_NODE) {
            return;
        }
        if (nodes == BALL_NODE) {
            for (const parser::ParserTreeNode& group : child.children) {
                if (firstWord(group.value) == TRANSFORM) {
                    ballTransform = readTransformationMatrix(group.value);
                }
            }
        }
    }
}

void Wizard::constructPaths(const parser::ParserTreeNode& node, std::vector<int>& path) {
    if (namesNumberMaterial(node.value)) {
        const auto [unum, side] = getAgentDataValues(node.value);
        if (!isUniformNumber(unum) || side == PlaySide::UNKNOWN || path.size() <= PLAYER_NODE_DEPTH) {
            std::cerr << "(Wizard) no player for \"" << node.value << "\"" << std::endl;
            return;
        }
        playerPaths.push_back({{path.begin(), path.end() - PLAYER_NODE_DEPTH}, unum, side});
        return;
    }
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        path.push_back(static_cast<int>(i));
        constructPaths(node.children[i], path);
        path.pop_back();
    }
}

void Wizard::updatePlayers(const parser::ParserTreeNode& root) {
    for (const agentWithPath& record : playerPaths) {
        const int slot = getAgentNumber(record.uniformNumber, record.side);
        if (updatedSlots.test(slot)) {
            continue;
        }
        const parser::ParserTreeNode* node = &root;
        for (const int index : record.path) {
            if (static_cast<std::size_t>(index) >= node->children.size()) {
                std::cerr << "(Wizard) the scene no longer holds player " << record.uniformNumber << " "
                          << PlaySide::toString(record.side) << std::endl;
                return;
            }
            node = &node->children[static_cast<std::size_t>(index)];
        }
        agents[static_cast<std::size_t>(slot)].update(*node);
        updatedSlots.set(slot);
    }
}

const AgentWizardData& Wizard::agentData(int unum, PlaySide::PLAY_SIDE side) const {
    return agents[static_cast<std::size_t>(slotOf(unum, side))];
}

double Wizard::getLastUpdateTime() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return gameTime;
}

Transform Wizard::getAgentTransform(int unum, PlaySide::PLAY_SIDE side) const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return agentData(unum, side).getAgentTransform();
}

Vector3<double> Wizard::getAgentTranslation(int unum, PlaySide::PLAY_SIDE side) const {
    return columnOf(getAgentTransform(unum, side), 3);
}

RotationMatrix Wizard::getAgentRotation(int unum, PlaySide::PLAY_SIDE side) const {
    return rotationOf(getAgentTransform(unum, side));
}

Vector3<double> Wizard::getAgentTorsoDirection(int unum, PlaySide::PLAY_SIDE side) const {
    return columnOf(getAgentTransform(unum, side), 2);
}

Pose3D Wizard::getAgentPose3D(int unum, PlaySide::PLAY_SIDE side) const {
    // Rotation and translation from one read, so that they belong to one scene.
    const Transform torso = getAgentTransform(unum, side);
    return {rotationOf(torso), columnOf(torso, 3)};
}

bool Wizard::hasAgentPose(int unum, PlaySide::PLAY_SIDE side) const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return agentData(unum, side).hasAgentTransform();
}

Transform Wizard::getBallTransform() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return ballTransform;
}

Vector3<double> Wizard::getBallTranslation() const { return columnOf(getBallTransform(), 3); }

bool Wizard::getFoulLeftTeam() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return foulLeftTeam;
}

bool Wizard::getFoulRightTeam() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return foulRightTeam;
}

int Wizard::getLeftScore() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return leftScore;
}

int Wizard::getRightScore() const {
    std::lock_guard<std::mutex> lock(stateMutex);
    return rightScore;
}

AgentWizardData& Wizard::getAgentData(int unum, PlaySide::PLAY_SIDE side) {
    return agents[static_cast<std::size_t>(slotOf(unum, side))];
}

int Wizard::getNumberOfPlayers(PlaySide::PLAY_SIDE side) const {
    std::lock_guard<std::mutex> lock(stateMutex);
    std::set<int> numbers;
    for (const agentWithPath& record : playerPaths) {
        if (record.side == side) {
            numbers.insert(record.uniformNumber);
        }
    }
    return static_cast<int>(numbers.size());
}

void Wizard::setPlayMode(RawPlayMode::RAW_PLAY_MODE mode) { setSendMessage("(playMode " + playModeName(mode) + ")"); }

void Wizard::dropBall() { setSendMessage("(dropBall)"); }

void Wizard::kickOff(PlaySide::PLAY_SIDE side) { setSendMessage("(kickOff " + PlaySide::toString(side) + ")"); }

void Wizard::killSelectedAgent() { setSendMessage("(kill)"); }

void Wizard::repositionSelectedAgent() { setSendMessage("(repos)"); }

void Wizard::killSimulator() { setSendMessage("(killsim)"); }

void Wizard::setScore(int left, int right) {
    setSendMessage("(score (left " + std::to_string(left) + ") (right " + std::to_string(right) + "))");
}

void Wizard::selectAgent(int unum, PlaySide::PLAY_SIDE side) { setSendMessage("(select " + player(unum, side) + ")"); }

void Wizard::killAgent(int unum, PlaySide::PLAY_SIDE side) { setSendMessage("(kill " + player(unum, side) + ")"); }

void Wizard::repositionAgent(int unum, PlaySide::PLAY_SIDE side) {
    setSendMessage("(repos " + player(unum, side) + ")");
}

void Wizard::setBatteryLevel(int unum, PlaySide::PLAY_SIDE side, double level) {
    setSendMessage("(agent " + player(unum, side) + " (battery " + real(level) + "))");
}

void Wizard::setTemperature(int unum, PlaySide::PLAY_SIDE side, double temperature) {
    setSendMessage("(agent " + player(unum, side) + " (temperature " + real(temperature) + "))");
}

void Wizard::setBallPosition(const Vector3<double>& position) {
    setSendMessage("(ball (pos " + getVectorString(position) + "))");
}

void Wizard::setBallVelocity(const Vector3<double>& velocity) {
    setSendMessage("(ball (vel " + getVectorString(velocity) + "))");
}

void Wizard::setBallPositionAndVelocity(const Vector3<double>& position, const Vector3<double>& velocity) {
    setSendMessage("(ball (pos " + getVectorString(position) + ") (vel " + getVectorString(velocity) + "))");
}

void Wizard::setAgentPositionAndDirection(int unum, PlaySide::PLAY_SIDE side, const Vector3<double>& position,
                                          double direction) {
    setSendMessage("(agent " + player(unum, side) + " (move " + getVectorString(position) + " " +
                   serverDirection(direction) + "))");
}

void Wizard::setAgentPositionAndDirectionAndVelocity(int unum, PlaySide::PLAY_SIDE side,
                                                     const Vector3<double>& position, double direction,
                                                     const Vector3<double>& velocity) {
    setSendMessage("(agent " + player(unum, side) + " (move " + getVectorString(position) + " " +
                   serverDirection(direction) + ") (vel " + getVectorString(velocity) + "))");
}

void Wizard::setGameTime(double time) { setSendMessage("(time " + real(time) + " )"); }

std::string Wizard::getVectorString(const Vector3<double>& vector) {
    return real(vector.x) + " " + real(vector.y) + " " + real(vector.z);
}

} // namespace wizard
} // namespace utils
