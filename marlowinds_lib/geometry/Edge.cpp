#include "marlowinds_lib/geometry/Edge.h"

namespace marlowinds_lib {
namespace geometry {

Vertex* Edge::vertex(int i) const { return i == 0 || i == 1 ? vertices[i] : nullptr; }

Triangle* Edge::getTriangle(int i) const { return i == 0 || i == 1 ? triangles[i] : nullptr; }

Triangle* Edge::getOtherTriangle(const Triangle* t) const { return triangles[0] == t ? triangles[1] : triangles[0]; }

void Edge::setTriangle(Triangle* t) {
    if (triangles[0] == t || triangles[1] == t) {
        return;
    }
    for (Triangle*& slot : triangles) {
        if (slot == nullptr) {
            slot = t;
            return;
        }
    }
}

void Edge::removeTriangle(const Triangle* t) {
    for (Triangle*& slot : triangles) {
        if (slot == t) {
            slot = nullptr;
        }
    }
}

} // namespace geometry
} // namespace marlowinds_lib
