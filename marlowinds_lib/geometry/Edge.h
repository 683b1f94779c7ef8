#ifndef MARLOWINDS_LIB_GEOMETRY_EDGE_H
#define MARLOWINDS_LIB_GEOMETRY_EDGE_H

#include "marlowinds_lib/geometry/Vertex.h"

#include <array>

namespace marlowinds_lib {
namespace geometry {

class Triangle;

/// An edge of a triangulation: two vertices and up to two adjacent triangles,
/// none of them owned.
class Edge {
public:
    Edge(int id, Vertex* a, Vertex* b) : id(id), vertices{a, b} {}
    Edge(const Edge&) = delete;
    Edge& operator=(const Edge&) = delete;

    int getId() const { return id; }
    /// Vertex 0 or 1; null for any other index.
    Vertex* vertex(int i) const;
    Vertex* getVertex(int i) const { return vertex(i); }
    /// Triangle 0 or 1 (null when unset or for any other index).
    Triangle* getTriangle(int i) const;
    /// The adjacent triangle that is not t; null when there is none.
    Triangle* getOtherTriangle(const Triangle* t) const;

    /// Fills the first empty slot unless t is already there or both are taken.
    void setTriangle(Triangle* t);
    /// Clears every slot holding t.
    void removeTriangle(const Triangle* t);
    bool hasVertex(const Vertex* v) const { return vertices[0] == v || vertices[1] == v; }

private:
    int id;
    std::array<Vertex*, 2> vertices;
    std::array<Triangle*, 2> triangles{};
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
