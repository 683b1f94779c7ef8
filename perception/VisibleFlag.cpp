#include "perception/VisibleFlag.h"

namespace perception {

VisibleFlag::VisibleFlag(const utils::parser::ParserTreeNode& group)
    : VisibleObject(group), flagType(representations::FlagType::identifyType(group.value)) {}

VisibleFlag::VisibleFlag(representations::FlagType::FLAG_TYPE type,
                         const marlowinds_lib::math::Vector3<double>& position)
    : VisibleObject(representations::FlagType::getFlagName(type), VisibleObjectType::FLAG, position), flagType(type) {}

} // namespace perception
