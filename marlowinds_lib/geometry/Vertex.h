#ifndef MARLOWINDS_LIB_GEOMETRY_VERTEX_H
#define MARLOWINDS_LIB_GEOMETRY_VERTEX_H

#include "marlowinds_lib/geometry/Vector2D.h"

namespace marlowinds_lib {
namespace geometry {

/// A point of a triangulation. The id is its index in the vertex list; the
/// corners of the enclosing super-triangle have the ids -1, -2 and -3.
struct Vertex {
    int id = 0;
    Vector2D position;

    Vertex() = default;
    Vertex(int id, const Vector2D& position) : id(id), position(position) {}
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
