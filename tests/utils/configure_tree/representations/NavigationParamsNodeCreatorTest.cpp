#include "utils/configure_tree/representations/NavigationParamsNodeCreator.h"
#include "representations/RepresentationsLoader.h"
#include "tests/representations/NavigationParamsGuard.h"
#include "tests/utils/configure_tree/ScratchConfiguration.h"
#include "utils/configure_tree/representations/RepresentationsNodeCreator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace utils {
namespace configure_tree {
namespace representations {
namespace {

using Tree = boost::property_tree::ptree;
using Type = ::control::walking::OmnidirectionalWalkZMParamsType;
using ::representations::NavigationParams;

/// The navigation sets as shipped with the repository, copied into a scratch tree and loaded through the
/// representations branch, as at start-up.
class ShippedNavigationParamsTest : public ::representations::NavigationParamsGuard {
protected:
    void SetUp() override {
        NavigationParamsGuard::SetUp();
        // Not found through __FILE__, which a compiler cache may make relative.
        const boost::filesystem::path shipped = MARLOWINDS_CONFIGURATION_DIR;
        const std::string folder = "representations/navigation_params/";
        scratch.makeFolder(folder);
        for (const char* name : ::control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES) {
            const std::string file = folder + name + "-parameters.json";
            boost::filesystem::copy_file(shipped / file, scratch.core() / file);
        }
        ::representations::RepresentationsLoader().setParameter(
            *RepresentationsNodeCreator::generateNode<Tree, std::string>());
    }

    static NavigationParams const& set(Type type) { return NavigationParams::getNavigationParams(type); }

    ScratchConfiguration scratch;
};

TEST_F(ShippedNavigationParamsTest, EveryFieldOfEverySetIsPositiveAndFinite) {
    for (int i = 0; i < 12; ++i) {
        const auto fields = fieldsOf(setAt(i));
        for (std::size_t k = 0; k < fields.size(); ++k) {
            EXPECT_TRUE(std::isfinite(fields[k]) && fields[k] > 0.0) << "set " << i << " field " << k;
        }
    }
}

TEST_F(ShippedNavigationParamsTest, SpeedsStayWithinWhatTheWalkHolds) {
    for (int i = 0; i < 12; ++i) {
        NavigationParams const& params = setAt(i);
        EXPECT_LE(params.max_forward_speed, 0.8) << i;
        EXPECT_LE(params.max_backward_speed, 0.5 * params.max_forward_speed + 1e-12) << i;
        EXPECT_LE(params.max_side_speed, 0.35) << i;
        EXPECT_LE(params.max_angular_speed, 120.0) << i;
    }
    EXPECT_LE(set(Type::PRECISE).max_forward_speed, set(Type::NORMAL).max_forward_speed);
    EXPECT_LE(set(Type::NORMAL).max_forward_speed, set(Type::SPRINT).max_forward_speed);
    EXPECT_LE(set(Type::PRECISE).close_distance_threshold, set(Type::NORMAL).close_distance_threshold);
}

TEST_F(ShippedNavigationParamsTest, BlendsAreNoLooserThanEitherOfTheirSets) {
    struct Row {
        Type blend, first, second;
    };
    const std::vector<Row> rows = {
        {Type::CONDUCT_TURN, Type::CONDUCT, Type::TURN},     {Type::TURN_CONDUCT, Type::TURN, Type::CONDUCT},
        {Type::SPRINT_TURN, Type::SPRINT, Type::TURN},       {Type::TURN_SPRINT, Type::TURN, Type::SPRINT},
        {Type::CONDUCT_SPRINT, Type::CONDUCT, Type::SPRINT}, {Type::SPRINT_CONDUCT, Type::SPRINT, Type::CONDUCT},
    };
    for (auto const& row : rows) {
        const auto blend = fieldsOf(set(row.blend));
        const auto first = fieldsOf(set(row.first));
        const auto second = fieldsOf(set(row.second));
        for (std::size_t k = 0; k < blend.size(); ++k) {
            EXPECT_DOUBLE_EQ(blend[k], std::min(first[k], second[k]))
                << "blend " << static_cast<int>(row.blend) << " field " << k;
        }
    }
}

} // namespace
} // namespace representations
} // namespace configure_tree
} // namespace utils
