#include "tools/test_server/TestServer.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace tools {
namespace test_server {
namespace {

using namespace std::chrono_literals;

TEST(TestServerTest, ParsesHandshakeCommands) {
    int type = -1;
    EXPECT_TRUE(parseSceneRequest("(scene rsg/agent/nao/nao_hetero.rsg 4)(syn)", type));
    EXPECT_EQ(type, 4);
    EXPECT_FALSE(parseSceneRequest("(scene rsg/agent/nao/nao_hetero.rsg 5)(syn)", type));
    EXPECT_FALSE(parseSceneRequest("(scene rsg/agent/nao/nao.rsg 4)(syn)", type));
    EXPECT_FALSE(parseSceneRequest("(scene rsg/agent/nao/nao_hetero.rsg 4)", type));

    int number = -1;
    std::string team;
    EXPECT_TRUE(parseInitCommand("(init (unum 7)(teamname Marlowinds))(syn)", number, team));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(team, "Marlowinds");
    EXPECT_FALSE(parseInitCommand("(init (unum 7) (teamname Marlowinds))(syn)", number, team));
    EXPECT_FALSE(parseInitCommand("(init (unum x)(teamname Marlowinds))(syn)", number, team));
}

TEST(TestServerTest, ExchangesFramesWithAClient) {
    TestServer server;
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server.getPort()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(server.acceptAgent(2s));

    const std::string frame = FrameChannel::frame("(syn)");
    EXPECT_EQ(frame, std::string("\0\0\0\5(syn)", 9));
    ASSERT_EQ(::send(client, frame.data(), frame.size(), 0), static_cast<ssize_t>(frame.size()));
    EXPECT_EQ(server.channel().receive(2s), "(syn)");
    EXPECT_FALSE(server.channel().receive(50ms).has_value()); // nothing more: bounded wait

    ::close(client);
    EXPECT_TRUE(server.channel().peerClosed(2s));
}

TEST(SensorMessageBuilderTest, MessagesCarryEveryPerceptorInServerShape) {
    SimulatedWorld world;
    world.uniformNumber = 3;
    SensorMessageBuilder builder(world);
    const std::string first = builder.nextMessage();
    EXPECT_EQ(first.rfind("(time (now 0.02))(GS (unum 3) (team left) (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))", 0),
              0u);
    for (const char* sensor : {"(n hj1)", "(n hj2)", "(n laj4)", "(n raj1)", "(n llj6)", "(n rlj6)", "(GYR (n torso)",
                               "(ACC (n torso)", "(FRP (n lf)", "(FRP (n rf)", "(See "}) {
        EXPECT_NE(first.find(sensor), std::string::npos) << sensor;
    }
    const std::string second = builder.nextMessage();
    EXPECT_EQ(second.find("(See"), std::string::npos); // vision every third cycle
    builder.nextMessage();
    EXPECT_EQ(builder.nextMessage().find("(unum"), std::string::npos);
}

TEST(SensorMessageBuilderTest, ToesAndOtherSensorsComeWhenTheWorldAsksForThem) {
    const std::vector<std::string> extras{"(HJ (n llj7)", "(HJ (n rlj7)", "(FRP (n lf1)", "(FRP (n rf1)",
                                          "(AgentState ", "(TCH n ",      "(UJ (n "};
    for (const int bodyType : {0, 3, 4}) {
        for (const bool otherSensors : {false, true}) {
            SimulatedWorld world;
            world.bodyType = bodyType;
            world.otherSensors = otherSensors;
            const std::string message = SensorMessageBuilder(world).nextMessage();
            for (std::size_t i = 0; i < extras.size(); ++i) {
                const bool expected = i < 4 ? bodyType == 4 : otherSensors;
                EXPECT_EQ(message.find(extras[i]) != std::string::npos, expected) << extras[i] << " " << bodyType;
            }
            // The toe follows the last joint of its leg.
            EXPECT_EQ(message.find("(HJ (n rlj6) (ax 0.00))(HJ (n rlj7)") != std::string::npos, bodyType == 4);
        }
    }
}

TEST(SensorMessageBuilderTest, VisionShowsWhatLiesInTheViewCone) {
    SimulatedWorld world;
    world.robotX = -5.0;
    world.robotHeading = 0.0; // facing the right goal
    world.ballX = -3.0;
    world.ballY = 0.0;
    world.players = {{"Marlowinds", 3, -2.0, 1.0}, {"Opponents", 9, 0.0, -2.0}, {"Marlowinds", 4, -9.0, 0.0}};
    SensorMessageBuilder builder(world);

    const std::string vision = builder.visionGroup();

    EXPECT_NE(vision.find("(G1R (pol"), std::string::npos);
    EXPECT_NE(vision.find("(F1R (pol"), std::string::npos);
    EXPECT_EQ(vision.find("(G1L"), std::string::npos);                       // behind
    EXPECT_NE(vision.find("(B (pol 2.05 0.00 -12.90))"), std::string::npos); // 2 m ahead, below the camera
    EXPECT_NE(vision.find("(P (team Opponents) (id 7)"), std::string::npos);
    EXPECT_NE(vision.find("(P (team Marlowinds) (id 3) (head (pol"), std::string::npos);
    EXPECT_NE(vision.find("(P (team Opponents) (id 9) (head (pol"), std::string::npos);
    EXPECT_EQ(vision.find("(id 4)"), std::string::npos); // behind the robot
    EXPECT_NE(vision.find("(L (pol"), std::string::npos);
}

TEST(SensorMessageBuilderTest, JointAnglesFollowCommandedSpeedsUntilTheEndsOfTheirRanges) {
    SensorMessageBuilder builder(SimulatedWorld{});
    std::array<double, 22> speeds{};
    speeds[0] = 1.0;   // he1 at 1 rad/s, far from its ends at +-120 degrees
    speeds[1] = 1.0;   // he2 up to its end at 45 degrees
    speeds[13] = 1.0;  // lle4, the left knee, up to its end at 1 degree
    speeds[19] = -2.0; // rle4 down to its end at -130 degrees
    for (int i = 0; i < 10; ++i) {
        builder.applyJointSpeeds(speeds);
    }
    EXPECT_NEAR(builder.getJointAngles()[0], 0.2, 1e-12);
    EXPECT_NE(builder.nextMessage().find("(HJ (n hj1) (ax 11.46))"), std::string::npos);
    for (int i = 0; i < 100; ++i) {
        builder.applyJointSpeeds(speeds);
    }
    constexpr double DEGREE = 3.141592653589793 / 180.0;
    EXPECT_NEAR(builder.getJointAngles()[1], 45 * DEGREE, 1e-12);
    EXPECT_NEAR(builder.getJointAngles()[13], 1 * DEGREE, 1e-12);
    EXPECT_NEAR(builder.getJointAngles()[19], -130 * DEGREE, 1e-12);
    EXPECT_NE(builder.nextMessage().find("(HJ (n llj4) (ax 1.00))"), std::string::npos);
}

TEST(SensorMessageBuilderTest, HeardMessagesArriveOnce) {
    SensorMessageBuilder builder(SimulatedWorld{});
    const double direction = -45.5;
    builder.queueHeard("Marlowinds", "AbCd", &direction);
    builder.queueHeard("Marlowinds", "Self1", nullptr);
    const std::string message = builder.nextMessage();
    EXPECT_NE(message.find("(hear Marlowinds 0.02 -45.50 AbCd)"), std::string::npos);
    EXPECT_NE(message.find("(hear Marlowinds 0.02 self Self1)"), std::string::npos);
    EXPECT_EQ(builder.nextMessage().find("(hear"), std::string::npos);
}

} // namespace
} // namespace test_server
} // namespace tools
