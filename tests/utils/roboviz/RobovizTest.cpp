#include "utils/roboviz/Roboviz.h"

#include "core/utils/parameter_store/ParameterStore.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/utils/roboviz/DrawDatagrams.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace utils {
namespace roboviz {
namespace {

using tools::draw_listener::DrawDatagram;

/// Records the front-end calls that reach it.
class RecordingRoboviz : public Roboviz {
public:
    using Roboviz::drawAnnotation;
    using Roboviz::drawCircle;
    using Roboviz::drawLine;
    using Roboviz::drawPoint;
    using Roboviz::drawPolygon;
    using Roboviz::drawSphere;
    using Roboviz::installInstance;

    explicit RecordingRoboviz(std::vector<std::string>& calls) : calls(calls) {}

    void drawLine(const std::string& name, float x1, float y1, float z1, float x2, float y2, float z2,
                  THICKNESS thickness, COLOR color) override {
        record("line", name, {x1, y1, z1, x2, y2, z2, float(thickness), float(color)});
    }
    void drawCircle(const std::string& name, float x, float y, float radius, THICKNESS thickness,
                    COLOR color) override {
        record("circle", name, {x, y, radius, float(thickness), float(color)});
    }
    void drawSphere(const std::string& name, float x, float y, float z, float radius, COLOR color) override {
        record("sphere", name, {x, y, z, radius, float(color)});
    }
    void drawPoint(const std::string& name, float x, float y, float z, float size, COLOR color) override {
        record("point", name, {x, y, z, size, float(color)});
    }
    void drawPolygon(const std::string& name, const float* vertices, int count, COLOR color, float alpha) override {
        record("polygon", name, {vertices[0], float(count), float(color), alpha});
    }
    void drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z,
                        COLOR color) override {
        record("annotation " + text, name, {x, y, z, float(color)});
    }

private:
    void record(const std::string& shape, const std::string& name, std::initializer_list<float> values) {
        std::ostringstream out;
        out << shape << " " << name;
        for (const float value : values) {
            out << " " << value;
        }
        calls.push_back(out.str());
    }

    std::vector<std::string>& calls;
};

/// Installs a recording instance for one test and puts the previous one back.
class RobovizShortFormTest : public testing::Test {
protected:
    void SetUp() override { previous = RecordingRoboviz::installInstance(std::make_unique<RecordingRoboviz>(calls)); }
    void TearDown() override { RecordingRoboviz::installInstance(std::move(previous)); }

    std::vector<std::string> calls;
    std::unique_ptr<Roboviz> previous;
};

TEST(RobovizTest, GetInstanceAlwaysGivesTheSameObject) {
    Roboviz* const first = Roboviz::getInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Roboviz::getInstance(), first);
}

TEST_F(RobovizShortFormTest, ShortFormsReachTheProcessWideFrontEndsInWhite) {
    const float triangle[] = {1, 2, 0, 3, 4, 0, 5, 6, 0};
    const struct {
        std::function<void(Roboviz&)> draw;
        std::string expected;
    } cases[] = {
        {[](Roboviz& r) { r.drawLine("a", 1, 2, 3, 4, 5, 6); }, "line a 1 2 3 4 5 6 1 8"},
        {[](Roboviz& r) { r.drawCircle("b", 1, 2, 0.5f); }, "circle b 1 2 0.5 1 8"},
        {[](Roboviz& r) { r.drawSphere("c", 1, 2, 3, 0.25f); }, "sphere c 1 2 3 0.25 8"},
        {[](Roboviz& r) { r.drawPoint("d", 1, 2, 3, 4); }, "point d 1 2 3 4 8"},
        {[&](Roboviz& r) { r.drawPolygon("e", triangle, 3); }, "polygon e 1 3 8 1"},
        {[](Roboviz& r) { r.drawAnnotation("f", "hello", 1, 2, 3); }, "annotation hello f 1 2 3 8"},
    };
    for (const auto& testCase : cases) {
        calls.clear();
        Roboviz unrelated; // the call goes to the installed instance, not to this object
        testCase.draw(unrelated);
        ASSERT_EQ(calls.size(), 1u) << testCase.expected;
        EXPECT_EQ(calls.front(), testCase.expected);
    }
}

// These tests build the facade with its switch as MARLOWINDS_ROBOVIZ sets it:
// whoever draws through the facade reaches the monitor.
TEST(RobovizTest, WithTheDrawingSwitchOnTheFacadeSendsToTheMonitor) {
    tests::TemporaryFolder folder;
    tools::draw_listener::UdpListener monitor;
    auto& store = core::utils::parameter_store::ParameterStore::global();
    const std::string origin = store.getOriginFolder();
    store.setOriginFolder(folder.string());
    const std::string host = Roboviz::ROBOVIZ_HOST;
    const std::string port = Roboviz::ROBOVIZ_PORT;
    Roboviz::ROBOVIZ_HOST = "127.0.0.1";
    Roboviz::ROBOVIZ_PORT = monitor.port();
    Roboviz::agentNumber = 10;
    auto previous = RecordingRoboviz::installInstance(nullptr);

    const float triangle[] = {1, 2, 0, 3, 4, 0, 5, 6, 0};
    Roboviz::getInstance()->drawLine("a", 1, 2, 3, 4, 5, 6);
    Roboviz::getInstance()->drawPolygon("b", triangle, 3);
    Roboviz::getInstance()->swapBuffers("ball");
    const DrawDatagram line = DrawDatagram::decode(tests::received(monitor));
    const DrawDatagram polygon = DrawDatagram::decode(tests::received(monitor));
    const std::string swap = tests::received(monitor);

    RecordingRoboviz::installInstance(std::move(previous));
    Roboviz::agentNumber = 0;
    Roboviz::ROBOVIZ_HOST = host;
    Roboviz::ROBOVIZ_PORT = port;
    store.setOriginFolder(origin);

    EXPECT_EQ(line.name, "[10]a");
    EXPECT_EQ(line.numbers.back(), "3.000");
    EXPECT_EQ(line.color, (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(polygon.color, (std::vector<int>{255, 255, 255, 255}));
    EXPECT_EQ(swap, std::string("\0\0[10]ball\0", 11));
}

TEST(RobovizTest, TheDoNothingBaseStaysSilent) {
    Roboviz base;
    const float vertices[] = {0, 0, 0};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    base.swapBuffers("x");
    base.setTeamSide(representations::PlaySide::RIGHT);
    base.drawLine(0, 0, 0, 1, 1, 1, 3, 1, 1, 1, "x");
    base.drawLine("x", 0, 0, 0, 1, 1, 1, Roboviz::THICK, Roboviz::RED);
    base.drawCircle(0, 0, 1, 3, 1, 1, 1, "x");
    base.drawSphere(0, 0, 0, 1, 1, 1, 1, "x");
    base.drawPoint(0, 0, 0, 1, 1, 1, 1, "x");
    base.drawPolygon(vertices, 1, 1, 1, 1, 1, "x");
    base.drawAnnotation("t", 0, 0, 0, 1, 1, 1, "x");
    base.drawAnnotation("x", "t", 0, 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

} // namespace
} // namespace roboviz
} // namespace utils
