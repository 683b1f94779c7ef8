#include "decision_making/DecisionMakingImpl.h"

namespace decision_making {

void DecisionMakingImpl::decide(modeling::Modeling& /*modeling*/) {}

} // namespace decision_making
