#include "tools/graph_generator/GraphFileWriter.h"

#include "tests/support/TemporaryFolder.h"
#include "tools/graph_generator/GraphKinds.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tools {
namespace graph_generator {
namespace {

namespace proto = utils::neural_network::proto;

std::size_t filesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(boost::filesystem::directory_iterator(folder), boost::filesystem::directory_iterator()));
}

TEST(GraphFileWriterTest, ConcurrentWritersNeverLeaveAHalfWrittenGraph) {
    tests::TemporaryFolder folder;
    const std::string file = folder / "nested/graph.pb";
    const auto bytesOf = [&folder](const std::string& layers) {
        writeGraphFile(folder / layers, makeGraph("random_perceptron", {layers}));
        return tests::TemporaryFolder::read(folder / layers);
    };
    const std::string small = bytesOf("layers=2,3");
    const std::string large = bytesOf("layers=30,64,64,23");
    writeGraphFile(file, makeGraph("random_perceptron", {"layers=2,3"}));

    std::atomic<bool> writing{true};
    std::vector<std::thread> writers;
    for (const char* layers : {"layers=2,3", "layers=30,64,64,23"}) {
        writers.emplace_back([&file, layers] {
            const proto::GraphDef graph = makeGraph("random_perceptron", {layers});
            for (int i = 0; i < 40; ++i) {
                writeGraphFile(file, graph);
            }
        });
    }
    std::thread watcher([&] {
        while (writing) {
            const std::string bytes = tests::TemporaryFolder::read(file);
            EXPECT_TRUE(bytes == small || bytes == large) << bytes.size() << " bytes";
        }
    });
    for (std::thread& writer : writers) {
        writer.join();
    }
    writing = false;
    watcher.join();
    EXPECT_EQ(filesIn(folder / "nested"), 1U);
}

TEST(GraphFileWriterTest, AFailedWriteNamesTheFileAndLeavesNothingBehind) {
    tests::TemporaryFolder folder;
    boost::filesystem::create_directories(folder / "taken.pb/inside");
    try {
        writeGraphFile(folder / "taken.pb", makeGraph("odometry_calibrator", {}));
        ADD_FAILURE() << "a folder was overwritten";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("cannot write " + (folder / "taken.pb")), std::string::npos);
    }
    EXPECT_EQ(filesIn(folder.string()), 1U);
}

TEST(GraphKindsTest, RefusesUnknownKindsAndArgumentsAndMalformedValues) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        {"no_such_kind", {}},
        {"odometry_calibrator", {"seed=2"}},
        {"random_perceptron", {"seed"}},
        {"random_perceptron", {"seed=-1"}},
        {"random_perceptron", {"layers=4"}},
        {"random_perceptron", {"layers=4,0,2"}},
        {"random_perceptron", {"layers=4,,2"}},
        {"random_perceptron", {"activation=softmax"}},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(makeGraph(c.first, c.second), std::invalid_argument)
            << c.first << " " << (c.second.empty() ? "" : c.second.front());
    }
}

} // namespace
} // namespace graph_generator
} // namespace tools
