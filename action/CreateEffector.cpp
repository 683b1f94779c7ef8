#include "action/CreateEffector.h"

namespace action {

CreateEffector::CreateEffector(const std::string& scene, int robotType) : scene(scene), robotType(robotType) {}

void CreateEffector::appendTo(std::string& text) const {
    text += "(scene ";
    text += scene;
    text += " ";
    appendNumber(text, robotType);
    text += ")";
}

} // namespace action
