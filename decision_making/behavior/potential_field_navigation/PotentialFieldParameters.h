#ifndef DECISION_MAKING_BEHAVIOR_POTENTIAL_FIELD_NAVIGATION_POTENTIALFIELDPARAMETERS_H
#define DECISION_MAKING_BEHAVIOR_POTENTIAL_FIELD_NAVIGATION_POTENTIALFIELDPARAMETERS_H

namespace decision_making {
namespace behavior {
namespace potential_field_navigation {

/// The gains of a soccer potential field. Positive factors push away from a
/// source, negative ones pull towards it.
class PotentialFieldParameters {
public:
    PotentialFieldParameters() = default;
    PotentialFieldParameters(double opponentRepulsion, double teammateRepulsion, double fieldBorderRepulsion,
                             double targetAttraction, double dipoleDisplacement, double randomRatio)
        : opponentRepulsion(opponentRepulsion), teammateRepulsion(teammateRepulsion),
          fieldBorderRepulsion(fieldBorderRepulsion), targetAttraction(targetAttraction),
          dipoleDisplacement(dipoleDisplacement), randomRatio(randomRatio) {}

    double getOpponentRepulsion() const { return opponentRepulsion; }
    double getTeammateRepulsion() const { return teammateRepulsion; }
    double getFieldBorderRepulsion() const { return fieldBorderRepulsion; }
    double getTargetAttraction() const { return targetAttraction; }
    /// How far beyond the target the push of a dipole sits (m).
    double getDipoleDisplacement() const { return dipoleDisplacement; }
    /// The random source's weight is its inverse.
    double getRandomRatio() const { return randomRatio; }

private:
    double opponentRepulsion = 10.0;
    double teammateRepulsion = 5.0;
    double fieldBorderRepulsion = 5.0;
    double targetAttraction = -10.0;
    double dipoleDisplacement = 0.5;
    double randomRatio = 5.0;
};

} // namespace potential_field_navigation
} // namespace behavior
} // namespace decision_making

#endif
