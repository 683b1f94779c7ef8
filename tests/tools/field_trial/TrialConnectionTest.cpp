#include "tools/field_trial/TrialConnection.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {
namespace {

using namespace std::chrono_literals;

const std::string MESSAGE = "(time (now 17.72))(GS (sl 0) (sr 0) (t 0.00) (pm PlayOn))(HJ (n hj1) (ax -0.50))"
                            "(HJ (n hj2) (ax 12.25))(See (F1L (pol 18.68 -31.98 -4.07)))(HJ (n laj1) (ax -90.01))";

/// A server that always has the same message ready, or never one.
class ServerStandIn : public communication::ServerSocket {
public:
    explicit ServerStandIn(bool sends) : sends(sends) {}
    bool establishConnection() override { return false; }
    void closeConnection() override {}
    std::string receiveMessage() override { return MESSAGE; }
    bool waitForMessage(std::chrono::milliseconds) override { return sends; }
    void sendMessage(const std::string&) override {}
    bool connectionClosed() const override { return false; }

private:
    bool sends;
};

TrialConnection connection(double share, unsigned seed, bool sends = true) {
    return TrialConnection(std::make_unique<ServerStandIn>(sends), 1s, share, seed);
}

/// The joint groups' angle texts of a message, in order; empty when one is cut off.
std::vector<std::string> angles(const std::string& message) {
    std::vector<std::string> texts;
    for (std::size_t at = message.find("(ax "); at != std::string::npos; at = message.find("(ax ", at + 1)) {
        const std::size_t end = message.find(')', at);
        if (end == std::string::npos) {
            return {};
        }
        texts.push_back(message.substr(at + 4, end - at - 4));
    }
    return texts;
}

TEST(TrialConnectionTest, AShareOfTheMessagesIsCutShortOrHasOneJointAngleMadeUnreadable) {
    TrialConnection damaging = connection(0.3, 7);
    const std::vector<std::string> original = angles(MESSAGE);
    int cut = 0;
    int spoiled = 0;
    const int messages = 4000;
    for (int i = 0; i < messages; ++i) {
        const std::string received = damaging.receiveMessage();
        if (received == MESSAGE) {
            continue;
        }
        if (received.size() < MESSAGE.size() && MESSAGE.compare(0, received.size(), received) == 0) {
            ++cut;
            continue;
        }
        // Everything but one angle as it was; that angle no longer the number it was.
        const std::vector<std::string> now = angles(received);
        ASSERT_EQ(now.size(), original.size()) << received;
        int changed = 0;
        for (std::size_t joint = 0; joint < now.size(); ++joint) {
            changed += now[joint] != original[joint];
        }
        EXPECT_EQ(changed, 1) << received;
        EXPECT_EQ(received.substr(0, received.find("(HJ")), MESSAGE.substr(0, MESSAGE.find("(HJ")));
        ++spoiled;
    }
    EXPECT_NEAR(cut + spoiled, 0.3 * messages, 0.05 * messages);
    EXPECT_NEAR(cut, spoiled, 0.1 * messages);
}

TEST(TrialConnectionTest, TheSameSeedDamagesTheSameMessagesTheSameWayAndNoShareDamagesNone) {
    TrialConnection first = connection(0.5, 11);
    TrialConnection second = connection(0.5, 11);
    TrialConnection undamaged = connection(0.0, 11);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(first.receiveMessage(), second.receiveMessage());
        EXPECT_EQ(undamaged.receiveMessage(), MESSAGE);
    }
}

TEST(TrialConnectionTest, EveryJointGroupCanBeSpoiledAndAMessageWithoutOneStaysAsItIs) {
    TrialConnection damaging = connection(1.0, 3);
    for (std::size_t group = 0; group < 3; ++group) {
        const std::vector<std::string> now = angles(damaging.spoilJointGroup(MESSAGE, group));
        EXPECT_NE(now.at(group), angles(MESSAGE)[group]);
    }
    EXPECT_EQ(damaging.spoilJointGroup("(time (now 1.00))", 5), "(time (now 1.00))");
}

TEST(TrialConnectionTest, AServerThatSendsNothingFailsTheReceiveInsteadOfHangingIt) {
    TrialConnection silent = connection(0.0, 1, false);
    EXPECT_THROW(silent.receiveMessage(), std::runtime_error);
}

} // namespace
} // namespace field_trial
} // namespace tools
