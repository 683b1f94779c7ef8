#include "action/SayEffector.h"

namespace action {

SayEffector::SayEffector(const std::string& message) : message(message) {}

void SayEffector::appendTo(std::string& text) const {
    text += "(say ";
    text += message;
    text += ")";
}

} // namespace action
