#ifndef MODELING_BOUNDINGBOX_H
#define MODELING_BOUNDINGBOX_H

#include "marlowinds_lib/math/RotationMatrix.h"

namespace modeling {

/// The extents of a body part's box along x (length), y (width) and z (height), in metres.
class BoundingBox {
public:
    BoundingBox() = default;
    BoundingBox(double length, double width, double height) : length(length), width(width), height(height) {}
    /// A cylinder's box: length and width are its diameter.
    BoundingBox(double height, double radius) : length(2.0 * radius), width(2.0 * radius), height(height) {}
    /// A sphere's box.
    explicit BoundingBox(double radius) : length(2.0 * radius), width(2.0 * radius), height(2.0 * radius) {}
    virtual ~BoundingBox() = default;

    double getLength() const { return length; }
    double getWidth() const { return width; }
    double getHeight() const { return height; }

    /// Re-expresses the extents in a rotated frame: each becomes the absolute
    /// value of the matching component of rotation * (length, width, height).
    void transform(const marlowinds_lib::math::RotationMatrix& rotation);

private:
    double length = 0.0;
    double width = 0.0;
    double height = 0.0;
};

} // namespace modeling

#endif
