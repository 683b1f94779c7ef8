#ifndef TESTS_PERCEPTION_PARSEDGROUP_H
#define TESTS_PERCEPTION_PARSEDGROUP_H

#include "utils/parser/Parser.h"
#include "utils/parser/ParserTreeNode.h"

#include <boost/algorithm/string/trim.hpp>

#include <memory>
#include <stdexcept>
#include <string>

namespace perception {
namespace testing {

/// The first group of a text, parsed and trimmed as the perceptor factory
/// hands it to a perceptor.
class ParsedGroup {
public:
    explicit ParsedGroup(const std::string& text) : root(utils::parser::Parser().parseMessage(text)) {
        if (root->children.empty()) {
            throw std::invalid_argument("no group in \"" + text + "\"");
        }
        boost::algorithm::trim(root->children.front().value);
    }

    const utils::parser::ParserTreeNode& node() const { return root->children.front(); }

private:
    std::unique_ptr<utils::parser::ParserTreeNode> root;
};

} // namespace testing
} // namespace perception

#endif
