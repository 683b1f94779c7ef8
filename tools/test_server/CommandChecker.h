#ifndef TOOLS_TEST_SERVER_COMMANDCHECKER_H
#define TOOLS_TEST_SERVER_COMMANDCHECKER_H

#include <array>
#include <optional>
#include <string>

namespace tools {
namespace test_server {

/// One cycle's reply of an agent, as the server would take it apart.
struct CommandMessage {
    std::optional<std::string> say;
    std::optional<std::array<double, 3>> beam; // x, y, rotation
    bool pass = false;
    std::array<double, 22> jointSpeeds{};
};

/// Checks a reply against the command grammar: optional say, beam and pass
/// (in that order), the 22 joint speed commands in effector order, "(syn)";
/// every number finite.
class CommandChecker {
public:
    static const std::array<const char*, 22> JOINT_EFFECTORS;

    /// True when the text is well formed; otherwise error says what is wrong.
    static bool check(const std::string& text, CommandMessage& message, std::string& error);
};

} // namespace test_server
} // namespace tools

#endif
