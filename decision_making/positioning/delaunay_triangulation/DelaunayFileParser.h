#ifndef DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYFILEPARSER_H
#define DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYFILEPARSER_H

#include "marlowinds_lib/geometry/Vector2D.h"

#include <istream>
#include <string>
#include <vector>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

/// Reads one formation file: a list of samples, each a ball position and the
/// eleven players' positions for it, in the units of a 105 m x 68 m field,
/// scaled to ours on reading.
///
///     Ball <x> <y>           opens a sample (any other line outside a sample is ignored)
///     <label> <x> <y>        one line per player, uniform number 1 first
///     -----  or  End         closes the sample
///
/// Tokens are separated by runs of blanks; a missing or non-numeric number
/// reads as 0. The end of the file closes an open sample. A sample with fewer
/// than eleven players, or whose ball position repeats an earlier sample's,
/// is left out with a message on the standard error stream; players beyond
/// the eleventh are ignored.
class DelaunayFileParser {
public:
    static constexpr int NUMBER_OF_PLAYERS = 11;

    explicit DelaunayFileParser(const std::string& path);
    virtual ~DelaunayFileParser() = default;

    /// Whether the file could be opened.
    bool wasRead() const { return read; }
    /// The samples' ball positions, in file order.
    const std::vector<marlowinds_lib::geometry::Vector2D>& getPositions() const { return positions; }
    /// The samples' eleven player positions, in the order of getPositions().
    const std::vector<std::vector<marlowinds_lib::geometry::Vector2D>>& getPredefinedPositions() const {
        return predefinedPositions;
    }

private:
    void parse(std::istream& file);
    void closeSample(const marlowinds_lib::geometry::Vector2D& ball,
                     std::vector<marlowinds_lib::geometry::Vector2D>& team, int openedOnLine);

    std::string path;
    bool read = false;
    std::vector<marlowinds_lib::geometry::Vector2D> positions;
    std::vector<std::vector<marlowinds_lib::geometry::Vector2D>> predefinedPositions;
};

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making

#endif
