#include "decision_making/behavior/Say.h"

#include "modeling/Modeling.h"
#include "perception/AgentPerception.h"
#include "representations/HearData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decision_making {
namespace behavior {

namespace {

using representations::HearData;

constexpr double CYCLES_PER_SECOND = 50.0;
/// A clock a hair below a cycle's start still belongs to that cycle.
constexpr double CYCLE_MARGIN = 0.1;
/// The largest magnitude a coordinate can carry, in tenths (15.9 m): the
/// integer part has four bits, and a larger value would wrap round.
constexpr double MAX_COORDINATE_TENTHS = 159.0;

/// The value's low bits, most significant first, after clamping it to what
/// the width holds, so that the record keeps its layout whatever it is given.
void appendNumber(std::vector<bool>& bits, int value, int width) {
    const int clamped = std::clamp(value, 0, (1 << width) - 1);
    for (int shift = width - 1; shift >= 0; --shift) {
        bits.push_back(((clamped >> shift) & 1) != 0);
    }
}

void appendFlag(std::vector<bool>& bits, bool flag) { bits.push_back(flag); }

/// A sign bit set for any negative value, the integer part of the magnitude
/// and its first decimal, both truncated; a value that is not finite is sent as 0.
void appendCoordinate(std::vector<bool>& bits, double value) {
    const bool finite = std::isfinite(value);
    // Tenths first, so that 2.3 does not lose its tenth to the rounding of 2.3 - 2.
    const int tenths =
        finite ? static_cast<int>(std::min(std::trunc(std::fabs(value) * 10.0), MAX_COORDINATE_TENTHS)) : 0;
    appendFlag(bits, finite && value < 0.0);
    appendNumber(bits, tenths / 10, HearData::SIGN_AND_MAGNITUDE_BITS - 1);
    appendNumber(bits, tenths % 10, HearData::TENTHS_BITS);
}

/// Six bits per character of the base64 digit set; the last character is
/// filled up with zero bits.
void bitsToString(const std::vector<bool>& bits, std::string& text) {
    text.clear();
    for (std::size_t start = 0; start < bits.size(); start += HearData::BITS_PER_CHARACTER) {
        int digit = 0;
        for (std::size_t i = start; i < start + HearData::BITS_PER_CHARACTER; ++i) {
            digit = (digit << 1) | (i < bits.size() && bits[i] ? 1 : 0);
        }
        text += HearData::DIGITS[digit];
    }
}

} // namespace

Say::Say(BehaviorFactory* factory) : Behavior(factory) { bits.reserve(HearData::GOALIE_RECORD_BITS); }

void Say::behave(modeling::Modeling& modeling) {
    message.reset();
    gather(modeling);
    if (!speaksNow()) {
        return;
    }
    bits.clear();
    if (uniformNumber == HearData::GOALIE_NUMBER) {
        dataToBitsGoalie(modeling);
    } else {
        roleAssignment = modeling.getWorldModel().getMyRoleAssignmentVector();
        dataToBits();
    }
    message = std::make_shared<std::string>();
    bitsToString(bits, *message);
}

void Say::gather(modeling::Modeling& modeling) {
    modeling::AgentModel& agent = modeling.getAgentModel();
    modeling::WorldModel& world = modeling.getWorldModel();

    const perception::AgentPerception* perception = agent.getAgentPerception();
    globalTime = perception != nullptr ? perception->getGlobalTime() : std::numeric_limits<double>::quiet_NaN();
    const double cycle = std::trunc(globalTime * CYCLES_PER_SECOND + CYCLE_MARGIN);
    // A clock that is not a number or out of range gives no slot instead of a broken conversion.
    cycleNumber = cycle >= 0.0 && cycle < std::numeric_limits<int>::max() ? static_cast<int>(cycle) : -1;

    uniformNumber = agent.getAgentNumber();
    ownX = world.getSelf().getPosition().translation.x;
    ownY = world.getSelf().getPosition().translation.y;
    fallen = agent.hasFallen();
    ballX = world.getBall().getPosition().translation.x;
    ballY = world.getBall().getPosition().translation.y;
    ballRelevant = world.getBall().isRelevant();

    if (world.selfIsClosestToBallPerceived()) {
        closestPlayer = uniformNumber;
        return;
    }
    for (const auto& teammate : world.getTeammatesFromBall()) {
        if (!teammate.second->isFallen()) {
            closestPlayer = teammate.second->getId();
            return;
        }
    }
}

bool Say::speaksNow() const {
    if (cycleNumber < 0 || uniformNumber < 1 || uniformNumber > modeling::WorldModel::NUMBER_OF_PLAYERS) {
        return false;
    }
    return cycleNumber % SLOTS == (uniformNumber == HearData::GOALIE_NUMBER ? 0 : 2 * uniformNumber - 2);
}

void Say::senderToBits() {
    appendNumber(bits, uniformNumber, HearData::NUMBER_BITS);
    appendCoordinate(bits, ownX);
    appendCoordinate(bits, ownY);
    appendFlag(bits, fallen);
}

void Say::dataToBits() {
    senderToBits();
    appendCoordinate(bits, ballX);
    appendCoordinate(bits, ballY);
    appendFlag(bits, ballRelevant);
    // Always ten entries, so that the closest player stays where the reader
    // looks for it; an entry the vector lacks is the default role k + 1.
    for (int k = 0; k < HearData::NUMBER_OF_ROLES; ++k) {
        const bool known = static_cast<std::size_t>(k) < roleAssignment.size();
        appendNumber(bits, known ? roleAssignment[static_cast<std::size_t>(k)] : k + 1, HearData::ROLE_BITS);
    }
    appendNumber(bits, closestPlayer, HearData::NUMBER_BITS);
}

void Say::dataToBitsGoalie(modeling::Modeling& modeling) {
    senderToBits();
    const modeling::PlayerDistanceList& opponents = modeling.getWorldModel().getOpponentsFromSelf();
    for (std::size_t k = 0; k < HearData::NUMBER_OF_HEARD_OPPONENTS; ++k) {
        if (k >= opponents.size()) {
            bits.insert(bits.end(), HearData::OPPONENT_ENTRY_BITS, false);
            continue;
        }
        const representations::OtherPlayer& opponent = *opponents[k].second;
        appendNumber(bits, opponent.getId(), HearData::NUMBER_BITS);
        appendCoordinate(bits, opponent.getPosition().translation.x);
        appendCoordinate(bits, opponent.getPosition().translation.y);
        appendFlag(bits, opponent.isRelevant());
        appendFlag(bits, opponent.isFallen());
    }
}

} // namespace behavior
} // namespace decision_making
