#include "action/PassEffector.h"

namespace action {

void PassEffector::appendTo(std::string& text) const { text += "(pass)"; }

} // namespace action
