#include "tools/test_server/CommandChecker.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace tools {
namespace test_server {

const std::array<const char*, 22> CommandChecker::JOINT_EFFECTORS = {
    "he1",  "he2",  "lae1", "lae2", "lae3", "lae4", "rae1", "rae2", "rae3", "rae4", "lle1",
    "lle2", "lle3", "lle4", "lle5", "lle6", "rle1", "rle2", "rle3", "rle4", "rle5", "rle6"};

namespace {

/// Splits "(a b)(c d)" into the group bodies "a b", "c d"; false on stray text or unbalanced groups.
bool splitGroups(const std::string& text, std::vector<std::string>& groups, std::string& error) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '(') {
            error = "text outside a command at offset " + std::to_string(i);
            return false;
        }
        int depth = 0;
        std::size_t j = i;
        for (; j < text.size(); ++j) {
            if (text[j] == '(') {
                ++depth;
            } else if (text[j] == ')' && --depth == 0) {
                break;
            }
        }
        if (j == text.size()) {
            error = "unbalanced parentheses";
            return false;
        }
        groups.push_back(text.substr(i + 1, j - i - 1));
        i = j + 1;
    }
    return true;
}

bool readFiniteNumber(const std::string& token, double& value) {
    if (token.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(token.c_str(), &end);
    return end == token.c_str() + token.size() && std::isfinite(value);
}

std::vector<std::string> tokens(const std::string& body) {
    std::vector<std::string> result;
    std::istringstream stream(body);
    for (std::string token; stream >> token;) {
        result.push_back(token);
    }
    return result;
}

} // namespace

bool CommandChecker::check(const std::string& text, CommandMessage& message, std::string& error) {
    message = CommandMessage{};
    std::vector<std::string> groups;
    if (!splitGroups(text, groups, error)) {
        return false;
    }
    std::size_t next = 0;
    if (next < groups.size() && groups[next].rfind("say ", 0) == 0) {
        const std::string payload = groups[next].substr(4);
        if (payload.find_first_of(" ()\t\n") != std::string::npos) {
            error = "say message with a blank or parenthesis: " + payload;
            return false;
        }
        message.say = payload;
        ++next;
    }
    if (next < groups.size() && groups[next].rfind("beam ", 0) == 0) {
        const auto parts = tokens(groups[next]);
        std::array<double, 3> beam{};
        if (parts.size() != 4 || !readFiniteNumber(parts[1], beam[0]) || !readFiniteNumber(parts[2], beam[1]) ||
            !readFiniteNumber(parts[3], beam[2])) {
            error = "malformed beam: " + groups[next];
            return false;
        }
        message.beam = beam;
        ++next;
    }
    if (next < groups.size() && groups[next] == "pass") {
        message.pass = true;
        ++next;
    }
    for (std::size_t joint = 0; joint < JOINT_EFFECTORS.size(); ++joint, ++next) {
        if (next >= groups.size()) {
            error = std::string("missing joint command ") + JOINT_EFFECTORS[joint];
            return false;
        }
        const auto parts = tokens(groups[next]);
        if (parts.size() != 2 || parts[0] != JOINT_EFFECTORS[joint]) {
            error = std::string("expected joint command ") + JOINT_EFFECTORS[joint] + ", got (" + groups[next] + ")";
            return false;
        }
        if (!readFiniteNumber(parts[1], message.jointSpeeds[joint])) {
            error = "joint speed is not a finite number: (" + groups[next] + ")";
            return false;
        }
    }
    if (next >= groups.size() || groups[next] != "syn") {
        error = "missing (syn) after the joint commands";
        return false;
    }
    if (next + 1 != groups.size()) {
        error = "commands after (syn)";
        return false;
    }
    return true;
}

} // namespace test_server
} // namespace tools
