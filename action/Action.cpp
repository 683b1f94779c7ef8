#include "action/Action.h"

namespace action {

const std::string Action::NAO_SCENE_STRING = "rsg/agent/nao/nao_hetero.rsg";

} // namespace action
