#include "communication/ServerSocketImpl.h"
#include "tools/test_server/FrameChannel.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace communication {
namespace {

using tools::test_server::FrameChannel;

const std::string BUFFER_TOO_SMALL = "Trying to read more data than the size of the buffer";
const std::string ENDED_IN_SEND = "connection has ended in send";
constexpr std::chrono::milliseconds TIMEOUT{5000};

/// A socket listening on an ephemeral loopback port, and that port.
int listeningSocket(int& port) {
    const int descriptor = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0 || ::listen(descriptor, 1) != 0) {
        ::close(descriptor);
        throw std::runtime_error("no loopback port to listen on");
    }
    port = ntohs(address.sin_port);
    return descriptor;
}

int unusedPort() {
    int unused = 0;
    ::close(listeningSocket(unused));
    return unused;
}

/// A connected pair: the socket under test and the server's end, whose frames
/// go through the test server's own frame code, written apart from the
/// connection under test. Every wait is bounded.
class Link {
public:
    Link() {
        connectResult = socket.establishConnection();
        pollfd entry{listener, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(TIMEOUT.count())) <= 0 ||
            (connection = ::accept(listener, nullptr, nullptr)) < 0) {
            throw std::runtime_error("no client to accept");
        }
        server = std::make_unique<FrameChannel>(connection);
    }
    ~Link() { ::close(listener); }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    /// Sends bytes and waits until the client's kernel has acknowledged them,
    /// so they are ready for its next read.
    void deliver(const std::string& bytes) {
        if (server == nullptr || !server->sendRaw(bytes)) {
            throw std::runtime_error("the server's end could not send");
        }
        const auto deadline = std::chrono::steady_clock::now() + TIMEOUT;
        int unacknowledged = 0;
        while (::ioctl(connection, SIOCOUTQ, &unacknowledged) == 0 && unacknowledged > 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                throw std::runtime_error("data not delivered in time");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    std::string receiveFrame() {
        const auto text = server == nullptr ? std::nullopt : server->receive(TIMEOUT);
        if (!text) {
            throw std::runtime_error("no frame from the client");
        }
        return *text;
    }
    /// The server going away.
    void hangUp() { server.reset(); }
    /// A receive that may block; should it hang, the server's end closes so
    /// that it returns and the test fails instead of stalling the suite.
    std::string receiveBounded() {
        auto result = std::async(std::launch::async, [this] { return socket.receiveMessage(); });
        if (result.wait_for(TIMEOUT) != std::future_status::ready) {
            ADD_FAILURE() << "the receive did not return in time";
            hangUp();
        }
        return result.get();
    }

    int port = 0;
    int listener = listeningSocket(port);
    ServerSocketImpl socket{"127.0.0.1", port};
    bool connectResult = true;

private:
    /// Borrowed from server, which closes it.
    int connection = -1;
    std::unique_ptr<FrameChannel> server;
};

std::string expectRuntimeError(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no exception";
}

TEST(ServerSocketImplTest, OutgoingFramesCarryTheBigEndianLength) {
    const std::vector<std::string> texts = {
        "",
        "(syn)",
        std::string(255, 'a'),
        std::string(256, 'b'),
        std::string(4096, 'c'),
        std::string(ServerSocketImpl::BUFFER_SIZE - 4, 'd'),
    };
    for (const std::string& text : texts) {
        Link link;

        link.socket.sendMessage(text);

        EXPECT_EQ(link.receiveFrame(), text) << text.size();
    }
}

TEST(ServerSocketImplTest, OversizedTextIsRefusedAndNothingIsWritten) {
    Link link;

    const std::string error =
        expectRuntimeError([&] { link.socket.sendMessage(std::string(ServerSocketImpl::BUFFER_SIZE - 3, 'x')); });
    link.socket.sendMessage("(syn)");

    EXPECT_EQ(error, BUFFER_TOO_SMALL);
    EXPECT_EQ(link.receiveFrame(), "(syn)");
    EXPECT_FALSE(link.socket.connectionClosed());
}

TEST(ServerSocketImplTest, ReceiveReturnsTheNewestOfTheWaitingFrames) {
    struct Row {
        std::vector<std::string> waiting;
        std::string expected;
    };
    const std::string large(100000, 'L');
    const std::vector<Row> rows = {
        {{"(time (now 0.02))"}, "(time (now 0.02))"},
        {{"first", "second"}, "second"},
        {{"a", "b", "c", "d"}, "d"},
        {{""}, ""},
        {{"text", ""}, ""},
        {{large}, large},
        {{std::string("nul\0inside", 10)}, std::string("nul\0inside", 10)},
    };
    for (const Row& row : rows) {
        Link link;
        std::string bytes;
        for (const std::string& text : row.waiting) {
            bytes += FrameChannel::frame(text);
        }
        link.deliver(bytes);

        EXPECT_EQ(link.receiveBounded(), row.expected) << row.waiting.size() << " frames";
        EXPECT_FALSE(link.socket.connectionClosed());
    }
}

TEST(ServerSocketImplTest, FrameArrivingInPiecesIsAssembled) {
    const std::string text = "(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))" + std::string(300000, 'p');
    const std::string bytes = FrameChannel::frame(text);
    const std::vector<std::size_t> cuts = {1, 3, 10, 100, 70000, 200000, bytes.size()};
    Link link;
    auto received = std::async(std::launch::async, [&] { return link.receiveBounded(); });

    std::size_t from = 0;
    for (const std::size_t to : cuts) {
        link.deliver(bytes.substr(from, to - from));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        from = to;
    }

    EXPECT_EQ(received.get(), text);
}

TEST(ServerSocketImplTest, ServerHangingUpClosesTheConnectionWithoutRaising) {
    struct Row {
        const char* name;
        std::string lastBytes;
        std::string delivered;
    };
    const std::vector<Row> rows = {
        {"between frames", "", ""},
        {"inside the length", std::string("\0\0", 2), ""},
        {"inside the text", std::string("\0\0\0\x64", 4) + "only ten b", ""},
        {"after a corrupt length of 4 GiB", std::string("\xFF\xFF\xFF\xFF", 4) + "only ten b", ""},
        {"after two whole frames", FrameChannel::frame("first") + FrameChannel::frame("last"), "last"},
    };
    for (const Row& row : rows) {
        Link link;
        link.deliver(row.lastBytes);
        link.hangUp();
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // let the hang-up arrive too

        const std::string first = link.receiveBounded();
        const bool closedAfterFirst = link.socket.connectionClosed();
        const std::string second = link.receiveBounded();

        // The last whole frame is still delivered; the hang-up closes the next receive.
        EXPECT_EQ(first, row.delivered) << row.name;
        EXPECT_EQ(closedAfterFirst, row.delivered.empty()) << row.name;
        EXPECT_EQ(second, "") << row.name;
        EXPECT_TRUE(link.socket.connectionClosed()) << row.name;
        EXPECT_EQ(expectRuntimeError([&] { link.socket.sendMessage("(syn)"); }), ENDED_IN_SEND) << row.name;
    }
}

TEST(ServerSocketImplTest, SendingAfterTheServerLeftRaisesInsteadOfKillingTheProcess) {
    Link link;
    link.hangUp();

    // The first writes may still be accepted locally; the reset from the peer
    // makes a later one fail.
    std::string error = "no exception";
    for (int attempt = 0; attempt < 200 && error == "no exception"; ++attempt) {
        error = expectRuntimeError([&] { link.socket.sendMessage("(syn)"); });
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    EXPECT_EQ(error, ENDED_IN_SEND);
    EXPECT_FALSE(link.socket.connectionClosed());
}

TEST(ServerSocketImplTest, WithoutAConnectionSendsRaiseAndReceivesGiveNothing) {
    struct Row {
        std::string host;
        int port;
        bool tryToConnect;
    };
    const int unused = unusedPort();
    const std::vector<Row> rows = {
        {"127.0.0.1", unused, false}, {"127.0.0.1", unused, true}, {"localhost", unused, true},
        {"300.1.2.3", unused, true},  {"", unused, true},          {"127.0.0.1", 70000, true},
    };
    for (const Row& row : rows) {
        ServerSocketImpl socket(row.host, row.port);

        const bool failed = row.tryToConnect && socket.establishConnection();

        // A failed connect is reported only by its result: the closed mark is cleared all the same.
        EXPECT_EQ(failed, row.tryToConnect) << row.host << ":" << row.port;
        EXPECT_EQ(socket.connectionClosed(), !row.tryToConnect) << row.host;
        EXPECT_EQ(expectRuntimeError([&] { socket.sendMessage("(syn)"); }), ENDED_IN_SEND) << row.host;
        EXPECT_EQ(socket.receiveMessage(), "") << row.host;
    }
}

TEST(ServerSocketImplTest, PortsUpTo65535AreTriedAndNoneBeyond) {
    const struct {
        int port;
        bool tried;
    } rows[] = {{65535, true}, {65536, false}, {-1, false}};
    for (const auto& row : rows) {
        ServerSocketImpl socket("127.0.0.1", row.port);
        errno = 0;

        const bool failed = socket.establishConnection();

        // A port in range is connected to or refused by the peer; one out of range fails before any connect.
        EXPECT_EQ(!failed || hasError(), row.tried) << row.port;
    }
}

TEST(ServerSocketImplTest, WaitingForAFrameEndsWhenDataOrTheEndOfTheConnectionComes) {
    constexpr std::chrono::milliseconds SHORT{50};
    struct Row {
        const char* name;
        std::function<void(Link&)> server;
        bool ready;
    };
    const std::vector<Row> rows = {
        {"silence", [](Link&) {}, false},
        {"a frame", [](Link& link) { link.deliver(FrameChannel::frame("(syn)")); }, true},
        {"a hang-up", [](Link& link) { link.hangUp(); }, true},
    };
    for (const Row& row : rows) {
        Link link;
        row.server(link);

        EXPECT_EQ(link.socket.waitForMessage(row.ready ? TIMEOUT : SHORT), row.ready) << row.name;
    }
    for (const bool tryToConnect : {false, true}) {
        ServerSocketImpl socket("127.0.0.1", unusedPort());
        if (tryToConnect) {
            socket.establishConnection();
        }
        // The receive that follows returns at once with nothing.
        EXPECT_TRUE(socket.waitForMessage(TIMEOUT)) << tryToConnect;
    }
}

TEST(ServerSocketImplTest, ClosingTwiceNeverClosesAnotherFilesDescriptor) {
    int reused = -1;
    {
        Link link;
        link.socket.closeConnection();
        reused = ::open("/dev/null", O_RDONLY);
        ASSERT_GE(reused, 0);
        link.socket.closeConnection();
    }

    EXPECT_NE(::fcntl(reused, F_GETFD), -1) << "errno " << errno;
    ::close(reused);
}

TEST(ServerSocketImplTest, ExchangeOverManyCyclesKeepsOnlyTheNewestMessage) {
    Link link;
    ASSERT_FALSE(link.connectResult);
    ASSERT_FALSE(link.socket.connectionClosed());
    for (int cycle = 0; cycle < 30; ++cycle) {
        // Every third cycle the agent has fallen behind by two frames; every
        // other message is long, so short ones follow long ones.
        const int waiting = cycle % 3 == 0 ? 3 : 1;
        const std::string padding(cycle % 2 == 0 ? 5000 : 0, ' ');
        std::string bytes;
        for (int k = 0; k < waiting; ++k) {
            bytes +=
                FrameChannel::frame("(time (now " + std::to_string(cycle) + "." + std::to_string(k) + "))" + padding);
        }
        link.deliver(bytes);

        const std::string received = link.receiveBounded();
        link.socket.sendMessage("(he1 " + std::to_string(cycle) + ")(syn)");

        EXPECT_EQ(received, "(time (now " + std::to_string(cycle) + "." + std::to_string(waiting - 1) + "))" + padding);
        EXPECT_EQ(link.receiveFrame(), "(he1 " + std::to_string(cycle) + ")(syn)");
    }
}

} // namespace
} // namespace communication
