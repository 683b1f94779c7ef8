#ifndef DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYFORMATIONFACTORY_H
#define DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYFORMATIONFACTORY_H

#include "decision_making/positioning/delaunay_triangulation/DelaunayInterpolator.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

/// Builds the four formations from their files "<stem>.conf" in a folder.
class DelaunayFormationFactory {
public:
    /// The formations by slot, as getTriangulations() holds them.
    enum Formation {
        DEFAULT_FORMATION = 0,
        OUR_BALL_FORMATION = 1,
        PASS_REQUEST_FORMATION = 2,
        THEIR_BALL_FORMATION = 3
    };
    static constexpr std::array<const char*, 4> STEMS = {"default-formation", "our-ball-formation", "pass-request2",
                                                         "their-ball-formation"};

    /// Reads the four files. The default formation stands in, with a message on
    /// the standard error stream, for any other that cannot be read or whose
    /// samples do not cover the field; without a usable default formation there
    /// is no team, and std::runtime_error names its path.
    explicit DelaunayFormationFactory(const std::string& folder);
    virtual ~DelaunayFormationFactory() = default;

    /// Four formations by Formation, none of them empty.
    const std::vector<std::shared_ptr<DelaunayInterpolator>>& getTriangulations() const { return triangulations; }

private:
    std::string pathOf(Formation formation) const;

    std::string folder;
    std::vector<std::shared_ptr<DelaunayInterpolator>> triangulations;
};

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making

#endif
