#ifndef UTILS_PARSER_PARSER_H
#define UTILS_PARSER_PARSER_H

#include "utils/parser/ParserTreeNode.h"

#include <cstddef>
#include <memory>
#include <string>

namespace utils {
namespace parser {

/// Lenient reader of the server's S-expressions: text outside groups and stray
/// ")" are ignored, and the end of the text closes every open group. One parser
/// per thread; it is reused for every message.
class Parser {
public:
    /// Groups may nest this deep (top-level groups count 1). Both the parse and
    /// the tree's destruction recurse once per level, so deeper input is refused
    /// rather than allowed to exhaust the stack.
    static constexpr int MAXIMUM_DEPTH = 1000;

    Parser() = default;
    virtual ~Parser() = default;

    /// A root whose children are the message's top-level groups in order.
    /// Throws std::runtime_error only for nesting deeper than MAXIMUM_DEPTH.
    std::unique_ptr<ParserTreeNode> parseMessage(const std::string& text);
    /// Whether the last text parsed ended inside a group: then its last
    /// top-level group was cut short and may read as something it never said.
    bool endedInsideGroup() const { return cutShort; }

private:
    /// Fills node with the group whose text starts at begin (just past its
    /// "("); returns the index past its ")", or past the end of the text.
    std::size_t readGroup(ParserTreeNode& node, const std::string& text, std::size_t begin);
    /// Reads the group opening at open as a new last child of parent.
    std::size_t readNestedGroup(ParserTreeNode& parent, const std::string& text, std::size_t open);

    int depth = 0;
    bool cutShort = false;
};

} // namespace parser
} // namespace utils

#endif
