#include "modeling/SelfModel.h"

#include "utils/debug/DebuggingUtils.h"

namespace modeling {

SelfModel::SelfModel(const FieldDescription& fieldDescription)
    : localizer(fieldDescription, NUMBER_OF_PARTICLES, state_estimation::LocalizerParams::getDefaultLocalizerParams()) {
}

void SelfModel::update(double time, const std::vector<perception::VisibleFlag*>& flags,
                       const std::vector<perception::VisibleGoalPost*>& goalPosts,
                       const std::vector<perception::VisibleLine*>& lines,
                       const control::walking::OdometryDistribution& odometry,
                       const representations::NaoJoints& joints) {
    localizer.update(time, flags, goalPosts, lines, odometry, joints);
    const marlowinds_lib::math::Pose2D& estimate = localizer.getPoseEstimate();
    if (!utils::isPose2DNotANumber(estimate)) {
        self.setPosition(estimate);
    }
}

void SelfModel::resetLocalizer(const marlowinds_lib::math::Pose2D& mean, const marlowinds_lib::math::Pose2D& sigma) {
    localizer.reset(mean, sigma);
}

} // namespace modeling
