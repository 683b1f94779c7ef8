#include "perception/Perceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(PerceptorTest, KeywordGivesNameAndType) {
    struct Row {
        std::string group;
        std::string name;
        int type;
    };
    const std::vector<Row> rows{
        {"(ACC (n torso) (a 0 0 0))", "ACC", PerceptorType::ACC},
        {"(AgentState (temp 48) (battery 75))", "AgentState", PerceptorType::AGENT_STATE},
        {"(FRP (n lf) (c 0 0 0) (f 0 0 0))", "FRP", PerceptorType::FRP},
        {"(GS (t 0.00))", "GS", PerceptorType::GS},
        {"(time (now 1))", "time", PerceptorType::TIME},
        {"(GYR (n torso) (rt 0 0 0))", "GYR", PerceptorType::GYR},
        {"(hear Marlowinds 1 self abc)", "hear", PerceptorType::HEAR},
        {"(See (B (pol 1 0 0)))", "See", PerceptorType::SEE},
        {"(HJ (n hj1) (ax 0))", "HJ", PerceptorType::HJ},
        {"(TCH n bumper val 1)", "TCH", PerceptorType::TCH},
        {"(UJ (n laj1_2) (ax1 0) (ax2 0))", "UJ", PerceptorType::UJ},
        {"(gyr (n torso) (rt 0 0 0))", "gyr", PerceptorType::NONE},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const Perceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), row.name) << row.group;
        EXPECT_EQ(perceptor.getPerceptorType(), row.type) << row.group;
    }
}

TEST(PerceptorTest, KeywordIsReadFromTheTrimmedText) {
    utils::parser::ParserTreeNode node;
    node.value = " \ttime ";

    const Perceptor perceptor(node);

    EXPECT_EQ(perceptor.getName(), "time");
    EXPECT_EQ(perceptor.getPerceptorType(), PerceptorType::TIME);
}

TEST(PerceptorTest, HingeJointNumbersFollowTheSensorOrder) {
    struct Row {
        std::string name;
        int number;
    };
    const std::vector<Row> rows{
        {"hj1", 0},   {" HJ1 ", 0}, {"hj2", 1},   {"laj1", 2},  {"laj4", 5}, {"llj1", 6},  {"LLJ6", 11},
        {"raj1", 12}, {"raj4", 15}, {"rlj1", 16}, {"rlj6", 21}, {"he1", 22}, {"laj5", 22}, {"", 22},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Perceptor::getHingeJoint(row.name), row.number) << '"' << row.name << '"';
    }
}

TEST(PerceptorTest, BodyPartNumbersFromTheFirstWord) {
    struct Row {
        std::string name;
        int number;
    };
    const std::vector<Row> rows{
        {"torso", 0},  {"NECK", 1},     {" head left", 2}, {"shoulder", 3}, {"upperarm", 4},
        {"elbow", 5},  {"lowerarm", 6}, {"hip1", 7},       {"hip2", 8},     {"thigh", 9},
        {"shank", 10}, {"Ankle", 11},   {"foot", 12},      {"", 12},        {"left head", 12},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Perceptor::getBodyPart(row.name), row.number) << '"' << row.name << '"';
    }
}

} // namespace
} // namespace perception
