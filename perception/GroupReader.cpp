#include "perception/GroupReader.h"

#include "perception/MalformedGroupError.h"

#include <boost/lexical_cast.hpp>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale>

namespace perception {

namespace {

/// The token in quotes for an error message, cut short when it is long.
std::string quoted(std::string_view token) {
    constexpr std::size_t LIMIT = 40;
    return "\"" + std::string(token.substr(0, LIMIT)) + (token.size() > LIMIT ? "...\"" : "\"");
}

double requireFinite(double number, std::string_view token) {
    if (!std::isfinite(number)) {
        throw MalformedGroupError("not a finite number: " + quoted(token));
    }
    return number;
}

/// The common case, a token that is exactly a finite decimal number: from_chars
/// reads it to the same correctly rounded value as lexical_cast and strtod, but
/// without a stream or a terminated copy. Anything else is left to them.
bool readPlainNumber(std::string_view token, double& number) {
    const char* const end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, number);
    return error == std::errc() && stop == end && std::isfinite(number);
}

/// The longest leading number of text, as strtod reads it, into number; false
/// (and number 0) when text does not start with one.
bool readLeadingNumber(std::string_view text, double& number) {
    if (readPlainNumber(text, number)) {
        return true;
    }
    // strtod needs a terminated text; a number never comes near this length.
    char buffer[64];
    std::string longText;
    const char* terminated = buffer;
    if (text.size() < sizeof(buffer)) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
    } else {
        longText.assign(text);
        terminated = longText.c_str();
    }
    char* end = nullptr;
    number = requireFinite(std::strtod(terminated, &end), text);
    return end != terminated;
}

/// The whole token as a T by Boost's rules; a token that does not read makes
/// its group malformed, like any other fault.
template <typename T> T lexical(std::string_view token, const char* expected) {
    try {
        return boost::lexical_cast<T>(token.data(), token.size());
    } catch (const boost::bad_lexical_cast&) {
        throw MalformedGroupError(std::string("not ") + expected + ": " + quoted(token));
    }
}

} // namespace

std::string_view GroupReader::trim(std::string_view text) {
    // Visible ASCII is white space in no locale; asking the locale costs more
    // than the rest of a group's reading.
    const auto visible = [](char c) { return c > ' ' && c < '\x7f'; };
    if (text.empty() || (visible(text.front()) && visible(text.back()))) {
        return text;
    }
    const std::locale locale;
    const auto& classes = std::use_facet<std::ctype<char>>(locale);
    while (!text.empty() && classes.is(std::ctype_base::space, text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && classes.is(std::ctype_base::space, text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void GroupReader::trimInPlace(std::string& text) {
    const std::string_view trimmed = trim(text);
    const std::size_t offset = static_cast<std::size_t>(trimmed.data() - text.data());
    text.erase(offset + trimmed.size());
    text.erase(0, offset);
}

std::size_t GroupReader::split(std::string_view text, std::string_view* tokens, std::size_t capacity) {
    std::size_t count = 0;
    std::size_t begin = 0;
    while (true) {
        const std::size_t blank = text.find(' ', begin);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        if (count < capacity) {
            tokens[count] = text.substr(begin, end - begin);
        }
        ++count;
        if (blank == std::string_view::npos) {
            return count;
        }
        begin = blank + 1;
    }
}

std::array<std::string_view, 3> GroupReader::splitThree(std::string_view text) {
    std::array<std::string_view, 3> tokens;
    const std::size_t count = split(text, tokens.data(), tokens.size());
    if (count < tokens.size()) {
        throw MalformedGroupError("three numbers expected, " + std::to_string(count) + " given");
    }
    return tokens;
}

const utils::parser::ParserTreeNode& GroupReader::child(const utils::parser::ParserTreeNode& group, std::size_t index) {
    if (index >= group.children.size()) {
        throw MalformedGroupError("nested group " + std::to_string(index + 1) + " is missing");
    }
    return group.children[index];
}

std::string_view GroupReader::valueOf(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        throw missingValue(text);
    }
    return text.substr(blank + 1);
}

GroupReader::KeyAndValue GroupReader::keyAndValue(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        return {trim(text), {}, false};
    }
    return {trim(text.substr(0, blank)), trim(text.substr(blank + 1)), true};
}

MalformedGroupError GroupReader::missingValue(std::string_view text) {
    return MalformedGroupError(quoted(text) + " has no value");
}

std::string_view GroupReader::valueOfChild(const utils::parser::ParserTreeNode& group, std::size_t index) {
    return valueOf(child(group, index).value);
}

double GroupReader::lexicalDouble(std::string_view token) {
    double number = 0.0;
    if (readPlainNumber(token, number)) {
        return number;
    }
    return requireFinite(lexical<double>(token, "a number"), token);
}

int GroupReader::lexicalInt(std::string_view token) { return lexical<int>(token, "a whole number"); }

bool GroupReader::lexicalBool(std::string_view token) { return lexical<bool>(token, "0 or 1"); }

marlowinds_lib::math::Vector3<double> GroupReader::lexicalVector(std::string_view text) {
    const auto tokens = splitThree(text);
    return {lexicalDouble(tokens[0]), lexicalDouble(tokens[1]), lexicalDouble(tokens[2])};
}

double GroupReader::leadingDouble(std::string_view text) {
    double number = 0.0;
    readLeadingNumber(text, number);
    return number;
}

double GroupReader::requiredLeadingDouble(std::string_view text) {
    double number = 0.0;
    if (!readLeadingNumber(text, number)) {
        throw MalformedGroupError("no number: " + quoted(text));
    }
    return number;
}

} // namespace perception
