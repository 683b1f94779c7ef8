#include "marlowinds_lib/geometry/DelaunayTriangulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <utility>

namespace marlowinds_lib {
namespace geometry {

namespace {
// The i-th side of a triangle joins its vertices edge_pairs[i].
constexpr std::pair<std::uint64_t, std::uint64_t> edge_pairs[3] = {{0, 1}, {1, 2}, {2, 0}};

constexpr double DUPLICATE_SQUARED_DISTANCE = 1e-6;
constexpr double NEAREST_SEARCH_SQUARED_DISTANCE = 1e7;
constexpr double BOUNDING_BOX_MARGIN = 1.0;
constexpr double MINIMUM_SUPER_SIZE = 1000.0;

bool onEdgeSegment(const Vector2D& u, const Vector2D& v) {
    return u.x * v.x <= DelaunayTriangulation::EPSILON && u.y * v.y <= DelaunayTriangulation::EPSILON;
}

bool sharesVertex(const Edge* a, const Edge* b) { return b->hasVertex(a->vertex(0)) || b->hasVertex(a->vertex(1)); }

// The two edges of t other than e, in t's order; false when t does not have exactly two.
bool otherEdges(const Triangle* t, const Edge* e, Edge* (&out)[2]) {
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        Edge* candidate = t->getEdge(i);
        if (candidate == e) {
            continue;
        }
        if (count == 2) {
            return false;
        }
        out[count++] = candidate;
    }
    return count == 2;
}
} // namespace

DelaunayTriangulation::DelaunayTriangulation(const Rect2D& r) { createInitialTriangle(r); }

DelaunayTriangulation::~DelaunayTriangulation() { clear(); }

int DelaunayTriangulation::addVertex(double x, double y) {
    const Vector2D position(x, y);
    for (const Vertex& vertex : vertices) {
        if ((vertex.position - position).squaredNorm() < DUPLICATE_SQUARED_DISTANCE) {
            return -1;
        }
    }
    const int id = static_cast<int>(vertices.size());
    vertices.emplace_back(id, position);
    return id;
}

void DelaunayTriangulation::addVertices(const std::vector<Vector2D>& points) {
    for (const Vector2D& point : points) {
        vertices.emplace_back(static_cast<int>(vertices.size()), point);
    }
}

void DelaunayTriangulation::compute() {
    if (vertices.size() <= 2) {
        removeInitialVertices();
        initialTriangleOnly = false;
        return;
    }
    if (!initialTriangleOnly) {
        createInitialTriangle();
    }
    initialTriangleOnly = false;

    for (Vertex& vertex : vertices) {
        Triangle* container = nullptr;
        const int where = findTriangleContains(vertex.position, &container);
        Insertion result = Insertion::FAILED;
        if (where == 1) {
            result = updateContainedVertex(&vertex, container) ? Insertion::INSERTED : Insertion::FAILED;
        } else if (where == 2) {
            result = updateOnlineVertex(&vertex, container);
        }
        if (result == Insertion::COINCIDENT) {
            std::cout << "(DelaunayTriangulation::compute) vertex " << vertex.id
                      << " repeats an earlier one and is left out" << std::endl;
        } else if (result == Insertion::FAILED) {
            std::cout << "(DelaunayTriangulation::compute) cannot insert vertex " << vertex.id << ": no triangulation"
                      << std::endl;
            clearResults();
            return;
        }
    }
    removeInitialVertices();
}

Triangle* DelaunayTriangulation::findTriangleContains(const Vector2D& p) const {
    Triangle* found = nullptr;
    findTriangleContains(p, &found);
    return found;
}

int DelaunayTriangulation::findTriangleContains(const Vector2D& p, Triangle** out) const {
    *out = nullptr;
    for (const auto& entry : triangles) {
        Triangle* t = entry.second.get();
        const Vector2D& center = t->getCircumcenter();
        // A little slack, so that rounding in the radius never hides a corner.
        const double reach = t->getCircumradius() * (1.0 + 1e-9) + EPSILON;
        if (std::fabs(center.x - p.x) > reach || std::fabs(center.y - p.y) > reach) {
            continue;
        }
        const Vector2D u = t->getVertex(0)->position - p;
        const Vector2D v = t->getVertex(1)->position - p;
        const Vector2D w = t->getVertex(2)->position - p;
        const std::pair<const Vector2D*, const Vector2D*> sides[3] = {{&u, &v}, {&v, &w}, {&w, &u}};
        double crosses[3];
        bool onSideLine = false;
        bool onSide = false;
        for (int i = 0; i < 3 && !onSideLine; ++i) {
            crosses[i] = sides[i].first->cross(*sides[i].second);
            if (std::fabs(crosses[i]) <= EPSILON) {
                onSideLine = true;
                onSide = onEdgeSegment(*sides[i].first, *sides[i].second);
            }
        }
        if (onSideLine) {
            if (onSide) {
                *out = t;
                return 2;
            }
            continue;
        }
        const bool allNonNegative = crosses[0] >= 0.0 && crosses[1] >= 0.0 && crosses[2] >= 0.0;
        const bool allNonPositive = crosses[0] <= 0.0 && crosses[1] <= 0.0 && crosses[2] <= 0.0;
        if (allNonNegative || allNonPositive) {
            *out = t;
            return 1;
        }
    }
    return 0;
}

Vertex* DelaunayTriangulation::getVertex(int id) {
    return id >= 0 && static_cast<std::size_t>(id) < vertices.size() ? &vertices[id] : nullptr;
}

const Vertex* DelaunayTriangulation::getVertex(int id) const {
    return id >= 0 && static_cast<std::size_t>(id) < vertices.size() ? &vertices[id] : nullptr;
}

const Vertex* DelaunayTriangulation::findNearestVertex(const Vector2D& p) const {
    const Vertex* nearest = nullptr;
    double best = NEAREST_SEARCH_SQUARED_DISTANCE;
    for (const Vertex& vertex : vertices) {
        const double squaredDistance = (vertex.position - p).squaredNorm();
        if (squaredDistance < best) {
            best = squaredDistance;
            nearest = &vertex;
        }
    }
    return nearest;
}

void DelaunayTriangulation::clear() {
    clearResults();
    vertices.clear();
}

void DelaunayTriangulation::clearResults() {
    // Triangles first: they leave their edges when destroyed.
    triangles.clear();
    edges.clear();
    nextEdgeId = 0;
    nextTriangleId = 0;
    initialTriangleOnly = false;
}

void DelaunayTriangulation::createInitialTriangle() {
    if (vertices.empty()) {
        return;
    }
    double minX = std::numeric_limits<double>::infinity();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    for (const Vertex& vertex : vertices) {
        minX = std::min(minX, vertex.position.x);
        minY = std::min(minY, vertex.position.y);
        maxX = std::max(maxX, vertex.position.x);
        maxY = std::max(maxY, vertex.position.y);
    }
    createInitialTriangle(Rect2D({minX - BOUNDING_BOX_MARGIN, minY - BOUNDING_BOX_MARGIN},
                                 {maxX + BOUNDING_BOX_MARGIN, maxY + BOUNDING_BOX_MARGIN}));
}

void DelaunayTriangulation::createInitialTriangle(const Rect2D& r) {
    clearResults();
    const double s =
        std::max(MINIMUM_SUPER_SIZE, MINIMUM_SUPER_SIZE * std::max(r.size().width() + 1.0, r.size().length() + 1.0));
    const Vector2D c = r.center();
    initialVertices[0] = Vertex(-1, {c.x + s, c.y});
    initialVertices[1] = Vertex(-2, {c.x, c.y + s});
    initialVertices[2] = Vertex(-3, {c.x - s, c.y - s});
    Edge* e0 = createEdge(&initialVertices[0], &initialVertices[1]);
    Edge* e1 = createEdge(&initialVertices[1], &initialVertices[2]);
    Edge* e2 = createEdge(&initialVertices[2], &initialVertices[0]);
    createTriangle(e0, e1, e2);
    initialTriangleOnly = true;
}

void DelaunayTriangulation::removeInitialVertices() {
    std::vector<Edge*> touching;
    for (const auto& entry : edges) {
        Edge* edge = entry.second.get();
        if (isInitialVertex(edge->vertex(0)) || isInitialVertex(edge->vertex(1))) {
            touching.push_back(edge);
        }
    }
    for (Edge* edge : touching) {
        Triangle* first = edge->getTriangle(0);
        Triangle* second = edge->getTriangle(1);
        if (first != nullptr) {
            deleteTriangle(first);
        }
        if (second != nullptr) {
            deleteTriangle(second);
        }
        deleteEdge(edge);
    }
    initialTriangleOnly = false;
}

Edge* DelaunayTriangulation::createEdge(Vertex* a, Vertex* b) {
    const int id = nextEdgeId++;
    return edges.emplace(id, std::make_unique<Edge>(id, a, b)).first->second.get();
}

Triangle* DelaunayTriangulation::createTriangle(Edge* e0, Edge* e1, Edge* e2) {
    const int id = nextTriangleId++;
    return triangles.emplace(id, std::make_unique<Triangle>(id, e0, e1, e2)).first->second.get();
}

void DelaunayTriangulation::deleteTriangle(const Triangle* t) { triangles.erase(t->getId()); }

void DelaunayTriangulation::deleteEdge(const Edge* e) { edges.erase(e->getId()); }

Triangle* DelaunayTriangulation::findTriangle(int id) const {
    const auto found = triangles.find(id);
    return found == triangles.end() ? nullptr : found->second.get();
}

Edge* DelaunayTriangulation::findEdge(int id) const {
    const auto found = edges.find(id);
    return found == edges.end() ? nullptr : found->second.get();
}

bool DelaunayTriangulation::isInitialVertex(const Vertex* v) const {
    return v == &initialVertices[0] || v == &initialVertices[1] || v == &initialVertices[2];
}

bool DelaunayTriangulation::updateContainedVertex(Vertex* p, Triangle* t) {
    Vertex* const corners[3] = {t->getVertex(0), t->getVertex(1), t->getVertex(2)};
    Edge* spokes[3];
    for (int i = 0; i < 3; ++i) {
        spokes[i] = createEdge(p, corners[i]);
    }
    // Ids rather than pointers: legalising one side may delete triangles and edges.
    int newTriangles[3];
    int oldEdges[3];
    for (int k = 0; k < 3; ++k) {
        const auto [i, j] = edge_pairs[k];
        Edge* old = t->getEdgeInclude(corners[i], corners[j]);
        if (old == nullptr) {
            return false;
        }
        old->removeTriangle(t);
        const Triangle* created = createTriangle(old, spokes[i], spokes[j]);
        if (created->getCircumcenter().isError()) {
            return false;
        }
        newTriangles[k] = created->getId();
        oldEdges[k] = old->getId();
    }
    deleteTriangle(t);
    for (int k = 0; k < 3; ++k) {
        if (!legalizeEdge(findTriangle(newTriangles[k]), p, findEdge(oldEdges[k]))) {
            return false;
        }
    }
    return true;
}

DelaunayTriangulation::Insertion DelaunayTriangulation::updateOnlineVertex(Vertex* p, Triangle* t) {
    Edge* split = nullptr;
    int linesThroughP = 0;
    for (int i = 0; i < 3; ++i) {
        Edge* edge = t->getEdge(i);
        const Vector2D a = edge->vertex(0)->position - p->position;
        const Vector2D b = edge->vertex(1)->position - p->position;
        if (std::fabs(a.cross(b)) <= EPSILON) {
            ++linesThroughP;
            split = edge;
        }
    }
    if (linesThroughP == 0) {
        return Insertion::FAILED;
    }
    if (linesThroughP >= 2) {
        // On two side lines at once: p is a corner that is already there.
        return Insertion::COINCIDENT;
    }
    Vertex* const ends[2] = {split->vertex(0), split->vertex(1)};
    Triangle* const neighbour = split->getOtherTriangle(t);

    Edge* const halves[2] = {createEdge(p, ends[0]), createEdge(p, ends[1])};
    std::vector<std::pair<int, int>> toLegalize; // (triangle id, edge id)
    bool degenerate = false;

    // Both triangles on either side of the split edge are cut in two the same way.
    const auto splitTriangle = [&](Triangle* side) {
        Vertex* opposite = side->getVertexExclude(split);
        if (opposite == nullptr) {
            return false;
        }
        Edge* spoke = createEdge(p, opposite);
        for (int k = 0; k < 2; ++k) {
            Edge* old = side->getEdgeInclude(ends[k], opposite);
            if (old == nullptr) {
                return false;
            }
            old->removeTriangle(side);
            const Triangle* created = createTriangle(old, halves[k], spoke);
            degenerate = degenerate || created->getCircumcenter().isError();
            toLegalize.emplace_back(created->getId(), old->getId());
        }
        return true;
    };
    if (!splitTriangle(t) || (neighbour != nullptr && !splitTriangle(neighbour)) || degenerate) {
        return Insertion::FAILED;
    }
    deleteTriangle(t);
    if (neighbour != nullptr) {
        deleteTriangle(neighbour);
    }
    deleteEdge(split);
    for (const auto& [triangleId, edgeId] : toLegalize) {
        if (!legalizeEdge(findTriangle(triangleId), p, findEdge(edgeId))) {
            return Insertion::FAILED;
        }
    }
    return Insertion::INSERTED;
}

bool DelaunayTriangulation::legalizeEdge(Triangle* t, Vertex* p, Edge* e) {
    if (t == nullptr || e == nullptr) {
        return false;
    }
    Triangle* neighbour = e->getOtherTriangle(t);
    if (neighbour == nullptr || !neighbour->contains(p->position)) {
        return true;
    }
    Vertex* q = neighbour->getVertexExclude(e);
    Edge* own[2];
    Edge* across[2];
    if (q == nullptr || !otherEdges(t, e, own) || !otherEdges(neighbour, e, across)) {
        return false;
    }
    for (int k = 0; k < 2; ++k) {
        own[k]->removeTriangle(t);
        across[k]->removeTriangle(neighbour);
    }
    if (!sharesVertex(own[0], across[0])) {
        std::swap(across[0], across[1]);
    }
    Edge* flipped = createEdge(p, q);
    const Triangle* first = createTriangle(flipped, own[0], across[0]);
    const Triangle* second = createTriangle(flipped, own[1], across[1]);
    if (first->getCircumcenter().isError() || second->getCircumcenter().isError()) {
        return false;
    }
    const int firstId = first->getId();
    const int secondId = second->getId();
    const int acrossIds[2] = {across[0]->getId(), across[1]->getId()};
    deleteTriangle(t);
    deleteTriangle(neighbour);
    deleteEdge(e);
    return legalizeEdge(findTriangle(firstId), p, findEdge(acrossIds[0])) &&
           legalizeEdge(findTriangle(secondId), p, findEdge(acrossIds[1]));
}

} // namespace geometry
} // namespace marlowinds_lib
