#include "action/SynchronizeEffector.h"

namespace action {

void SynchronizeEffector::appendTo(std::string& text) const { text += "(syn)"; }

} // namespace action
