#include "representations/FlagType.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

TEST(FlagTypeTest, IdentifiesServerNamesExactly) {
    const struct {
        const char* name;
        int type;
    } cases[] = {
        {"F1L", 0}, {"F2L", 1}, {"F1R", 2}, {"F2R", 3}, {" F1L", 4}, {"F1L ", 4},
        {"f1l", 4}, {"", 4},    {"G1L", 4}, {"F3L", 4}, {"F1", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlagType::identifyType(c.name), c.type) << '"' << c.name << '"';
    }
}

TEST(FlagTypeTest, NamesRoundTripAndNoneOutsideTheFourFlags) {
    for (int type = -1; type <= FlagType::UNKNOWN + 1; ++type) {
        const auto flag = static_cast<FlagType::FLAG_TYPE>(type);
        const bool known = type >= 0 && type < FlagType::UNKNOWN;
        EXPECT_EQ(FlagType::identifyType(FlagType::getFlagName(flag)), known ? flag : FlagType::UNKNOWN) << type;
        EXPECT_EQ(FlagType::getFlagName(flag).empty(), !known) << type;
    }
}

} // namespace
} // namespace representations
