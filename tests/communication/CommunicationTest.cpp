#include "communication/Communication.h"
#include "communication/ServerSocketImpl.h"
#include "tests/communication/LoopbackPeer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace communication {
namespace {

using ::testing::NiceMock;
using ::testing::Return;

class MockServerSocket : public ServerSocket {
public:
    MOCK_METHOD(bool, establishConnection, (), (override));
    MOCK_METHOD(void, closeConnection, (), (override));
    MOCK_METHOD(std::string, receiveMessage, (), (override));
    MOCK_METHOD(void, sendMessage, (const std::string& text), (override));
    MOCK_METHOD(bool, connectionClosed, (), (const, override));
};

TEST(CommunicationTest, SendForwardsOnlyWhileTheConnectionIsOpen) {
    for (const bool closed : {false, true}) {
        auto socket = std::make_unique<NiceMock<MockServerSocket>>();
        ON_CALL(*socket, connectionClosed()).WillByDefault(Return(closed));
        EXPECT_CALL(*socket, sendMessage("(syn)")).Times(closed ? 0 : 1);
        Communication communication(std::move(socket));

        communication.sendMessage("(syn)");
    }
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
