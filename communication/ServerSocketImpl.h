#ifndef COMMUNICATION_SERVERSOCKETIMPL_H
#define COMMUNICATION_SERVERSOCKETIMPL_H

#include "communication/ServerSocket.h"

#include <netinet/in.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace communication {

/// True when errno tells that the peer aborted, reset or refused the connection.
bool hasError();

/// The server connection over a POSIX TCP socket.
class ServerSocketImpl : public ServerSocket {
public:
    /// Largest outgoing frame, length bytes included.
    static constexpr int BUFFER_SIZE = 16384;

    /// Stores the address (dotted-decimal IPv4, no name look-up) and port; opens
    /// nothing. The connection counts as closed until establishConnection.
    ServerSocketImpl(std::string host, int port);
    ~ServerSocketImpl() override;
    ServerSocketImpl(const ServerSocketImpl&) = delete;
    ServerSocketImpl& operator=(const ServerSocketImpl&) = delete;

    /// Returns true when the connection could NOT be made. The closed mark is
    /// cleared even then, so a later send reports "connection has ended in send".
    bool establishConnection() override;
    void closeConnection() override;
    /// Blocks for one frame, then drains every frame already waiting and keeps
    /// the newest. When the connection ends or fails, it is closed and marked
    /// closed and the empty text is returned; it is never reopened here, since a
    /// new connection would be a new agent for the server.
    std::string receiveMessage() override;
    bool waitForMessage(std::chrono::milliseconds timeout) override;
    /// Throws std::runtime_error "Trying to read more data than the size of the
    /// buffer" for a text over BUFFER_SIZE - 4 bytes (nothing is written), and
    /// "connection has ended in send" when the write fails.
    void sendMessage(const std::string& text) override;
    bool connectionClosed() const override { return closed; }

    /// Sets TCP_NODELAY so that each command frame leaves at once.
    virtual void initializeSocket();

private:
    /// Reads exactly size bytes; on failure closes the connection and throws.
    void readToBuffer(std::size_t size, char* buffer, std::size_t capacity);
    /// Writes exactly size bytes; throws on failure.
    void sendFromBuffer(std::size_t size, const char* buffer, std::size_t capacity);
    void readMessageText(std::size_t length);
    bool moreDataReady() const;
    void closeDescriptor();

    std::string host;
    int port;
    int socketDescriptor = -1;
    sockaddr_in serverAddress{};
    std::array<unsigned char, 4> headerBuffer{};
    std::array<char, BUFFER_SIZE> sendBuffer{};
    /// Grows to the longest frame seen and never shrinks.
    std::vector<char> messageBuffer;
    bool closed = true;
};

} // namespace communication

#endif
