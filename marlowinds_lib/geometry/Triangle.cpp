#include "marlowinds_lib/geometry/Triangle.h"

#include <cmath>

namespace marlowinds_lib {
namespace geometry {

namespace {
constexpr double COLLINEAR = 1e-10;
} // namespace

Triangle::Triangle(int id, Edge* e0, Edge* e1, Edge* e2) : id(id), edges{e0, e1, e2} {
    for (Edge* edge : edges) {
        edge->setTriangle(this);
    }
    vertices[0] = e0->vertex(0);
    vertices[1] = e0->vertex(1);
    Vertex* candidate = e1->vertex(0);
    vertices[2] = candidate == vertices[0] || candidate == vertices[1] ? e1->vertex(1) : candidate;
    computeCircumcircle();
}

Triangle::~Triangle() {
    for (Edge* edge : edges) {
        edge->removeTriangle(this);
    }
}

void Triangle::computeCircumcircle() {
    const Vector2D& p0 = vertices[0]->position;
    const Vector2D& p1 = vertices[1]->position;
    const Vector2D& p2 = vertices[2]->position;
    const Vector2D d1 = p1 - p0;
    const Vector2D d2 = p2 - p0;
    const double D = d1.cross(d2);
    if (std::fabs(D) < COLLINEAR) {
        circumcenter = {Vector2D::ERROR_VALUE, Vector2D::ERROR_VALUE};
    } else {
        const double l1 = d1.squaredNorm();
        const double l2 = d2.squaredNorm();
        circumcenter = {p0.x + (d2.y * l1 - d1.y * l2) * 0.5 / D, p0.y + (d1.x * l2 - d2.x * l1) * 0.5 / D};
    }
    circumradius = std::hypot(circumcenter.x - p0.x, circumcenter.y - p0.y);
}

bool Triangle::contains(const Vector2D& p) const {
    return (p - circumcenter).squaredNorm() < circumradius * circumradius;
}

bool Triangle::hasVertex(const Vertex* v) const { return vertices[0] == v || vertices[1] == v || vertices[2] == v; }

bool Triangle::hasEdge(const Edge* e) const { return edges[0] == e || edges[1] == e || edges[2] == e; }

Vertex* Triangle::getVertexExclude(const Vertex* a, const Vertex* b) const {
    for (Vertex* v : vertices) {
        if (v != a && v != b) {
            return v;
        }
    }
    return nullptr;
}

Vertex* Triangle::getVertexExclude(const Edge* e) const {
    for (Vertex* v : vertices) {
        if (!e->hasVertex(v)) {
            return v;
        }
    }
    return nullptr;
}

Edge* Triangle::getEdgeInclude(const Vertex* a, const Vertex* b) const {
    for (Edge* e : edges) {
        if (e->hasVertex(a) && e->hasVertex(b)) {
            return e;
        }
    }
    return nullptr;
}

Edge* Triangle::getEdgeExclude(const Vertex* v) const {
    for (Edge* e : edges) {
        if (!e->hasVertex(v)) {
            return e;
        }
    }
    return nullptr;
}

} // namespace geometry
} // namespace marlowinds_lib
