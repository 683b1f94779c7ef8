#include "action/Effector.h"

#include <cstdio>

namespace action {

std::string Effector::toString() const {
    std::string text;
    appendTo(text);
    return text;
}

void Effector::appendNumber(std::string& text, double value) {
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%g", value);
    text.append(digits, static_cast<std::size_t>(length));
}

void Effector::appendNumber(std::string& text, int value) {
    char digits[16];
    const int length = std::snprintf(digits, sizeof digits, "%d", value);
    text.append(digits, static_cast<std::size_t>(length));
}

} // namespace action
