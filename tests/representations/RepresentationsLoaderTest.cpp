#include "representations/RepresentationsLoader.h"
#include "tests/representations/NavigationParamsGuard.h"

#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "marlowinds_lib/utils/patterns/LeafParameter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace representations {
namespace {

using Tree = boost::property_tree::ptree;
using Node = marlowinds_lib::utils::patterns::Parameter<Tree, std::string>;
using Branch = marlowinds_lib::utils::patterns::BranchParameter<Tree, std::string>;
using Leaf = marlowinds_lib::utils::patterns::LeafParameter<Tree, std::string>;

class RepresentationsLoaderTest : public NavigationParamsGuard {
protected:
    /// A "representations" branch whose "navigationParams" holds one leaf per (name, JSON text).
    static std::shared_ptr<Branch> representationsWith(std::vector<std::pair<std::string, std::string>> const& leaves) {
        auto navigation = std::make_shared<Branch>();
        for (auto const& leaf : leaves) {
            navigation->addChild(leaf.first, std::make_shared<Leaf>(parseJson(leaf.second)));
        }
        auto representations = std::make_shared<Branch>();
        representations->addChild("navigationParams", navigation);
        return representations;
    }

    static std::string speedJson(double forward) { return R"({"max_forward_speed": )" + std::to_string(forward) + "}"; }

    RepresentationsLoader loader;
};

TEST_F(RepresentationsLoaderTest, EachLeafFillsTheSetOfItsName) {
    struct Row {
        const char* name;
        NavigationParams* target;
    };
    const std::vector<Row> rows = {
        {"normal", &NavigationParams::normalParams},
        {"precise", &NavigationParams::preciseParams},
        {"conduct", &NavigationParams::conductParams},
        {"turn", &NavigationParams::turnParams},
        {"sprint", &NavigationParams::sprintParams},
        {"circle", &NavigationParams::circleParams},
        {"conduct-turn", &NavigationParams::conductTurnParams},
        {"turn-conduct", &NavigationParams::turnConductParams},
        {"sprint-turn", &NavigationParams::sprintTurnParams},
        {"turn-sprint", &NavigationParams::turnSprintParams},
        {"conduct-sprint", &NavigationParams::conductSprintParams},
        {"sprint-conduct", &NavigationParams::sprintConductParams},
    };
    std::vector<std::pair<std::string, std::string>> leaves;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        leaves.emplace_back(rows[i].name, speedJson(0.1 * static_cast<double>(i + 1)));
    }
    auto representations = representationsWith(leaves);

    loader.setParameter(*representations);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].target->max_forward_speed, 0.1 * static_cast<double>(i + 1), 1e-9) << rows[i].name;
        EXPECT_EQ(rows[i].target->max_side_speed, 0.0) << rows[i].name;
    }
}

TEST_F(RepresentationsLoaderTest, CurrentIsAppliedToNormalBeforeNormalItself) {
    auto representations = representationsWith({
        {"normal", R"({"max_forward_speed": 0.6})"},
        {"current", R"({"max_forward_speed": 0.9, "max_side_speed": 0.25})"},
    });

    loader.setParameter(*representations);

    EXPECT_DOUBLE_EQ(NavigationParams::normalParams.max_forward_speed, 0.6);
    EXPECT_DOUBLE_EQ(NavigationParams::normalParams.max_side_speed, 0.25);
}

TEST_F(RepresentationsLoaderTest, UnknownNamesChangeNoSet) {
    auto representations = representationsWith({
        {"fast", speedJson(5.0)},
        {"Normal", speedJson(5.0)},
        {"conduct_turn", speedJson(5.0)},
    });
    representations->addChild("other", representationsWith({{"normal", speedJson(5.0)}}));
    auto shadow = std::make_shared<Branch>();
    shadow->addChild("navigationParams", representationsWith({{"normal", speedJson(5.0)}}));
    representations->addChild("nested", shadow);

    loader.setParameter(*representations);

    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(fieldsOf(setAt(i)), (std::array<double, 7>{})) << i;
    }
}

TEST_F(RepresentationsLoaderTest, BadValueRaisesNamingTheFileAndTheKey) {
    struct Row {
        const char* name;
        const char* json;
        bool outOfRange;
        const char* source;
    };
    const std::vector<Row> rows = {
        {"circle", R"({"max_side_speed": "wide"})", false,
         "../configuration/core/representations/navigation_params/circle-parameters.json"},
        {"sprint-turn", R"({"max_angular_speed": 1e400})", true,
         "../configuration/core/representations/navigation_params/sprint-turn-parameters.json"},
        {"current", R"({"velocity_gain": "x"})", false, "\"current\""},
    };
    for (auto const& row : rows) {
        auto representations = representationsWith({{row.name, row.json}});
        try {
            loader.setParameter(*representations);
            ADD_FAILURE() << row.name << " was accepted";
        } catch (std::logic_error const& error) {
            EXPECT_EQ(dynamic_cast<std::out_of_range const*>(&error) != nullptr, row.outOfRange) << row.name;
            EXPECT_EQ(dynamic_cast<std::invalid_argument const*>(&error) != nullptr, !row.outOfRange) << row.name;
            EXPECT_NE(std::string(error.what()).find(row.source), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("stod"), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace representations
