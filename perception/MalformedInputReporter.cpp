#include "perception/MalformedInputReporter.h"

#include "perception/GroupReader.h"
#include "perception/PerceptorType.h"
#include "perception/VisibleObject.h"

#include <cstdio>
#include <iostream>
#include <utility>

namespace perception {

namespace {

constexpr std::size_t EXCERPT_LENGTH = 160;
constexpr std::string_view UNKNOWN_WORD = "unknown";

/// Damaged text brings words without end; had each its own kind, the kinds
/// would grow without bound and each new one would pass the line limit.
std::string_view kindOf(std::string_view firstWord) {
    const bool known = PerceptorType::identifyType(firstWord) != PerceptorType::NONE ||
                       VisibleObject::identifyType(firstWord) != VisibleObjectType::UNKNOWN;
    return known ? firstWord : UNKNOWN_WORD;
}

} // namespace

MalformedInputReporter::MalformedInputReporter(Clock clock) : clock(std::move(clock)) {}

MalformedInputReporter::~MalformedInputReporter() {
    for (const Kind& kind : kinds) {
        if (kind.left > 0) {
            std::cerr << "(" << kind.reporter << ") " << kind.left << " more like \"" << kind.name << "\" not shown"
                      << std::endl;
        }
    }
}

void MalformedInputReporter::reportSkippedGroup(std::string_view reporter, const std::exception& error,
                                                const utils::parser::ParserTreeNode& group) {
    const std::string_view text = GroupReader::trim(group.value);
    if (Kind* kind = admit(reporter, kindOf(text.substr(0, text.find(' '))))) {
        writeLine(*kind, "skipped a malformed group, " + printable(error.what(), EXCERPT_LENGTH) + ": " +
                             printable("(" + group.toString() + ")", EXCERPT_LENGTH));
    }
}

void MalformedInputReporter::reportDroppedMessage(std::string_view reporter, const std::exception& error,
                                                  std::string_view message) {
    if (Kind* kind = admit(reporter, "message")) {
        writeLine(*kind, "dropped a message, " + printable(error.what(), EXCERPT_LENGTH) + ": " +
                             printable(message, EXCERPT_LENGTH));
    }
}

std::string MalformedInputReporter::printable(std::string_view text, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte >= ' ' && byte < 0x7f) {
            out += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        }
    }
    if (text.size() > limit) {
        out += "...";
    }
    return out;
}

MalformedInputReporter::Kind* MalformedInputReporter::admit(std::string_view reporter, std::string_view name) {
    const auto now = clock();
    for (Kind& kind : kinds) {
        if (kind.reporter == reporter && kind.name == name) {
            if (now - kind.lastLine < INTERVAL) {
                ++kind.left;
                return nullptr;
            }
            kind.lastLine = now;
            return &kind;
        }
    }
    kinds.push_back({std::string(reporter), std::string(name), now, 0});
    return &kinds.back();
}

void MalformedInputReporter::writeLine(Kind& kind, const std::string& text) {
    std::cerr << "(" << kind.reporter << ") " << text;
    if (kind.left > 0) {
        std::cerr << " (and " << kind.left << " more like it since the last line)";
        kind.left = 0;
    }
    std::cerr << std::endl;
}

} // namespace perception
