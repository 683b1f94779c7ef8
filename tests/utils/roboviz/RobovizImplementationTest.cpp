#include "utils/roboviz/RobovizImplementation.h"

#include "core/utils/parameter_store/ParameterStore.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/utils/roboviz/DrawDatagrams.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace utils {
namespace roboviz {
namespace {

using core::utils::parameter_store::ParameterNode;
using core::utils::parameter_store::ParameterStore;
using representations::PlaySide;
using tools::draw_listener::DrawDatagram;

/// Agent 7's drawing implementation sending to a listener, its flags in a fresh store.
class RobovizImplementationTest : public testing::Test {
protected:
    void SetUp() override {
        store.setOriginFolder(folder / "dynamic");
        Roboviz::agentNumber = 7;
    }
    void TearDown() override { Roboviz::agentNumber = 0; }

    RobovizImplementation& drawing() {
        if (!implementation) {
            implementation = std::make_unique<RobovizImplementation>(store.root(), "127.0.0.1", listener.port());
        }
        return *implementation;
    }
    std::string flagsFile() const { return folder / "dynamic/rhio/drawings/values.json"; }
    /// Sends a marker and checks that it is the next datagram: nothing was sent before it.
    void expectNothingSent() {
        drawing().swapBuffers("marker");
        EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).name, "[7]marker");
    }

    tests::TemporaryFolder folder;
    ParameterStore store;
    tools::draw_listener::UdpListener listener;
    std::unique_ptr<RobovizImplementation> implementation;
};

TEST_F(RobovizImplementationTest, EveryShapeReachesTheMonitorInTheAgentsBuffer) {
    const float square[] = {1, 1, 0, -1, 1, 0, -1, -1, 0, 1, -1, 0};
    const struct {
        std::function<void(Roboviz&)> draw;
        std::string command;
        std::vector<std::string> numbers;
        std::vector<int> color;
    } cases[] = {
        {[](Roboviz& r) { r.drawLine("s", 1, 2, 0, 3, 4, 0, Roboviz::THICK, Roboviz::PURPLE); },
         "line",
         {"1.000", "2.000", "0.000", "3.000", "4.000", "0.000", "5.000"},
         {119, 0, 127}},
        {[](Roboviz& r) { r.drawCircle("s", 1, 2, 0.5f, Roboviz::THIN, Roboviz::ORANGE); },
         "circle",
         {"1.000", "2.000", "0.500", "1.000"},
         {255, 165, 0}},
        {[](Roboviz& r) { r.drawSphere("s", 1, 2, 3, 0.5f, Roboviz::BLUE); },
         "sphere",
         {"1.000", "2.000", "3.000", "0.500"},
         {0, 0, 255}},
        {[](Roboviz& r) { r.drawPoint("s", 1, 2, 3, 10, Roboviz::NO_COLOR); },
         "point",
         {"1.000", "2.000", "3.000", "10.000"},
         {0, 0, 0}},
        {[&](Roboviz& r) { r.drawPolygon("s", square, 4, Roboviz::YELLOW, 0.5f); },
         "polygon",
         {"1.000", "1.000", "0.000", "-1.00", "1.000", "0.000", "-1.00", "-1.00", "0.000", "1.000", "-1.00", "0.000"},
         {255, 255, 0, 127}},
        {[](Roboviz& r) { r.drawAnnotation("s", "text", 1, 2, 3, Roboviz::GREEN); },
         "annotation",
         {"1.000", "2.000", "3.000"},
         {0, 255, 0}},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.command);
        testCase.draw(drawing());
        const DrawDatagram decoded = DrawDatagram::decode(tests::received(listener));
        EXPECT_EQ(decoded.command, testCase.command);
        EXPECT_EQ(decoded.numbers, testCase.numbers);
        EXPECT_EQ(decoded.color, testCase.color);
        EXPECT_EQ(decoded.name, "[7]s");
    }
    drawing().swapBuffers("s");
    EXPECT_EQ(tests::received(listener), std::string("\0\0[7]s\0", 7));
}

