#ifndef UTILS_WIZARD_SCENEGRAPH_H
#define UTILS_WIZARD_SCENEGRAPH_H

#include "marlowinds_lib/math/Vector3.h"
#include "representations/PlaySide.h"
#include "utils/parser/ParserTreeNode.h"

#include <Eigen/Core>

#include <sstream>
#include <string>
#include <utility>

// Reading the monitor stream's scene graph: one message is the environment, the
// scene header and the scene graph, whose nodes carry 4x4 transforms in "SLT"
// groups.
namespace utils {
namespace wizard {

/// A homogeneous transform; the all-zero matrix stands for "not read yet".
using Transform = Eigen::Matrix4d;

/// Left numbers 1 to 11 take slots 0 to 10, right ones 11 to 21.
constexpr int NUMBER_OF_SLOTS = 22;
constexpr int TEAM_SIZE = 11;

/// Rows 0 to 2 of a column: 3 is the translation, 0 to 2 the rotated axes.
marlowinds_lib::math::Vector3<double> columnOf(const Transform& transform, int column);

/// The text up to the first blank.
std::string firstWord(const std::string& text);
bool contains(const std::string& text, const std::string& part);

/// The index-th word (from 0) read as a formatted stream reads a T: the value
/// T{} when the word is missing or does not start with one.
template <typename T> T wordAt(const std::string& text, int index) {
    std::istringstream in(text);
    std::string skipped;
    for (int word = 0; word < index; ++word) {
        in >> skipped;
    }
    T value{};
    in >> value;
    return in ? value : T{};
}

/// A full scene rebuilds the player paths; a partial one ("RDS") only updates
/// what changed. The root must hold the scene header.
bool isFullTree(const parser::ParserTreeNode& root);

/// True for a text naming a player's number material: "matNum" followed by a
/// digit from 1 to 9.
bool namesNumberMaterial(const std::string& text);

/// The uniform number and side of a text naming a player's number material,
/// such as "resetMaterials matNum7 matLeft": 7, LEFT. Number 0 with side
/// UNKNOWN when a blank follows "matNum"; side UNKNOWN when the word after the
/// number is neither "matLeft" nor "matRight".
std::pair<int, representations::PlaySide::PLAY_SIDE> getAgentDataValues(const std::string& text);

/// The player's slot: unum + 10 on the right side, unum - 1 on any other.
int getAgentNumber(int unum, representations::PlaySide::PLAY_SIDE side);

/// The transform of an "SLT" group, its 16 numbers written column by column.
/// Throws std::invalid_argument for fewer than 16 words after the keyword and
/// boost::bad_lexical_cast for a word that is not wholly a number.
Transform readTransformationMatrix(const std::string& text);

} // namespace wizard
} // namespace utils

#endif
