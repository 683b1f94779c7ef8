#include "decision_making/behavior/potential_field_navigation/SoccerPotentialField.h"

#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldFunctions.h"
#include "modeling/FieldDescription.h"

#include <cmath>

namespace decision_making {
namespace behavior {
namespace potential_field_navigation {

namespace {

using Functions = marlowinds_lib::artificial_intelligence::potential_field::PotentialFieldFunctions;
using modeling::FieldDescription;

/// Both players of a full pitch, four borders and a few targets, so that refilling never allocates.
constexpr std::size_t EXPECTED_SOURCES = 64;

} // namespace

SoccerPotentialField::SoccerPotentialField(const PotentialFieldParameters& parameters) : parameters(parameters) {
    sources.reserve(EXPECTED_SOURCES);
}

void SoccerPotentialField::addPlayer(const Vector2& position, bool counterClockwise, double repulsion) {
    sources.emplace_back(position, repulsion, Functions::SQUARE_INVERSE_FUNCTION);
    sources.emplace_back(position, counterClockwise ? repulsion : -repulsion,
                         Functions::ROTATION_SQUARE_INVERSE_FUNCTION);
}

void SoccerPotentialField::addOpponent(const Vector2& position, bool counterClockwise) {
    addPlayer(position, counterClockwise, parameters.getOpponentRepulsion());
}

void SoccerPotentialField::addTeammate(const Vector2& position, bool counterClockwise) {
    addPlayer(position, counterClockwise, parameters.getTeammateRepulsion());
}

void SoccerPotentialField::addXFieldBorder(const Vector2& position) {
    const double repulsion = parameters.getFieldBorderRepulsion();
    sources.emplace_back(Vector2(-FieldDescription::FIELD_LENGTH / 2.0, position.y), repulsion,
                         Functions::INVERSE_FUNCTION);
    sources.emplace_back(Vector2(FieldDescription::FIELD_LENGTH / 2.0, position.y), repulsion,
                         Functions::INVERSE_FUNCTION);
}

void SoccerPotentialField::addYFieldBorder(const Vector2& position) {
    const double repulsion = parameters.getFieldBorderRepulsion();
    sources.emplace_back(Vector2(position.x, FieldDescription::FIELD_WIDTH / 2.0), repulsion,
                         Functions::INVERSE_FUNCTION);
    sources.emplace_back(Vector2(position.x, -FieldDescription::FIELD_WIDTH / 2.0), repulsion,
                         Functions::INVERSE_FUNCTION);
}

void SoccerPotentialField::addTarget(const Vector2& target) {
    addTarget(target, parameters.getTargetAttraction(), parameters.getTargetAttraction());
}

void SoccerPotentialField::addTarget(const Vector2& target, double constantFactor, double inverseFactor) {
    sources.emplace_back(target, constantFactor, Functions::UNIT_VECTOR_FUNCTION);
    sources.emplace_back(target, inverseFactor, Functions::INVERSE_FUNCTION);
}

void SoccerPotentialField::addTargetDipole(const Vector2& target, double angle) {
    addTargetDipole(target, angle, parameters.getTargetAttraction(), parameters.getTargetAttraction());
}

void SoccerPotentialField::addTargetDipole(const Vector2& target, double angle, double constantFactor,
                                           double inverseFactor) {
    addTarget(target, constantFactor, inverseFactor);
    const Vector2 beyond = target + Vector2(std::cos(angle), std::sin(angle)) * parameters.getDipoleDisplacement();
    sources.emplace_back(beyond, -inverseFactor, Functions::INVERSE_FUNCTION);
}

void SoccerPotentialField::addRandomField() {
    sources.emplace_back(Vector2(), 1.0 / parameters.getRandomRatio(), Functions::RANDOM_FUNCTION);
}

SoccerPotentialField::Vector2 SoccerPotentialField::calculateFieldDirection(const Vector2& position) const {
    return evaluator.calculateDirection(position, sources);
}

} // namespace potential_field_navigation
} // namespace behavior
} // namespace decision_making
