#ifndef TESTS_REPRESENTATIONS_NAVIGATIONPARAMSGUARD_H
#define TESTS_REPRESENTATIONS_NAVIGATIONPARAMSGUARD_H

#include "representations/NavigationParams.h"

#include <array>
#include <boost/property_tree/json_parser.hpp>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace representations {

/// Restores the twelve class-wide navigation sets after each test, so no test sees another's leftovers.
class NavigationParamsGuard : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) {
            saved[i] = setAt(i);
        }
    }

    void TearDown() override {
        for (int i = 0; i < 12; ++i) {
            setAt(i) = saved[i];
        }
    }

    static NavigationParams& setAt(int index) {
        return NavigationParams::getNavigationParams(
            static_cast<control::walking::OmnidirectionalWalkZMParamsType>(index));
    }

    static boost::property_tree::ptree parseJson(std::string const& text) {
        std::istringstream stream(text);
        boost::property_tree::ptree tree;
        boost::property_tree::read_json(stream, tree);
        return tree;
    }

    static std::array<double, 7> fieldsOf(NavigationParams const& params) {
        return {params.max_forward_speed, params.max_backward_speed, params.max_side_speed,
                params.max_angular_speed, params.angle_bandwidth,    params.close_distance_threshold,
                params.velocity_gain};
    }

private:
    std::array<NavigationParams, 12> saved;
};

} // namespace representations

#endif
