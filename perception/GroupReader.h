#ifndef PERCEPTION_GROUPREADER_H
#define PERCEPTION_GROUPREADER_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/MalformedGroupError.h"
#include "utils/parser/ParserTreeNode.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace perception {

/// Reads the parts of a server group in place, without copying its text.
/// A missing nested group or token, a token read lexical that is not a number
/// and a number that is not finite raise MalformedGroupError.
class GroupReader {
public:
    GroupReader() = delete;

    /// Without the white space of the global locale at both ends.
    static std::string_view trim(std::string_view text);
    static void trimInPlace(std::string& text);
    /// Cuts text at every single blank: two adjacent blanks give an empty token,
    /// a text without a blank is one token. Fills at most capacity tokens and
    /// returns how many tokens the text holds.
    static std::size_t split(std::string_view text, std::string_view* tokens, std::size_t capacity);
    /// The first three tokens of text.
    static std::array<std::string_view, 3> splitThree(std::string_view text);

    /// Nested group index of group.
    static const utils::parser::ParserTreeNode& child(const utils::parser::ParserTreeNode& group, std::size_t index);
    /// Everything after the first blank, as KeyValuePair gives it; a text
    /// without a blank has no value.
    static std::string_view valueOf(std::string_view text);
    /// The value of nested group index.
    static std::string_view valueOfChild(const utils::parser::ParserTreeNode& group, std::size_t index);

    /// A nested group's text as (KEY VALUE): both parts trimmed. A text without
    /// a blank is all key, trimmed, and has no value.
    struct KeyAndValue {
        std::string_view key;
        std::string_view value;
        bool hasValue;
    };
    static KeyAndValue keyAndValue(std::string_view text);
    /// The error for a key that needs a value and came without one.
    static MalformedGroupError missingValue(std::string_view text);

    /// The whole token must be a number (Boost.LexicalCast).
    static double lexicalDouble(std::string_view token);
    static int lexicalInt(std::string_view token);
    /// "0" or "1" by Boost's rules.
    static bool lexicalBool(std::string_view token);
    /// The first three tokens of text, each read lexical.
    static marlowinds_lib::math::Vector3<double> lexicalVector(std::string_view text);
    /// The longest leading number, as strtod reads it; 0 when there is none.
    static double leadingDouble(std::string_view text);
    /// The same, but a text that does not start with a number is malformed.
    static double requiredLeadingDouble(std::string_view text);
};

} // namespace perception

#endif
