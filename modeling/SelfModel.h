#ifndef MODELING_SELFMODEL_H
#define MODELING_SELFMODEL_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/Localizer.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "representations/NaoJoints.h"
#include "representations/Self.h"

#include <vector>

namespace modeling {

/// The agent's own global pose: steps the localizer once per cycle and keeps
/// its estimate, unless the estimate holds a NaN.
class SelfModel {
public:
    static constexpr int NUMBER_OF_PARTICLES = 300;

    /// fieldDescription must outlive the model.
    explicit SelfModel(const FieldDescription& fieldDescription);
    virtual ~SelfModel() = default;

    void update(double time, const std::vector<perception::VisibleFlag*>& flags,
                const std::vector<perception::VisibleGoalPost*>& goalPosts,
                const std::vector<perception::VisibleLine*>& lines,
                const control::walking::OdometryDistribution& odometry, const representations::NaoJoints& joints);

    /// Takes effect through the next update.
    void resetLocalizer(const marlowinds_lib::math::Pose2D& mean, const marlowinds_lib::math::Pose2D& sigma);

    representations::Self& getObject() { return self; }
    const representations::Self& getObject() const { return self; }

private:
    state_estimation::Localizer localizer;
    representations::Self self;
};

} // namespace modeling

#endif
