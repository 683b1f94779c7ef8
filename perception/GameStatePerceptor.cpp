#include "perception/GameStatePerceptor.h"

#include "perception/GroupReader.h"

#include <array>

namespace perception {

namespace {

bool isKnownKey(std::string_view key) {
    static constexpr std::array<std::string_view, 6> KEYS{"sl", "sr", "t", "pm", "unum", "team"};
    for (const std::string_view known : KEYS) {
        if (known == key) {
            return true;
        }
    }
    return false;
}

} // namespace

GameStatePerceptor::GameStatePerceptor(const utils::parser::ParserTreeNode& group)
    : Perceptor(group), firstTime(false) {
    for (const utils::parser::ParserTreeNode& entry : group.children) {
        const auto [key, value, hasValue] = GroupReader::keyAndValue(entry.value);
        if (!hasValue) {
            if (isKnownKey(key)) {
                throw GroupReader::missingValue(entry.value);
            }
            continue;
        }
        if (key == "sl") {
            scoreLeft = GroupReader::lexicalInt(value);
        } else if (key == "sr") {
            scoreRight = GroupReader::lexicalInt(value);
        } else if (key == "t") {
            gameTime = GroupReader::lexicalDouble(value);
        } else if (key == "pm") {
            playMode.assign(value);
        } else if (key == "unum") {
            uniformNumber = GroupReader::lexicalInt(value);
            firstTime = true;
        } else if (key == "team") {
            if (value == "left") {
                playSide = representations::PlaySide::LEFT;
            } else if (value == "right") {
                playSide = representations::PlaySide::RIGHT;
            }
        }
    }
}

} // namespace perception
