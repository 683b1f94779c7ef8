#include "representations/FlagType.h"

#include "representations/NameIndex.h"

namespace representations {

namespace {
const char* const FLAG_NAMES[FlagType::UNKNOWN] = {"F1L", "F2L", "F1R", "F2R"};
} // namespace

FlagType::FLAG_TYPE FlagType::identifyType(const std::string& name) {
    return static_cast<FLAG_TYPE>(indexOfName(name, FLAG_NAMES));
}

std::string FlagType::getFlagName(FLAG_TYPE type) {
    return type >= 0 && type < UNKNOWN ? FLAG_NAMES[type] : std::string();
}

} // namespace representations
