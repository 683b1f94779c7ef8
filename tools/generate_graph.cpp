// Writes one neural-network graph file of a kind the generator knows:
//   generate_graph <kind> <file> [name=value ...]
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/GraphKinds.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace tools::graph_generator;
    if (argc < 3) {
        std::cerr << "usage: generate_graph <kind> <file> [name=value ...]\nkinds:\n";
        for (const GraphKind& kind : graphKinds()) {
            std::cerr << "  " << kind.name << ": " << kind.description;
            for (const auto& argument : kind.defaults) {
                std::cerr << (argument == *kind.defaults.begin() ? "; defaults " : " ") << argument.first << "="
                          << argument.second;
            }
            std::cerr << "\n";
        }
        return 2;
    }
    try {
        writeGraphFile(argv[2], makeGraph(argv[1], std::vector<std::string>(argv + 3, argv + argc)));
    } catch (const std::exception& error) {
        std::cerr << "(generate_graph) " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
