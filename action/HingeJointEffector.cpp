#include "action/HingeJointEffector.h"

namespace action {

HingeJointEffector::HingeJointEffector(const std::string& name, double value) : name(name), value(value) {}

void HingeJointEffector::appendTo(std::string& text) const {
    text += "(";
    text += name;
    text += " ";
    appendNumber(text, value);
    text += ")";
}

} // namespace action
