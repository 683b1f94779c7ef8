#include "tools/draw_listener/DrawDatagram.h"

#include <stdexcept>

namespace tools {
namespace draw_listener {

namespace {

constexpr std::size_t NUMBER_FIELD = 6;

/// Reads the fields of one datagram in order.
class FieldReader {
public:
    explicit FieldReader(const std::string& bytes) : bytes(bytes) {}

    int byte() {
        need(1);
        return static_cast<unsigned char>(bytes[at++]);
    }
    void numbers(std::vector<std::string>& into, int count) {
        for (int i = 0; i < count; ++i) {
            need(NUMBER_FIELD);
            const std::string field = bytes.substr(at, NUMBER_FIELD);
            into.push_back(field.substr(0, field.find('\0')));
            at += NUMBER_FIELD;
        }
    }
    void color(std::vector<int>& into, int count) {
        for (int i = 0; i < count; ++i) {
            into.push_back(byte());
        }
    }
    std::string string() {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string::npos) {
            throw std::runtime_error("string without zero byte");
        }
        std::string read = bytes.substr(at, end - at);
        at = end + 1;
        return read;
    }
    bool atEnd() const { return at == bytes.size(); }

private:
    void need(std::size_t count) const {
        if (at + count > bytes.size()) {
            throw std::runtime_error("datagram too short");
        }
    }

    const std::string& bytes;
    std::size_t at = 0;
};

} // namespace

DrawDatagram DrawDatagram::decode(const std::string& bytes) {
    FieldReader read(bytes);
    const int commandClass = read.byte();
    const int subtype = read.byte();
    DrawDatagram d;
    if (commandClass == 0 && subtype == 0) {
        d.command = "swap";
    } else if (commandClass == 1 && subtype == 4) {
        d.command = "polygon";
        const int vertices = read.byte();
        read.color(d.color, 4);
        read.numbers(d.numbers, 3 * vertices);
    } else if (commandClass == 2 && subtype == 0) {
        d.command = "annotation";
        read.numbers(d.numbers, 3);
        read.color(d.color, 3);
        d.text = read.string();
    } else if (commandClass == 1 && subtype < 4) {
        const char* const shapes[] = {"circle", "line", "point", "sphere"};
        d.command = shapes[subtype];
        read.numbers(d.numbers, subtype == 1 ? 7 : 4);
        read.color(d.color, 3);
    } else {
        throw std::runtime_error("unknown command");
    }
    d.name = read.string();
    if (!read.atEnd()) {
        throw std::runtime_error("bytes after the name");
    }
    return d;
}

} // namespace draw_listener
} // namespace tools
