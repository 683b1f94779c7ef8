#ifndef UTILS_PARSER_KEYVALUEPAIR_H
#define UTILS_PARSER_KEYVALUEPAIR_H

#include <string>

namespace utils {
namespace parser {

/// A node's text split at the first separator: with the blank, the first word
/// and the rest.
class KeyValuePair {
public:
    /// Both parts stay empty when the text holds no separator.
    KeyValuePair(const std::string& text, char separator);

    std::string key;
    std::string value;
};

} // namespace parser
} // namespace utils

#endif
