#include "perception/GameStatePerceptor.h"

#include "perception/GroupReader.h"
#include "perception/MalformedGroupError.h"

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
        const std::string_view text = entry.value;
        const std::size_t blank = text.find(' ');
        if (blank == std::string_view::npos) {
            if (isKnownKey(GroupReader::trim(text))) {
                throw MalformedGroupError("\"" + entry.value + "\" has no value");
            }
            continue;
        }
        const std::string_view key = GroupReader::trim(text.substr(0, blank));
        const std::string_view value = GroupReader::trim(text.substr(blank + 1));
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
