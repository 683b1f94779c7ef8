#ifndef UTILS_PARSER_PARSERTREENODE_H
#define UTILS_PARSER_PARSERTREENODE_H

#include <string>
#include <vector>

namespace utils {
namespace parser {

/// One parenthesised group of a message. Children are held by value, so a tree
/// owns its whole subtree and moves cheaply.
class ParserTreeNode {
public:
    /// The subtree written back as text, children after the node's own text.
    std::string toString() const;
    /// An indented rendering, one child group per line.
    std::string toMonitorString() const;

    /// The characters directly inside the group, outside its nested groups;
    /// the one blank directly before each nested group is dropped.
    std::string value;
    std::vector<ParserTreeNode> children;
    /// Nesting depth: 2 for a group inside a top-level group, 3 below that;
    /// the root and the top-level groups keep 0.
    int level = 0;
};

} // namespace parser
} // namespace utils

#endif
