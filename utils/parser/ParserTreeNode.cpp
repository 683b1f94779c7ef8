#include "utils/parser/ParserTreeNode.h"

namespace utils {
namespace parser {

std::string ParserTreeNode::toString() const {
    std::string text = value;
    for (const ParserTreeNode& child : children) {
        if (!value.empty()) {
            text += ' ';
        }
        text += '(';
        text += child.toString();
        text += ')';
    }
    return text;
}

std::string ParserTreeNode::toMonitorString() const {
    std::string text = value;
    for (const ParserTreeNode& child : children) {
        text += '\n';
        for (int i = 0; i <= level; ++i) {
            text += "   ";
        }
        text += '(';
        text += child.toMonitorString();
        text += ')';
    }
    return text;
}

} // namespace parser
} // namespace utils
