#ifndef TOOLS_DRAW_LISTENER_DRAWDATAGRAM_H
#define TOOLS_DRAW_LISTENER_DRAWDATAGRAM_H

#include <string>
#include <vector>

namespace tools {
namespace draw_listener {

/// One draw datagram of the RoboViz monitor, read back field by field from
/// the monitor's layout: a command's two header bytes, then its six-byte
/// numbers, colour bytes and zero-ended strings.
struct DrawDatagram {
    /// "swap", "circle", "line", "point", "sphere", "polygon" or "annotation".
    std::string command;
    /// Each number field's text up to its zero byte.
    std::vector<std::string> numbers;
    std::vector<int> color;
    /// The annotation's.
    std::string text;
    /// The drawing buffer's.
    std::string name;

    /// Throws std::runtime_error for an unknown command, a datagram too short
    /// for its fields, a string without its zero byte, or bytes after the name.
    static DrawDatagram decode(const std::string& bytes);
};

} // namespace draw_listener
} // namespace tools

#endif
