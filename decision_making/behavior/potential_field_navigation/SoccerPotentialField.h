#ifndef DECISION_MAKING_BEHAVIOR_POTENTIAL_FIELD_NAVIGATION_SOCCERPOTENTIALFIELD_H
#define DECISION_MAKING_BEHAVIOR_POTENTIAL_FIELD_NAVIGATION_SOCCERPOTENTIALFIELD_H

#include "decision_making/behavior/potential_field_navigation/PotentialFieldParameters.h"
#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialField.h"
#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldObject.h"
#include "marlowinds_lib/math/Vector2.h"

#include <vector>

namespace decision_making {
namespace behavior {
namespace potential_field_navigation {

/// A potential field over the soccer field: players push away and swirl
/// round, the field borders push inward, a target (or a target dipole) pulls.
/// Its value at a point is the plain sum of its sources, not normalised.
/// Users clear it and add the sources anew for every evaluation.
class SoccerPotentialField {
public:
    using Vector2 = marlowinds_lib::math::Vector2<double>;

    explicit SoccerPotentialField(const PotentialFieldParameters& parameters);

    /// Pushes away by the inverse square of the distance and swirls round the
    /// player with the same strength, counter-clockwise when counterClockwise is set.
    void addOpponent(const Vector2& position, bool counterClockwise);
    void addTeammate(const Vector2& position, bool counterClockwise);
    /// The two end lines, at the points level with position.
    void addXFieldBorder(const Vector2& position);
    /// The two touch lines, at the points level with position.
    void addYFieldBorder(const Vector2& position);
    /// Pulls with a constant plus the inverse of the distance, both by the target attraction.
    void addTarget(const Vector2& target);
    void addTarget(const Vector2& target, double constantFactor, double inverseFactor);
    /// A target whose inverse pull is balanced by an inverse push from the
    /// dipole displacement beyond it in the direction angle, so that the field
    /// leads onto the target from the side opposite to angle.
    void addTargetDipole(const Vector2& target, double angle);
    void addTargetDipole(const Vector2& target, double angle, double constantFactor, double inverseFactor);
    /// Noise, by the inverse of the random ratio.
    void addRandomField();

    void clear() { sources.clear(); }

    Vector2 calculateFieldDirection(const Vector2& position) const;

private:
    void addPlayer(const Vector2& position, bool counterClockwise, double repulsion);

    marlowinds_lib::artificial_intelligence::potential_field::PotentialField evaluator;
    PotentialFieldParameters parameters;
    std::vector<marlowinds_lib::artificial_intelligence::potential_field::PotentialFieldObject> sources;
};

} // namespace potential_field_navigation
} // namespace behavior
} // namespace decision_making

#endif
