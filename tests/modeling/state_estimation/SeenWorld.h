#ifndef TESTS_MODELING_STATE_ESTIMATION_SEENWORLD_H
#define TESTS_MODELING_STATE_ESTIMATION_SEENWORLD_H

#include "marlowinds_lib/geometry/Line2D.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"
#include "marlowinds_lib/math/Vector3.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/LandmarkObservation.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "representations/FlagType.h"
#include "representations/GoalPostType.h"
#include "utils/parser/ParserTreeNode.h"

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace modeling {
namespace state_estimation {
namespace testing {

using Vector2d = marlowinds_lib::math::Vector2<double>;
using Vector3d = marlowinds_lib::math::Vector3<double>;
using marlowinds_lib::geometry::Line2D;
using marlowinds_lib::math::Pose2D;

/// A field point as a robot at pose sees it.
inline Vector2d toRobotFrame(const Pose2D& pose, const Vector2d& point) {
    return (point - pose.translation).rotate(-pose.rotation);
}

inline LandmarkObservation observe(const Pose2D& pose, const Vector2d& known) {
    const Vector2d seen = toRobotFrame(pose, known);
    LandmarkObservation observation;
    observation.distance = seen.norm();
    observation.bearing = seen.angle();
    observation.position = known;
    return observation;
}

inline Vector2d planar(const Vector3d& point) { return {point.x, point.y}; }

inline LandmarkObservation observeFlag(const Pose2D& pose, const FieldDescription& field,
                                       representations::FlagType::FLAG_TYPE flag) {
    LandmarkObservation observation = observe(pose, planar(field.getFlagKnownPosition(flag)));
    observation.flagType = flag;
    return observation;
}

inline LandmarkObservation observeGoalPost(const Pose2D& pose, const FieldDescription& field,
                                           representations::GoalPostType::GOAL_POST_TYPE post) {
    LandmarkObservation observation = observe(pose, planar(field.getGoalPostKnownPosition(post)));
    observation.goalPostType = post;
    return observation;
}

/// The stretch from a to b of a field line as the robot at pose sees it.
inline Line2D seeLine(const Pose2D& pose, const Vector2d& a, const Vector2d& b) {
    return Line2D(toRobotFrame(pose, a), toRobotFrame(pose, b));
}

/// Visible objects built the way vision builds them, from polar readings.
class VisibleWorld {
public:
    void addFlag(representations::FlagType::FLAG_TYPE type, const Vector3d& robotFrame) {
        flagObjects.push_back(std::make_unique<perception::VisibleFlag>(type, robotFrame));
        flags.push_back(flagObjects.back().get());
    }
    void addGoalPost(const std::string& name, const Vector3d& robotFrame) {
        postObjects.push_back(std::make_unique<perception::VisibleGoalPost>(group(name, {robotFrame})));
        goalPosts.push_back(postObjects.back().get());
    }
    void addLine(const Vector3d& start, const Vector3d& end) {
        lineObjects.push_back(std::make_unique<perception::VisibleLine>(group("L", {start, end})));
        lines.push_back(lineObjects.back().get());
    }
    /// A goal post as a robot at pose sees it, on the ground.
    void seeGoalPost(const Pose2D& pose, const FieldDescription& field,
                     representations::GoalPostType::GOAL_POST_TYPE post) {
        static const char* const NAMES[] = {"G1L", "G2L", "G1R", "G2R"};
        const Vector2d seen = toRobotFrame(pose, planar(field.getGoalPostKnownPosition(post)));
        addGoalPost(NAMES[post], {seen.x, seen.y, 0.0});
    }
    /// Every flag and goal post and the given field line stretches, seen from pose.
    void seeEverything(const Pose2D& pose, const FieldDescription& field,
                       const std::vector<std::pair<Vector2d, Vector2d>>& fieldStretches) {
        using representations::FlagType;
        using representations::GoalPostType;
        for (int flag = FlagType::F1L; flag <= FlagType::F2R; ++flag) {
            const auto type = static_cast<FlagType::FLAG_TYPE>(flag);
            const Vector2d seen = toRobotFrame(pose, planar(field.getFlagKnownPosition(type)));
            addFlag(type, {seen.x, seen.y, 0.0});
        }
        for (int post = GoalPostType::G1L; post <= GoalPostType::G2R; ++post) {
            seeGoalPost(pose, field, static_cast<GoalPostType::GOAL_POST_TYPE>(post));
        }
        for (const auto& stretch : fieldStretches) {
            const Vector2d a = toRobotFrame(pose, stretch.first);
            const Vector2d b = toRobotFrame(pose, stretch.second);
            addLine({a.x, a.y, 0.0}, {b.x, b.y, 0.0});
        }
    }

    std::vector<perception::VisibleFlag*> flags;
    std::vector<perception::VisibleGoalPost*> goalPosts;
    std::vector<perception::VisibleLine*> lines;

private:
    static utils::parser::ParserTreeNode group(const std::string& name, const std::vector<Vector3d>& points) {
        utils::parser::ParserTreeNode node;
        node.value = name;
        for (const Vector3d& point : points) {
            const double distance = point.norm();
            const double horizontal = marlowinds_lib::math::MathUtils::radiansToDegrees(std::atan2(point.y, point.x));
            const double latitude =
                distance > 0.0 ? marlowinds_lib::math::MathUtils::radiansToDegrees(std::asin(point.z / distance)) : 0.0;
            std::ostringstream polar;
            polar.precision(17);
            polar << "pol " << distance << ' ' << horizontal << ' ' << latitude;
            utils::parser::ParserTreeNode child;
            child.value = polar.str();
            node.children.push_back(child);
        }
        return node;
    }

    std::vector<std::unique_ptr<perception::VisibleFlag>> flagObjects;
    std::vector<std::unique_ptr<perception::VisibleGoalPost>> postObjects;
    std::vector<std::unique_ptr<perception::VisibleLine>> lineObjects;
};

} // namespace testing
} // namespace state_estimation
} // namespace modeling

#endif
