#ifndef TOOLS_GRAPH_GENERATOR_GRAPHFILEWRITER_H
#define TOOLS_GRAPH_GENERATOR_GRAPHFILEWRITER_H

#include "utils/neural_network/FrozenGraph.pb.h"

#include <string>

namespace tools {
namespace graph_generator {

/// Writes the graph to the file, creating missing folders. The bytes are the
/// same for the same graph, and they go to a fresh temporary file beside the
/// target that is then renamed over it: a reader, or a second writer such as a
/// parallel build, never meets a half-written graph. Throws
/// std::runtime_error naming the file; the target is then as it was.
void writeGraphFile(const std::string& file, const utils::neural_network::proto::GraphDef& graph);

/// Writes the bytes to the file in the same way, for a graph's source file.
void writeFileThroughRename(const std::string& file, const std::string& bytes);

} // namespace graph_generator
} // namespace tools

#endif
