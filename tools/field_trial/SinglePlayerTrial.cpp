#include "tools/field_trial/SinglePlayerTrial.h"

#include <stdexcept>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

constexpr double SETTLING_SECONDS = 1.0;

} // namespace

void SinglePlayerTrial::perform(const TrialFolder& folder, int body, const Damage& damage,
                                TrialFigures& figures) const {
    try {
        TrialField field(folder.getServerFolder(), static_cast<representations::RobotType::ROBOT_TYPE>(body), damage);
        const double start = field.time();
        try {
            run(field, figures);
        } catch (const std::exception& error) {
            figures.failure = error.what();
        }
        const CycleCount& count = field.player().count();
        figures.seconds = field.time() - start;
        figures.cycles = count.cycles;
        figures.missedCycles = count.missedCycles;
        figures.notFiniteCycles = count.notFiniteCycles;
        if (count.cycles > 0) {
            figures.cpuMean = 1e3 * count.cpuSeconds / count.cycles;
            figures.cpuMax = 1e3 * count.maximumCpuSeconds;
        }
    } catch (const std::exception& error) {
        figures.failure = error.what();
    }
}

void SinglePlayerTrial::standAt(TrialField& field, const marlowinds_lib::math::Pose2D& pose,
                                std::shared_ptr<control::MovementRequest> holding) {
    ScriptedDecision& script = field.player().script();
    script.request(std::move(holding));
    script.setStandUp(false);
    // A player placed in mid-step falls.
    field.stepFor(SETTLING_SECONDS);
    if (!field.place(pose)) {
        throw std::runtime_error("the trainer could not place the player");
    }
    field.stepFor(SETTLING_SECONDS);
}

} // namespace field_trial
} // namespace tools