TEST_F(RobovizImplementationTest, TheRightSideMirrorsXAndYButNotZOrPolygons) {
    const float triangle[] = {1, 2, 0, 3, 4, 0, 5, 6, 0};
    const struct {
        PlaySide::PLAY_SIDE side;
        std::vector<std::string> line;
    } cases[] = {
        {PlaySide::RIGHT, {"-1.00", "-2.00", "0.500", "-3.00", "4.000", "0.000", "3.000"}},
        {PlaySide::LEFT, {"1.000", "2.000", "0.500", "3.000", "-4.00", "0.000", "3.000"}},
        {PlaySide::UNKNOWN, {"1.000", "2.000", "0.500", "3.000", "-4.00", "0.000", "3.000"}},
    };
    for (const auto& testCase : cases) {
        drawing().setTeamSide(testCase.side);
        drawing().drawLine("l", 1, 2, 0.5f, 3, -4, 0, Roboviz::MEDIUM, Roboviz::WHITE);
        EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).numbers, testCase.line) << testCase.side;
        drawing().drawAnnotation("a", "t", 1, 2, 3, Roboviz::WHITE);
        EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).numbers[0], testCase.line[0]) << testCase.side;
        drawing().drawPolygon("p", triangle, 3, Roboviz::WHITE, 1.0f);
        EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).numbers[0], "1.000") << testCase.side;
    }
}

TEST_F(RobovizImplementationTest, AStoredOffFlagSilencesDrawsButNotSwaps) {
    tests::TemporaryFolder::write(flagsFile(), "{ \"off\": false }");
    drawing().drawSphere("off", 0, 0, 0, 1, Roboviz::RED);
    drawing().drawPoint("off", 0, 0, 0, 1, Roboviz::RED);
    expectNothingSent();
    drawing().swapBuffers("off");
    EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).name, "[7]off");
}

TEST_F(RobovizImplementationTest, FlagsSwitchAtRunTimeAndAreSavedWhereTheyWereLoaded) {
    drawing().drawCircle("ball", 0, 0, 1, Roboviz::MEDIUM, Roboviz::RED);
    EXPECT_EQ(DrawDatagram::decode(tests::received(listener)).name, "[7]ball");

    ParameterNode& flags = store.root().child(Roboviz::DRAWINGS_BIND_PATH);
    flags.setValue("ball", false, true);
    drawing().drawCircle("ball", 0, 0, 1, Roboviz::MEDIUM, Roboviz::RED);
    expectNothingSent();

    ASSERT_TRUE(store.root().save(""));
    EXPECT_EQ(tests::TemporaryFolder::read(flagsFile()), "{\n    \"ball\": false\n}\n");
}

TEST_F(RobovizImplementationTest, ARefusedPolygonSendsNothing) {
    const float vertex[] = {0, 0, 0};
    testing::internal::CaptureStdout();
    drawing().drawPolygon("p", vertex, -1, Roboviz::RED, 1.0f);
    testing::internal::GetCapturedStdout();
    expectNothingSent();
}

TEST_F(RobovizImplementationTest, AFailedLookupLeavesAClientThatSendsNothing) {
    testing::internal::CaptureStderr();
    RobovizImplementation unresolved(store.root(), "127.0.0.1", "no-such-service");
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("getaddrinfo: ", 0), 0u);
    unresolved.drawLine("l", 0, 0, 0, 1, 1, 1, Roboviz::MEDIUM, Roboviz::RED);
    unresolved.swapBuffers("l");
    expectNothingSent();
}

TEST(RobovizCommunicationTest, ClosingAClientThatNeverOpenedLeavesStandardInputOpen) {
    // Make sure descriptor 0 is open, so that closing it would show.
    const int opened = ::fcntl(0, F_GETFD) == -1 ? ::open("/dev/null", O_RDONLY) : -1;
    {
        RobovizCommunication client("127.0.0.1", "32769");
        client.closeConnection();
    }
    EXPECT_NE(::fcntl(0, F_GETFD), -1);
    if (opened == 0) {
        ::close(0);
    }
}

} // namespace
} // namespace roboviz
} // namespace utils
