#include "utils/parser/Parser.h"

#include <stdexcept>

namespace utils {
namespace parser {

std::unique_ptr<ParserTreeNode> Parser::parseMessage(const std::string& text) {
    depth = 0;
    cutShort = false;
    auto root = std::make_unique<ParserTreeNode>();
    std::size_t position = 0;
    while (position < text.size()) {
        // Appended before the search: trailing text after the last group
        // leaves one empty top-level node.
        root->children.emplace_back();
        ParserTreeNode& node = root->children.back();
        ++depth;
        const std::size_t open = text.find('(', position);
        if (open == std::string::npos) {
            break;
        }
        position = readGroup(node, text, open + 1);
        --depth;
    }
    return root;
}

std::size_t Parser::readGroup(ParserTreeNode& node, const std::string& text, std::size_t begin) {
    std::size_t index = begin;
    while (index < text.size()) {
        // A plain scan: find_first_of tests each character against the set
        // through a library call, which dominated the parse.
        std::size_t mark = index;
        while (mark < text.size() && text[mark] != '(' && text[mark] != ')') {
            ++mark;
        }
        node.value.append(text, index, mark - index);
        if (mark == text.size()) {
            break;
        }
        if (text[mark] == ')') {
            return mark + 1;
        }
        index = readNestedGroup(node, text, mark);
    }
    cutShort = true;
    return text.size() + 1;
}

std::size_t Parser::readNestedGroup(ParserTreeNode& parent, const std::string& text, std::size_t open) {
    ++depth;
    if (depth > MAXIMUM_DEPTH) {
        throw std::runtime_error("message nests groups deeper than " + std::to_string(MAXIMUM_DEPTH) + " levels");
    }
    if (!parent.value.empty() && parent.value.back() == ' ') {
        parent.value.pop_back();
    }
    parent.children.emplace_back();
    ParserTreeNode& child = parent.children.back();
    child.level = depth;
    const std::size_t next = readGroup(child, text, open + 1);
    --depth;
    return next;
}

} // namespace parser
} // namespace utils
