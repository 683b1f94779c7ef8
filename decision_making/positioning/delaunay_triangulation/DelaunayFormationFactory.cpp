#include "decision_making/positioning/delaunay_triangulation/DelaunayFormationFactory.h"

#include "decision_making/positioning/delaunay_triangulation/DelaunayFileParser.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

namespace {

/// The file's formation: its samples' ball positions triangulated, each with
/// its team. Null, with the reason, when the file cannot serve.
std::shared_ptr<DelaunayInterpolator> formationOf(const std::string& path, std::string& problem) {
    const DelaunayFileParser file(path);
    if (!file.wasRead()) {
        problem = "cannot be read";
        return nullptr;
    }
    auto triangulation = std::make_unique<marlowinds_lib::geometry::DelaunayTriangulation>();
    triangulation->addVertices(file.getPositions());
    triangulation->compute();
    auto formation = std::make_shared<DelaunayInterpolator>(std::move(triangulation), file.getPredefinedPositions());
    if (!formation->coversField()) {
        problem = "has samples that do not cover the field";
        return nullptr;
    }
    return formation;
}

} // namespace

DelaunayFormationFactory::DelaunayFormationFactory(const std::string& folder)
    : folder(folder), triangulations(STEMS.size()) {
    // The default formation comes first, so that it can stand in for any other.
    for (std::size_t slot = 0; slot < STEMS.size(); ++slot) {
        const std::string path = pathOf(static_cast<Formation>(slot));
        std::string problem;
        triangulations[slot] = formationOf(path, problem);
        if (triangulations[slot] != nullptr) {
            continue;
        }
        if (slot == DEFAULT_FORMATION) {
            throw std::runtime_error("(DelaunayFormationFactory) the default formation " + path + " " + problem);
        }
        std::cerr << "(DelaunayFormationFactory) " << path << " " << problem << ": the default formation stands in"
                  << std::endl;
        triangulations[slot] = triangulations[DEFAULT_FORMATION];
    }
}

std::string DelaunayFormationFactory::pathOf(Formation formation) const {
    return (std::filesystem::path(folder) / (std::string(STEMS[formation]) + ".conf")).string();
}

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making
