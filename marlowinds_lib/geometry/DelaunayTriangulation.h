#ifndef MARLOWINDS_LIB_GEOMETRY_DELAUNAYTRIANGULATION_H
#define MARLOWINDS_LIB_GEOMETRY_DELAUNAYTRIANGULATION_H

#include "marlowinds_lib/geometry/Edge.h"
#include "marlowinds_lib/geometry/Rect2D.h"
#include "marlowinds_lib/geometry/Triangle.h"
#include "marlowinds_lib/geometry/Vector2D.h"
#include "marlowinds_lib/geometry/Vertex.h"

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <vector>

namespace marlowinds_lib {
namespace geometry {

/// Incremental Delaunay triangulation: every vertex is inserted into a large
/// enclosing super-triangle and the Delaunay property is restored by edge flips.
/// Add the vertices, compute() once, then locate points with findTriangleContains.
///
/// Vertices never move in memory, so the triangles of an earlier compute() stay
/// readable after more vertices are added. The triangulation owns its edges and
/// triangles and is neither copyable nor movable.
class DelaunayTriangulation {
public:
    static constexpr double EPSILON = 1e-10;

    using EdgeTable = std::map<int, std::unique_ptr<Edge>>;
    using TriangleTable = std::map<int, std::unique_ptr<Triangle>>;

    DelaunayTriangulation() = default;
    /// Prepares the super-triangle around r, which the next compute() uses.
    explicit DelaunayTriangulation(const Rect2D& r);
    ~DelaunayTriangulation();
    DelaunayTriangulation(const DelaunayTriangulation&) = delete;
    DelaunayTriangulation& operator=(const DelaunayTriangulation&) = delete;
    DelaunayTriangulation(DelaunayTriangulation&&) = delete;
    DelaunayTriangulation& operator=(DelaunayTriangulation&&) = delete;

    /// The new vertex's id, or -1 when a vertex already lies within 1e-3 of (x, y).
    int addVertex(double x, double y);
    /// Appends every point, ids continuing from the current count, without the duplicate test.
    void addVertices(const std::vector<Vector2D>& points);

    /// Triangulates all vertices, discarding an earlier result. A vertex that
    /// repeats an earlier one is left out; an insertion that fails leaves no
    /// triangles. Both are reported on the standard output.
    void compute();

    /// The triangle whose closed area holds p; null when none does.
    Triangle* findTriangleContains(const Vector2D& p) const;
    /// As above, and tells how: 0 none, 1 inside, 2 on an edge.
    int findTriangleContains(const Vector2D& p, Triangle** out) const;

    /// Null for an id outside 0 .. count - 1.
    Vertex* getVertex(int id);
    const Vertex* getVertex(int id) const;
    std::size_t getVertexCount() const { return vertices.size(); }
    /// The nearest vertex closer than about 3162 (squared distance 1e7); the
    /// first one wins ties; null when none is.
    const Vertex* findNearestVertex(const Vector2D& p) const;

    const EdgeTable& getEdges() const { return edges; }
    const TriangleTable& getTriangles() const { return triangles; }

    /// clearResults() and forget the vertices.
    void clear();
    /// Deletes every triangle and edge and restarts the id counters.
    void clearResults();
    /// The super-triangle around the vertices' bounding box grown by 1 on every side.
    void createInitialTriangle();
    void createInitialTriangle(const Rect2D& r);
    /// Deletes every edge touching a super-triangle corner, with its triangles.
    void removeInitialVertices();

private:
    enum class Insertion { INSERTED, COINCIDENT, FAILED };

    Edge* createEdge(Vertex* a, Vertex* b);
    Triangle* createTriangle(Edge* e0, Edge* e1, Edge* e2);
    void deleteTriangle(const Triangle* t);
    void deleteEdge(const Edge* e);
    Triangle* findTriangle(int id) const;
    Edge* findEdge(int id) const;
    bool isInitialVertex(const Vertex* v) const;

    bool updateContainedVertex(Vertex* p, Triangle* t);
    Insertion updateOnlineVertex(Vertex* p, Triangle* t);
    bool legalizeEdge(Triangle* t, Vertex* p, Edge* e);

    int nextEdgeId = 0;
    int nextTriangleId = 0;
    std::array<Vertex, 3> initialVertices;
    // A deque keeps every vertex where it is while more are appended.
    std::deque<Vertex> vertices;
    EdgeTable edges;
    TriangleTable triangles;
    // True while the triangle table holds nothing but a fresh super-triangle.
    bool initialTriangleOnly = false;
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
