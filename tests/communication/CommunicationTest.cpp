#include "communication/Communication.h"
#include "communication/ServerSocketImpl.h"
#include "tests/communication/LoopbackPeer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace communication {
namespace {

using ::testing::InSequence;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::ReturnRef;

class MockServerSocket : public ServerSocket {
public:
    MOCK_METHOD(bool, establishConnection, (), (override));
    MOCK_METHOD(void, closeConnection, (), (override));
    MOCK_METHOD(std::string, receiveMessage, (), (override));
    MOCK_METHOD(void, sendMessage, (const std::string& text), (override));
    MOCK_METHOD(bool, connectionClosed, (), (const, override));
};

struct MockedCommunication {
    MockedCommunication() {
        auto owned = std::make_unique<NiceMock<MockServerSocket>>();
        socket = owned.get();
        communication = std::make_unique<Communication>(std::move(owned));
    }

    NiceMock<MockServerSocket>* socket = nullptr; // owned by communication
    std::unique_ptr<Communication> communication;
};

TEST(CommunicationTest, SendForwardsOnlyWhileTheConnectionIsOpen) {
    MockedCommunication open;
    MockedCommunication closed;
    ON_CALL(*open.socket, connectionClosed()).WillByDefault(Return(false));
    ON_CALL(*closed.socket, connectionClosed()).WillByDefault(Return(true));
    EXPECT_CALL(*open.socket, sendMessage("(syn)")).Times(1);
    EXPECT_CALL(*closed.socket, sendMessage).Times(0);

    open.communication->sendMessage("(syn)");
    closed.communication->sendMessage("(syn)");
}

TEST(CommunicationTest, EachReceiveReplacesTheCurrentMessage) {
    MockedCommunication mocked;
    {
        InSequence order;
        EXPECT_CALL(*mocked.socket, receiveMessage()).WillOnce(Return("(time (now 0.02))"));
        EXPECT_CALL(*mocked.socket, receiveMessage()).WillOnce(Return(""));
        EXPECT_CALL(*mocked.socket, receiveMessage()).WillOnce(Return("(time (now 0.06))"));
    }
    const std::string& current = mocked.communication->getCurrentMessage();
    std::vector<std::string> seen;

    for (int cycle = 0; cycle < 3; ++cycle) {
        mocked.communication->receiveMessage();
        seen.push_back(current);
    }

    EXPECT_EQ(seen, (std::vector<std::string>{"(time (now 0.02))", "", "(time (now 0.06))"}));
}

TEST(CommunicationTest, ConnectResultAndCloseReachTheSocket) {
    MockedCommunication mocked;
    EXPECT_CALL(*mocked.socket, establishConnection()).WillOnce(Return(true)).WillOnce(Return(false));
    EXPECT_CALL(*mocked.socket, closeConnection()).Times(1);

    const bool firstFailed = mocked.communication->establishConnection();
    const bool secondFailed = mocked.communication->establishConnection();
    mocked.communication->closeConnection();

    EXPECT_TRUE(firstFailed);
    EXPECT_FALSE(secondFailed);
}

TEST(CommunicationTest, WithoutSocketEverythingIsHarmless) {
    Communication communication;

    const bool failed = communication.establishConnection();
    communication.receiveMessage();
    communication.sendMessage("(syn)");
    communication.closeConnection();

    EXPECT_TRUE(failed);
    EXPECT_EQ(communication.getCurrentMessage(), "");
    EXPECT_TRUE(communication.connectionClosed());
}

TEST(CommunicationTest, ServerLeavingEndsTheCycleQuietly) {
    testing::LoopbackPeer peer;
    Communication communication(std::make_unique<ServerSocketImpl>("127.0.0.1", peer.getPort()));
    const bool notClosedBeforeConnecting = !communication.connectionClosed();
    ASSERT_FALSE(communication.establishConnection());
    peer.accept();
    peer.sendFrame("(time (now 1.00))");
    peer.waitUntilDelivered();

    const auto receive = [&communication] {
        communication.receiveMessage();
        return communication.getCurrentMessage();
    };

    const std::string lastMessage = peer.callBounded(receive);
    peer.closeConnection();
    const std::string afterHangUp = peer.callBounded(receive);
    communication.sendMessage("(syn)");

    EXPECT_FALSE(notClosedBeforeConnecting);
    EXPECT_EQ(lastMessage, "(time (now 1.00))");
    EXPECT_EQ(afterHangUp, "");
    EXPECT_TRUE(communication.connectionClosed());
}

} // namespace
} // namespace communication
