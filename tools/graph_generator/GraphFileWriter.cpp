#include "tools/graph_generator/GraphFileWriter.h"

#include <boost/filesystem.hpp>
#include <google/protobuf/io/coded_stream.h>
#include <google/protobuf/io/zero_copy_stream_impl_lite.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tools {
namespace graph_generator {

namespace {

std::string serialize(const utils::neural_network::proto::GraphDef& graph) {
    std::string bytes;
    { // The streams hand the last bytes over when they end.
        google::protobuf::io::StringOutputStream stream(&bytes);
        google::protobuf::io::CodedOutputStream coded(&stream);
        // Attribute maps would otherwise come out in any order.
        coded.SetSerializationDeterministic(true);
        graph.SerializeToCodedStream(&coded);
    }
    return bytes;
}

bool writeAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno != EINTR) {
            return false;
        }
        written += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    return true;
}

} // namespace

void writeGraphFile(const std::string& file, const utils::neural_network::proto::GraphDef& graph) {
    writeFileThroughRename(file, serialize(graph));
}

void writeFileThroughRename(const std::string& file, const std::string& bytes) {
    const boost::filesystem::path folder = boost::filesystem::path(file).parent_path();
    boost::system::error_code folderError;
    if (!folder.empty()) {
        boost::filesystem::create_directories(folder, folderError);
    }
    std::string temporary = file + ".XXXXXX";
    const int descriptor = folderError ? -1 : mkstemp(&temporary[0]);
    if (descriptor < 0) {
        const std::string reason = folderError ? folderError.message() : std::strerror(errno);
        throw std::runtime_error("cannot write " + file + ": " + reason);
    }
    const auto fail = [&](const std::string& reason) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + file + ": " + reason);
    };
    // mkstemp makes the file private; a graph is read like any configuration file.
    if (!writeAll(descriptor, bytes) || fchmod(descriptor, 0644) != 0 || fsync(descriptor) != 0) {
        const std::string reason = std::strerror(errno);
        close(descriptor);
        fail(reason);
    }
    if (close(descriptor) != 0 || std::rename(temporary.c_str(), file.c_str()) != 0) {
        fail(std::strerror(errno));
    }
}

} // namespace graph_generator
} // namespace tools
