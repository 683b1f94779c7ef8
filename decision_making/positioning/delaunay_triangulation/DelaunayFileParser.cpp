#include "decision_making/positioning/delaunay_triangulation/DelaunayFileParser.h"

#include "modeling/FieldDescription.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

namespace {

using marlowinds_lib::geometry::Vector2D;
using modeling::FieldDescription;

constexpr double X_SCALE = FieldDescription::FIELD_LENGTH / FieldDescription::SOCCER_2D_FIELD_LENGTH;
constexpr double Y_SCALE = FieldDescription::FIELD_WIDTH / FieldDescription::SOCCER_2D_FIELD_WIDTH;
/// Ball positions closer than this (m) are one: the triangulation cannot tell them apart.
constexpr double SAME_BALL_DISTANCE = 1e-3;
/// A carriage return counts as a blank, so that files saved with DOS line ends read the same.
constexpr const char* BLANKS = " \t\r";

/// The line's tokens; a line that begins with a blank has an empty first token.
void split(const std::string& line, std::vector<std::string>& tokens) {
    tokens.clear();
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type end = line.find_first_of(BLANKS, start);
        tokens.push_back(line.substr(start, end - start));
        if (end == std::string::npos) {
            return;
        }
        start = line.find_first_not_of(BLANKS, end);
        if (start == std::string::npos) {
            return;
        }
    }
}

/// The token's leading decimal number; 0 for a missing token or one that
/// starts with no finite number ("nan" and "inf" would poison the interpolation).
double numberOf(const std::vector<std::string>& tokens, std::size_t i) {
    const double number = i < tokens.size() ? std::strtod(tokens[i].c_str(), nullptr) : 0.0;
    return std::isfinite(number) ? number : 0.0;
}

/// The point of tokens 1 and 2, scaled to the field.
Vector2D pointOf(const std::vector<std::string>& tokens) {
    return Vector2D(numberOf(tokens, 1) * X_SCALE, numberOf(tokens, 2) * Y_SCALE);
}

} // namespace

DelaunayFileParser::DelaunayFileParser(const std::string& path) : path(path) {
    std::ifstream file(path);
    read = file.is_open();
    if (read) {
        parse(file);
    }
}

void DelaunayFileParser::parse(std::istream& file) {
    std::string line;
    std::vector<std::string> tokens;
    bool inSample = false;
    int openedOnLine = 0;
    Vector2D ball;
    std::vector<Vector2D> team;
    for (int number = 1; std::getline(file, line); ++number) {
        split(line, tokens);
        const std::string& first = tokens.front();
        if (!inSample) {
            if (first == "Ball") {
                inSample = true;
                openedOnLine = number;
                ball = pointOf(tokens);
                team.clear();
            }
        } else if (first == "-----" || first == "End") {
            closeSample(ball, team, openedOnLine);
            inSample = false;
        } else {
            team.push_back(pointOf(tokens));
        }
    }
    if (inSample) {
        closeSample(ball, team, openedOnLine);
    }
}

void DelaunayFileParser::closeSample(const Vector2D& ball, std::vector<Vector2D>& team, int openedOnLine) {
    const std::string sample = "(DelaunayFileParser) " + path + ": the sample of line " + std::to_string(openedOnLine);
    if (team.size() < NUMBER_OF_PLAYERS) {
        std::cerr << sample << " has " << team.size() << " players, not " << NUMBER_OF_PLAYERS << ", and is left out"
                  << std::endl;
        return;
    }
    for (const Vector2D& earlier : positions) {
        if ((earlier - ball).squaredNorm() < SAME_BALL_DISTANCE * SAME_BALL_DISTANCE) {
            std::cerr << sample << " repeats an earlier ball position and is left out" << std::endl;
            return;
        }
    }
    team.resize(NUMBER_OF_PLAYERS);
    positions.push_back(ball);
    predefinedPositions.push_back(team);
}

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making
