#ifndef PERCEPTION_VISIBLEPLAYER_H
#define PERCEPTION_VISIBLEPLAYER_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/VisibleObject.h"

#include <map>
#include <string>

namespace perception {

/// Another player: (P (team NAME) (id N) (PART (pol D H V)) ...), nested groups
/// in any order. The id and the body-part numbers are read lexical. The
/// position is the mean of the seen body parts, 0 when none was seen.
class VisiblePlayer : public VisibleObject {
public:
    /// Uniform number 0, team "unknown", no body parts.
    VisiblePlayer() = default;
    explicit VisiblePlayer(const utils::parser::ParserTreeNode& group);

    void transformPosition(const marlowinds_lib::math::Pose3D& pose) override;

    /// The uniform number; 0 when the group carried none.
    int getId() const { return id; }
    const std::string& getTeamName() const { return teamName; }
    /// Body part name to position, in ascending name order.
    const std::map<std::string, marlowinds_lib::math::Vector3<double>>& getAllBodyParts() const { return bodyParts; }
    /// Position 0 for a part that was not seen.
    marlowinds_lib::math::Vector3<double> getBodyPartPosition(const std::string& partName) const;
    /// Adds the part unless one of that name is there already: the first reading wins.
    void setBodyPartPosition(const std::string& partName, const marlowinds_lib::math::Vector3<double>& partPosition);

private:
    int id = 0;
    std::string teamName = "unknown";
    std::map<std::string, marlowinds_lib::math::Vector3<double>> bodyParts;
};

} // namespace perception

#endif
