#include "tools/field_trial/TrialFigures.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tools {
namespace field_trial {

namespace {

using Field = std::optional<double> TrialFigures::*;

/// Every figure with its key in the file, in the file's order.
const struct {
    const char* key;
    Field field;
} FIGURES[] = {
    {"seconds", &TrialFigures::seconds},
    {"cycles", &TrialFigures::cycles},
    {"missed_cycles", &TrialFigures::missedCycles},
    {"not_finite_cycles", &TrialFigures::notFiniteCycles},
    {"cpu_ms_mean", &TrialFigures::cpuMean},
    {"cpu_ms_max", &TrialFigures::cpuMax},
    {"falls", &TrialFigures::falls},
    {"upright_share", &TrialFigures::uprightShare},
    {"mean_speed_m_s", &TrialFigures::meanSpeed},
    {"turn_rate_deg_s", &TrialFigures::turnRate},
    {"get_up_attempts", &TrialFigures::getUpAttempts},
    {"get_ups", &TrialFigures::getUps},
    {"get_up_time_s", &TrialFigures::getUpTime},
    {"get_ups_in_time", &TrialFigures::getUpsInTime},
    {"get_up_attempts_walking", &TrialFigures::getUpAttemptsWalking},
    {"get_ups_walking", &TrialFigures::getUpsWalking},
    {"get_up_time_walking_s", &TrialFigures::getUpTimeWalking},
    {"get_ups_in_time_walking", &TrialFigures::getUpsInTimeWalking},
    {"get_up_time_limit_s", &TrialFigures::getUpTimeLimit},
    {"kick_distance_m", &TrialFigures::kickDistance},
    {"kick_direction_error_deg", &TrialFigures::kickDirectionError},
    {"position_rms_m", &TrialFigures::positionRms},
    {"position_p95_m", &TrialFigures::positionP95},
    {"heading_rms_deg", &TrialFigures::headingRms},
    {"odometry_translation_rms_m", &TrialFigures::odometryTranslationRms},
    {"odometry_rotation_rms_deg", &TrialFigures::odometryRotationRms},
    {"left_score", &TrialFigures::leftScore},
    {"right_score", &TrialFigures::rightScore},
    {"goals", &TrialFigures::goals},
    {"left_falls", &TrialFigures::leftFalls},
    {"right_falls", &TrialFigures::rightFalls},
    {"re_falls", &TrialFigures::reFalls},
    {"ball_travel_m", &TrialFigures::ballTravel},
};

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

/// Enough digits to read back what was measured; JSON has no NaN, so a figure
/// that is not finite is written as null.
std::string number(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string pose(const marlowinds_lib::math::Pose2D& value) {
    return number(value.translation.x) + ", " + number(value.translation.y) + ", " + number(value.rotation);
}

double readNumber(const boost::property_tree::ptree& node) {
    const std::string& text = node.data();
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    if (used != text.size()) {
        throw std::runtime_error("not a number: " + text);
    }
    return value;
}

/// The figures of one object; throws what the tree's reader throws, or
/// std::runtime_error for a value of the wrong kind.
TrialFigures figuresOf(const boost::property_tree::ptree& tree) {
    TrialFigures figures;
    figures.trial = tree.get<std::string>("trial");
    figures.body = tree.get<std::string>("body") == "null" ? TrialFigures::OWN_BODIES : tree.get<int>("body");
    const std::string failure = tree.get<std::string>("failure");
    figures.failure = failure == "null" ? "" : failure;
    for (const auto& figure : FIGURES) {
        // A figure the tool did not yet measure when the file was written is absent.
        const auto node = tree.get_child_optional(figure.key);
        if (node && node->data() != "null") {
            figures.*figure.field = readNumber(*node);
        }
    }
    for (const auto& step : tree.get_child("odometry_steps")) {
        std::vector<double> values;
        for (const auto& value : step.second) {
            values.push_back(readNumber(value.second));
        }
        if (values.size() != 6) {
            throw std::runtime_error("an odometry step is not six numbers");
        }
        figures.odometrySteps.push_back({{values[2], values[0], values[1]}, {values[5], values[3], values[4]}});
    }
    return figures;
}

} // namespace

std::string TrialFigures::toJson() const {
    std::ostringstream out;
    out << "{\"trial\": " << quoted(trial) << ", \"body\": " << (body == OWN_BODIES ? "null" : std::to_string(body))
        << ", \"failure\": " << (failure.empty() ? "null" : quoted(failure));
    for (const auto& figure : FIGURES) {
        const std::optional<double>& value = this->*figure.field;
        out << ", \"" << figure.key << "\": " << (value ? number(*value) : "null");
    }
    out << ", \"odometry_steps\": [";
    for (std::size_t step = 0; step < odometrySteps.size(); ++step) {
        out << (step == 0 ? "" : ", ") << "[" << pose(odometrySteps[step].odometry) << ", "
            << pose(odometrySteps[step].truth) << "]";
    }
    out << "]}";
    return out.str();
}

TrialFigures TrialFigures::fromJson(const std::string& text) {
    boost::property_tree::ptree tree;
    std::istringstream in(text);
    try {
        boost::property_tree::read_json(in, tree);
        return figuresOf(tree);
    } catch (const std::exception& error) {
        throw std::runtime_error(std::string("unreadable trial figures: ") + error.what());
    }
}

void TrialFigures::writeFile(const std::vector<TrialFigures>& figures, const std::string& file) {
    const std::string aside = file + ".part";
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out << "{\"trials\": [\n";
        for (std::size_t row = 0; row < figures.size(); ++row) {
            out << "  " << figures[row].toJson() << (row + 1 < figures.size() ? ",\n" : "\n");
        }
        out << "]}\n";
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + aside);
        }
    }
    std::filesystem::rename(aside, file);
}

std::vector<TrialFigures> TrialFigures::readFile(const std::string& file) {
    std::vector<TrialFigures> figures;
    try {
        boost::property_tree::ptree tree;
        boost::property_tree::read_json(file, tree);
        for (const auto& trial : tree.get_child("trials")) {
            figures.push_back(figuresOf(trial.second));
        }
    } catch (const std::exception& error) {
        throw std::runtime_error(file + ": unreadable trial figures: " + error.what());
    }
    return figures;
}

} // namespace field_trial
} // namespace tools
