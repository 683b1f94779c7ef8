#ifndef ACTION_EFFECTOR_H
#define ACTION_EFFECTOR_H

#include <string>

namespace action {

/// One command of a message to the simulation server. Commands are written
/// back to back, so an effector writes exactly its own parenthesised text.
class Effector {
public:
    virtual ~Effector() = default;

    /// Appends the command to text, so that a whole message can be written
    /// into one reused buffer.
    virtual void appendTo(std::string& text) const = 0;
    std::string toString() const;

protected:
    Effector() = default;
    Effector(const Effector&) = default;
    Effector& operator=(const Effector&) = default;

    /// Numbers as a stream writes them by default: "%g", six significant digits.
    static void appendNumber(std::string& text, double value);
    static void appendNumber(std::string& text, int value);
};

} // namespace action

#endif
