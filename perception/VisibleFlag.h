#ifndef PERCEPTION_VISIBLEFLAG_H
#define PERCEPTION_VISIBLEFLAG_H

#include "perception/VisibleObject.h"
#include "representations/FlagType.h"

namespace perception {

/// A corner flag: (F1L (pol D H V)), likewise F2L, F1R and F2R.
class VisibleFlag : public VisibleObject {
public:
    VisibleFlag() = default;
    explicit VisibleFlag(const utils::parser::ParserTreeNode& group);
    VisibleFlag(representations::FlagType::FLAG_TYPE type, const marlowinds_lib::math::Vector3<double>& position);

    representations::FlagType::FLAG_TYPE getFlagType() const { return flagType; }

private:
    representations::FlagType::FLAG_TYPE flagType = representations::FlagType::F1L;
};

} // namespace perception

#endif
