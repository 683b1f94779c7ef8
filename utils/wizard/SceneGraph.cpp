#include "utils/wizard/SceneGraph.h"

#include <boost/algorithm/string/split.hpp>
#include <boost/lexical_cast.hpp>

#include <stdexcept>
#include <vector>

namespace utils {
namespace wizard {

namespace {

using representations::PlaySide;

const std::string PARTIAL_SCENE = "RDS";
const std::string NUMBER_MATERIAL = "matNum";
/// "matLeft", "matRight": the side follows a three-letter prefix.
constexpr std::size_t SIDE_MATERIAL_PREFIX = 3;
constexpr int TRANSFORM_NUMBERS = 16;
constexpr int SCENE_HEADER = 1;

} // namespace

marlowinds_lib::math::Vector3<double> columnOf(const Transform& transform, int column) {
    return {transform(0, column), transform(1, column), transform(2, column)};
}

std::string firstWord(const std::string& text) { return text.substr(0, text.find(' ')); }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool isFullTree(const parser::ParserTreeNode& root) {
    return firstWord(root.children.at(SCENE_HEADER).value) != PARTIAL_SCENE;
}

bool namesNumberMaterial(const std::string& text) {
    for (std::size_t found = text.find(NUMBER_MATERIAL); found != std::string::npos;
         found = text.find(NUMBER_MATERIAL, found + 1)) {
        const std::size_t digit = found + NUMBER_MATERIAL.size();
        if (digit < text.size() && text[digit] >= '1' && text[digit] <= '9') {
            return true;
        }
    }
    return false;
}

std::pair<int, PlaySide::PLAY_SIDE> getAgentDataValues(const std::string& text) {
    const std::size_t found = text.find(NUMBER_MATERIAL);
    const std::size_t number = found == std::string::npos ? text.size() : found + NUMBER_MATERIAL.size();
    if (number >= text.size() || text[number] == ' ') {
        return {0, PlaySide::UNKNOWN};
    }
    const std::string numberOnward = text.substr(number);
    const int unum = wordAt<int>(numberOnward, 0);
    const std::string sideMaterial = wordAt<std::string>(numberOnward, 1);
    const std::string side =
        sideMaterial.size() > SIDE_MATERIAL_PREFIX ? sideMaterial.substr(SIDE_MATERIAL_PREFIX) : "";
    if (side == "Left") {
        return {unum, PlaySide::LEFT};
    }
    return {unum, side == "Right" ? PlaySide::RIGHT : PlaySide::UNKNOWN};
}

int getAgentNumber(int unum, PlaySide::PLAY_SIDE side) { return side == PlaySide::RIGHT ? unum + 10 : unum - 1; }

Transform readTransformationMatrix(const std::string& text) {
    std::vector<std::string> words;
    boost::split(words, text, [](char c) { return c == ' '; });
    if (static_cast<int>(words.size()) <= TRANSFORM_NUMBERS) {
        throw std::invalid_argument("a transform needs 16 numbers: \"" + text + "\"");
    }
    Transform transform;
    for (int k = 0; k < TRANSFORM_NUMBERS; ++k) {
        transform(k % 4, k / 4) = boost::lexical_cast<double>(words[k + 1]);
    }
    return transform;
}

} // namespace wizard
} // namespace utils
