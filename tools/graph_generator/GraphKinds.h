#ifndef TOOLS_GRAPH_GENERATOR_GRAPHKINDS_H
#define TOOLS_GRAPH_GENERATOR_GRAPHKINDS_H

#include "utils/neural_network/FrozenGraph.pb.h"

#include <map>
#include <string>
#include <vector>

namespace tools {
namespace graph_generator {

/// The named values a graph is made from, as texts ("seed" → "7").
using GraphArguments = std::map<std::string, std::string>;

/// One kind of graph the generator makes. A new kind is one function that
/// makes its graph, listed in graphKinds().
struct GraphKind {
    const char* name;
    const char* description;
    /// Every argument the kind takes, with its default.
    GraphArguments defaults;
    utils::neural_network::proto::GraphDef (*make)(const GraphArguments& arguments);
};

const std::vector<GraphKind>& graphKinds();

/// The graph of the kind from "name=value" arguments, the defaults standing
/// for those not given. Throws std::invalid_argument for an unknown kind, an
/// unknown argument or a malformed value.
utils::neural_network::proto::GraphDef makeGraph(const std::string& kind, const std::vector<std::string>& arguments);

} // namespace graph_generator
} // namespace tools

#endif
