#ifndef MARLOWINDS_LIB_GEOMETRY_SIZE2D_H
#define MARLOWINDS_LIB_GEOMETRY_SIZE2D_H

namespace marlowinds_lib {
namespace geometry {

/// The extent of a rectangle: length along x, width along y.
class Size2D {
public:
    constexpr Size2D() = default;
    constexpr Size2D(double length, double width) : lengthValue(length), widthValue(width) {}

    constexpr double length() const { return lengthValue; }
    constexpr double width() const { return widthValue; }

private:
    double lengthValue = 0.0;
    double widthValue = 0.0;
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
