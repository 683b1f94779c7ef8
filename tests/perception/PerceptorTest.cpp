#include "perception/Perceptor.h"

#include "utils/parser/ParserTreeNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(PerceptorTest, NameAndTypeFromTheFirstWordOfTheTrimmedText) {
    // The factory test covers the type of every keyword.
    struct Row {
        std::string value;
        std::string name;
        int type;
    };
    const std::vector<Row> rows{
        {" \ttime ", "time", PerceptorType::TIME},
        {"TCH n bumper val 1", "TCH", PerceptorType::TCH},
        {"gyr", "gyr", PerceptorType::NONE},
    };
    for (const Row& row : rows) {
        utils::parser::ParserTreeNode node;
        node.value = row.value;

        const Perceptor perceptor(node);

        EXPECT_EQ(perceptor.getName(), row.name) << row.value;
        EXPECT_EQ(perceptor.getPerceptorType(), row.type) << row.value;
    }
}

TEST(PerceptorTest, HingeJointNumbersFollowTheSensorOrder) {
    // The joint vector's test covers the whole table.
    struct Row {
        std::string name;
        int number;
    };
    const std::vector<Row> rows{{" HJ1 ", 0}, {"LLJ6", 11}, {"raj1", 12}, {"rlj6", 21}, {"he1", 22}, {"", 22}};
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
