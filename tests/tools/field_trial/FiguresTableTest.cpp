#include "tools/field_trial/FiguresTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tools {
namespace field_trial {
namespace {

TEST(FiguresTableTest, AGetUpRowTellsHowManyGotUpInTime) {
    struct Case {
        std::optional<double> inTime;
        const char* cell;
    };
    const Case cases[] = {
        {9.0, "| 2.9 s (10/10, 9 within 3 s) |"},
        // Figures written before the count was kept.
        {std::nullopt, "| 2.9 s (10/10) |"},
    };
    for (const Case& c : cases) {
        TrialFigures row;
        row.trial = "get-up-fallBack";
        row.body = 1;
        row.getUpAttempts = 10;
        row.getUps = 10;
        row.getUpTime = 2.94;
        row.getUpsInTime = c.inTime;
        std::ostringstream out;
        FiguresTable::print({row}, out);
        EXPECT_NE(out.str().find(c.cell), std::string::npos) << out.str();
    }
}

} // namespace
} // namespace field_trial
} // namespace tools
