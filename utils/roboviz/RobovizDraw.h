#ifndef UTILS_ROBOVIZ_ROBOVIZDRAW_H
#define UTILS_ROBOVIZ_ROBOVIZDRAW_H

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>

namespace utils {
namespace roboviz {

/// Builds the datagrams of the RoboViz monitor's draw commands. Each builder
/// returns one whole datagram and writes its length to the out-parameter.
/// Numbers travel as six characters of text, so a value of magnitude 100 or
/// more, or not a number, is reported on the standard output and sent as six
/// blanks; colour components in 0 to 1 travel as one byte each.
class RobovizDraw {
public:
    /// The polygon's vertex count travels in one byte.
    static constexpr int MAX_POLYGON_VERTICES = 255;

    std::unique_ptr<unsigned char[]> newBufferSwap(const std::string& name, std::size_t* length) const;
    /// centre holds x, y; color holds r, g, b.
    std::unique_ptr<unsigned char[]> newCircle(const float* centre, float radius, float thickness, const float* color,
                                               const std::string& name, std::size_t* length) const;
    std::unique_ptr<unsigned char[]> newLine(const float* start, const float* end, float thickness, const float* color,
                                             const std::string& name, std::size_t* length) const;
    std::unique_ptr<unsigned char[]> newPoint(const float* position, float size, const float* color,
                                              const std::string& name, std::size_t* length) const;
    std::unique_ptr<unsigned char[]> newSphere(const float* position, float radius, const float* color,
                                               const std::string& name, std::size_t* length) const;
    /// vertices holds count (x, y, z) triples, color r, g, b, a. A count
    /// outside 0 to MAX_POLYGON_VERTICES is reported and gives no datagram
    /// (null, length 0); fewer than 3 vertices are reported and still sent.
    std::unique_ptr<unsigned char[]> newPolygon(const float* vertices, int count, const float* color,
                                                const std::string& name, std::size_t* length) const;
    std::unique_ptr<unsigned char[]> newAnnotation(const std::string& text, const float* position, const float* color,
                                                   const std::string& name, std::size_t* length) const;

    // Field writers: each writes at position and returns the bytes written.
    std::size_t writeCharToBuf(unsigned char* position, unsigned char value) const;
    /// Always six bytes.
    std::size_t writeFloatToBuf(unsigned char* position, float value) const;
    /// One byte per component; nothing for a count below 1.
    std::size_t writeColorToBuf(unsigned char* position, const float* color, int count) const;
    /// The string's bytes and a zero byte.
    std::size_t writeStringToBuf(unsigned char* position, const std::string& text) const;

private:
    /// The circle, line, point and sphere: numbers, then r, g, b, then the name.
    std::unique_ptr<unsigned char[]> newShape(unsigned char subtype, std::initializer_list<float> numbers,
                                              const float* color, const std::string& name, std::size_t* length) const;
};

} // namespace roboviz
} // namespace utils

#endif
