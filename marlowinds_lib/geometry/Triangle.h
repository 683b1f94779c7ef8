#ifndef MARLOWINDS_LIB_GEOMETRY_TRIANGLE_H
#define MARLOWINDS_LIB_GEOMETRY_TRIANGLE_H

#include "marlowinds_lib/geometry/Edge.h"
#include "marlowinds_lib/geometry/Vector2D.h"
#include "marlowinds_lib/geometry/Vertex.h"

#include <array>

namespace marlowinds_lib {
namespace geometry {

/// A triangle of a triangulation over three edges, with its circumcircle. It
/// registers itself with its edges when made and leaves them when destroyed.
class Triangle {
public:
    /// Vertices 0 and 1 are e0's; vertex 2 is the vertex of e1 that is neither.
    Triangle(int id, Edge* e0, Edge* e1, Edge* e2);
    ~Triangle();
    Triangle(const Triangle&) = delete;
    Triangle& operator=(const Triangle&) = delete;

    int getId() const { return id; }
    /// Vertex 0, 1 or 2; null for any other index.
    Vertex* getVertex(int i) const { return i >= 0 && i < 3 ? vertices[i] : nullptr; }
    /// Edge 0, 1 or 2; null for any other index.
    Edge* getEdge(int i) const { return i >= 0 && i < 3 ? edges[i] : nullptr; }
    /// (ERROR_VALUE, ERROR_VALUE) when the vertices are collinear.
    const Vector2D& getCircumcenter() const { return circumcenter; }
    double getCircumradius() const { return circumradius; }

    /// Whether p lies strictly inside the circumcircle (not a point-in-triangle test).
    bool contains(const Vector2D& p) const;
    bool hasVertex(const Vertex* v) const;
    bool hasEdge(const Edge* e) const;
    /// The first vertex that is neither a nor b; null when there is none.
    Vertex* getVertexExclude(const Vertex* a, const Vertex* b) const;
    /// The first vertex not on e; null when there is none.
    Vertex* getVertexExclude(const Edge* e) const;
    /// The first edge having both a and b; null when there is none.
    Edge* getEdgeInclude(const Vertex* a, const Vertex* b) const;
    /// The first edge not having v; null when there is none.
    Edge* getEdgeExclude(const Vertex* v) const;

private:
    void computeCircumcircle();

    int id;
    std::array<Vertex*, 3> vertices{};
    std::array<Edge*, 3> edges;
    Vector2D circumcenter;
    double circumradius = 0.0;
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
