#include "utils/roboviz/RobovizDraw.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace utils {
namespace roboviz {

namespace {

constexpr std::size_t NUMBER_WIDTH = 6;
constexpr std::size_t HEADER_LENGTH = 2;
constexpr std::size_t RGB = 3;
constexpr std::size_t RGBA = 4;

constexpr unsigned char BUFFER_SWAP_CLASS = 0;
constexpr unsigned char SHAPE_CLASS = 1;
constexpr unsigned char ANNOTATION_CLASS = 2;

constexpr unsigned char CIRCLE = 0;
constexpr unsigned char LINE = 1;
constexpr unsigned char POINT = 2;
constexpr unsigned char SPHERE = 3;
constexpr unsigned char POLYGON = 4;

/// The low 8 bits of the component times 255, truncated toward zero, so values
/// outside 0 to 1 wrap; fmod keeps that defined for every finite value.
unsigned char colorByte(float component) {
    const float scaled = component * 255.0f;
    if (!std::isfinite(scaled)) {
        return 0;
    }
    double wrapped = std::fmod(std::trunc(static_cast<double>(scaled)), 256.0);
    if (wrapped < 0) {
        wrapped += 256.0;
    }
    return static_cast<unsigned char>(wrapped);
}

/// Allocates the datagram of the given length and writes its two header bytes.
std::unique_ptr<unsigned char[]> newDatagram(std::size_t length, unsigned char commandClass, unsigned char subtype,
                                             std::size_t* lengthOut) {
    auto datagram = std::make_unique<unsigned char[]>(length);
    datagram[0] = commandClass;
    datagram[1] = subtype;
    *lengthOut = length;
    return datagram;
}

} // namespace

std::size_t RobovizDraw::writeCharToBuf(unsigned char* position, unsigned char value) const {
    *position = value;
    return 1;
}

std::size_t RobovizDraw::writeFloatToBuf(unsigned char* position, float value) const {
    // The limit is tested on the unrounded value, so 99.9996 still goes out as "100.00".
    if (std::isnan(value) || std::fabs(value) >= 100.0f) {
        std::cout << "(RobovizDraw) " << static_cast<double>(value)
                  << (std::isnan(value) ? " float value is not a number" : " float value exceeds limit for drawing")
                  << std::endl;
        std::memset(position, ' ', NUMBER_WIDTH);
        return NUMBER_WIDTH;
    }
    // Five characters end with the text's zero byte; six fill the field.
    char text[20] = {};
    std::snprintf(text, sizeof text, value < 0 ? "%2.2f" : "%2.3f", static_cast<double>(value));
    std::memcpy(position, text, NUMBER_WIDTH);
    return NUMBER_WIDTH;
}

std::size_t RobovizDraw::writeColorToBuf(unsigned char* position, const float* color, int count) const {
    if (count < 1) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        position[i] = colorByte(color[i]);
    }
    return static_cast<std::size_t>(count);
}

std::size_t RobovizDraw::writeStringToBuf(unsigned char* position, const std::string& text) const {
    std::memcpy(position, text.data(), text.size());
    position[text.size()] = 0;
    return text.size() + 1;
}

std::unique_ptr<unsigned char[]> RobovizDraw::newBufferSwap(const std::string& name, std::size_t* length) const {
    auto datagram = newDatagram(HEADER_LENGTH + name.size() + 1, BUFFER_SWAP_CLASS, 0, length);
    writeStringToBuf(&datagram[HEADER_LENGTH], name);
    return datagram;
}

std::unique_ptr<unsigned char[]> RobovizDraw::newShape(unsigned char subtype, std::initializer_list<float> numbers,
                                                       const float* color, const std::string& name,
                                                       std::size_t* length) const {
    auto datagram = newDatagram(HEADER_LENGTH + numbers.size() * NUMBER_WIDTH + RGB + name.size() + 1, SHAPE_CLASS,
                                subtype, length);
    std::size_t at = HEADER_LENGTH;
    for (const float number : numbers) {
        at += writeFloatToBuf(&datagram[at], number);
    }
    at += writeColorToBuf(&datagram[at], color, RGB);
    writeStringToBuf(&datagram[at], name);
    return datagram;
}

std::unique_ptr<unsigned char[]> RobovizDraw::newCircle(const float* centre, float radius, float thickness,
                                                        const float* color, const std::string& name,
                                                        std::size_t* length) const {
    return newShape(CIRCLE, {centre[0], centre[1], radius, thickness}, color, name, length);
}

std::unique_ptr<unsigned char[]> RobovizDraw::newLine(const float* start, const float* end, float thickness,
                                                      const float* color, const std::string& name,
                                                      std::size_t* length) const {
    return newShape(LINE, {start[0], start[1], start[2], end[0], end[1], end[2], thickness}, color, name, length);
}

std::unique_ptr<unsigned char[]> RobovizDraw::newPoint(const float* position, float size, const float* color,
                                                       const std::string& name, std::size_t* length) const {
    return newShape(POINT, {position[0], position[1], position[2], size}, color, name, length);
}

std::unique_ptr<unsigned char[]> RobovizDraw::newSphere(const float* position, float radius, const float* color,
                                                        const std::string& name, std::size_t* length) const {
    return newShape(SPHERE, {position[0], position[1], position[2], radius}, color, name, length);
}

std::unique_ptr<unsigned char[]> RobovizDraw::newPolygon(const float* vertices, int count, const float* color,
                                                         const std::string& name, std::size_t* length) const {
    // The count travels in one byte: any other would announce the wrong number of vertices.
    if (count < 0 || count > MAX_POLYGON_VERTICES) {
        std::cout << "(RobovizDraw) Polygon vertex count " << count << " is outside 0 to " << MAX_POLYGON_VERTICES
                  << std::endl;
        *length = 0;
        return nullptr;
    }
    if (count < 3) {
        std::cout << "(RobovizDraw) Polygon must have 3 or more verts" << std::endl;
    }
    const std::size_t numbers = 3 * static_cast<std::size_t>(count);
    auto datagram =
        newDatagram(HEADER_LENGTH + 1 + RGBA + numbers * NUMBER_WIDTH + name.size() + 1, SHAPE_CLASS, POLYGON, length);
    std::size_t at = HEADER_LENGTH;
    at += writeCharToBuf(&datagram[at], static_cast<unsigned char>(count));
    at += writeColorToBuf(&datagram[at], color, RGBA);
    for (std::size_t i = 0; i < numbers; ++i) {
        at += writeFloatToBuf(&datagram[at], vertices[i]);
    }
    writeStringToBuf(&datagram[at], name);
    return datagram;
}

std::unique_ptr<unsigned char[]> RobovizDraw::newAnnotation(const std::string& text, const float* position,
                                                            const float* color, const std::string& name,
                                                            std::size_t* length) const {
    auto datagram = newDatagram(HEADER_LENGTH + 3 * NUMBER_WIDTH + RGB + text.size() + 1 + name.size() + 1,
                                ANNOTATION_CLASS, 0, length);
    std::size_t at = HEADER_LENGTH;
    for (int i = 0; i < 3; ++i) {
        at += writeFloatToBuf(&datagram[at], position[i]);
    }
    at += writeColorToBuf(&datagram[at], color, RGB);
    at += writeStringToBuf(&datagram[at], text);
    writeStringToBuf(&datagram[at], name);
    return datagram;
}

} // namespace roboviz
} // namespace utils
