#include "utils/wizard/SceneGraph.h"

#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace utils {
namespace wizard {
namespace {

using representations::PlaySide;

TEST(SceneGraphTest, TransformsAreWrittenColumnByColumn) {
    const Transform read = readTransformationMatrix("SLT 1 2 3 4 5 6 7 8 9 10 11 12 -1.5 2e-3 0.5 1");

    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(read(k % 4, k / 4), k + 1) << k;
    }
    EXPECT_EQ(read(0, 3), -1.5);
    EXPECT_EQ(read(1, 3), 0.002);
    EXPECT_EQ(read(2, 3), 0.5);
    EXPECT_EQ(read(3, 3), 1.0);
}

TEST(SceneGraphTest, UnreadableTransformsAreRefused) {
    EXPECT_THROW(readTransformationMatrix("SLT 1 0 0 0 0 1 0 0 0 0 1 0 3 4 0.5"), std::invalid_argument);
    EXPECT_THROW(readTransformationMatrix("SLT"), std::invalid_argument);
    for (const char* text : {"SLT 1 0 0 0 0 1 0 0 0 0 1 0 3 4 x 1", "SLT 1 0 0 0 0 1 0 0 0 0 1 0 3 4 0.5 1a",
                             "SLT 1  0 0 0 0 1 0 0 0 0 1 0 3 4 0.5 1"}) {
        EXPECT_THROW(readTransformationMatrix(text), boost::bad_lexical_cast) << text;
    }
}

TEST(SceneGraphTest, NumberMaterialsNamePlayers) {
    const struct {
        std::string text;
        bool namesPlayer;
        int unum;
        PlaySide::PLAY_SIDE side;
        int slot;
    } rows[] = {
        {"resetMaterials matNum7 matLeft matType0 naowhite", true, 7, PlaySide::LEFT, 6},
        {"resetMaterials matNum10 matRight", true, 10, PlaySide::RIGHT, 20},
        {"resetMaterials matNum1 matLeft", true, 1, PlaySide::LEFT, 0},
        {"resetMaterials matNum11 matRight", true, 11, PlaySide::RIGHT, 21},
        {"resetMaterials matNum5 matBlue", true, 5, PlaySide::UNKNOWN, 4},
        {"resetMaterials matNum5", true, 5, PlaySide::UNKNOWN, 4},
        {"resetMaterials matNum0 matLeft", false, 0, PlaySide::LEFT, -1},
        {"resetMaterials matNum matLeft", false, 0, PlaySide::UNKNOWN, -1},
        {"resetMaterials matLeft naoblack", false, 0, PlaySide::UNKNOWN, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(namesNumberMaterial(row.text), row.namesPlayer) << row.text;
        EXPECT_EQ(getAgentDataValues(row.text), std::make_pair(row.unum, row.side)) << row.text;
        EXPECT_EQ(getAgentNumber(row.unum, row.side), row.slot) << row.text;
    }
}

} // namespace
} // namespace wizard
} // namespace utils
