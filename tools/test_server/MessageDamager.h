#ifndef TOOLS_TEST_SERVER_MESSAGEDAMAGER_H
#define TOOLS_TEST_SERVER_MESSAGEDAMAGER_H

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tools {
namespace test_server {

/// Damages server messages the way a faulty connection, proxy or monitor tool
/// might, at places drawn at random; the same seed damages the same messages
/// the same way. It draws from an engine of its own, never from the agent's.
class MessageDamager {
public:
    enum class Damage {
        TRUNCATE,      // the message cut short
        UNBALANCE,     // parentheses added or taken away
        NOT_A_NUMBER,  // a number replaced by text
        NOT_FINITE,    // a number replaced by one that is not finite
        REPEAT_GROUP,  // a group written twice
        DROP_GROUP,    // a group left out
        UNKNOWN_NAME,  // a group named by a name the agent does not know
        STRAY_BYTES,   // bytes inserted, NUL and bytes above 127 among them
        ABSURD_PLAYER, // an absurd uniform number or side
        EMPTY,         // nothing left
        DEEP_NESTING,  // a run of opening parentheses, up to far deeper than a parser goes
        BAD_JOINT,     // a joint's angle replaced by a word that starts with no finite number
    };
    static constexpr int NUMBER_OF_DAMAGES = 12;

    explicit MessageDamager(unsigned seed);

    /// The message with one to three damages of kinds drawn at random.
    std::string damage(const std::string& message);
    /// The message with one damage of the given kind.
    std::string damage(std::string message, Damage kind);
    /// True with the given probability.
    bool chance(double probability);

private:
    /// Begin and length of every token that reads as a number.
    static std::vector<std::pair<std::size_t, std::size_t>> numbers(const std::string& message);
    /// Opening and closing index of every complete group.
    static std::vector<std::pair<std::size_t, std::size_t>> groups(const std::string& message);

    /// A whole number below count.
    std::size_t draw(std::size_t count);
    template <typename T, std::size_t N> const T& pick(const T (&choices)[N]) { return choices[draw(N)]; }
    void replaceNumber(std::string& message, const std::string& text);

    std::mt19937 engine;
};

} // namespace test_server
} // namespace tools

#endif
