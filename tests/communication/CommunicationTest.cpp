#include "communication/Communication.h"

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

} // namespace
} // namespace communication
