#include "action/EffectorFactory.h"

#include <gtest/gtest.h>

#include <string>

namespace action {
namespace {

const std::string ZERO_JOINTS = "(he1 0)(he2 0)(lae1 0)(lae2 0)(lae3 0)(lae4 0)(rae1 0)(rae2 0)(rae3 0)(rae4 0)"
                                "(lle1 0)(lle2 0)(lle3 0)(lle4 0)(lle5 0)(lle6 0)(rle1 0)(rle2 0)(rle3 0)(rle4 0)"
                                "(rle5 0)(rle6 0)";

TEST(EffectorFactoryTest, AnEmptyMessageIsOnlySyn) {
    EffectorFactory factory;
    EXPECT_EQ(factory.toString(), "(syn)");
}

TEST(EffectorFactoryTest, CommandsKeepTheOrderTheyWereAddedIn) {
    EffectorFactory factory;
    factory.addPassEffector();
    factory.addSayEffector("hi");
    factory.addBeamEffector(marlowinds_lib::math::Pose2D(0.0, -1.0, 2.0));
    factory.addPassEffector();
    EXPECT_EQ(factory.toString(), "(pass)(say hi)(beam -1 2 0)(pass)(syn)");
    EXPECT_EQ(factory.toString(), factory.toString()); // writing does not consume the list
}

TEST(EffectorFactoryTest, JointsAreWrittenInEffectorOrder) {
    EffectorFactory factory;
    factory.addJointsEffectors(representations::NaoJoints());
    EXPECT_EQ(factory.toString(), ZERO_JOINTS + "(syn)");

    std::vector<double> values(representations::NaoJoints::NUMBER_OF_JOINTS);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<double>(i) / 10.0;
    }
    factory.clear();
    factory.addJointsEffectors(representations::NaoJoints(values));
    const std::string text = factory.toString();
    EXPECT_EQ(text.rfind("(he1 0)(he2 0.1)(lae1 0.2)", 0), 0u);
    EXPECT_NE(text.find("(rae4 0.9)(lle1 1)(lle2 1.1)"), std::string::npos);
    EXPECT_NE(text.find("(rle5 2)(rle6 2.1)(syn)"), std::string::npos);
}

TEST(EffectorFactoryTest, TwoJointSetsWithoutClearGiveFortyFourCommands) {
    EffectorFactory factory;
    factory.addJointsEffectors(representations::NaoJoints());
    factory.addJointsEffectors(representations::NaoJoints());
    EXPECT_EQ(factory.toString(), ZERO_JOINTS + ZERO_JOINTS + "(syn)");
}

TEST(EffectorFactoryTest, ClearStartsAFreshMessageOverManyCycles) {
    EffectorFactory factory;
    std::string text;
    for (int cycle = 0; cycle < 50; ++cycle) {
        factory.clear();
        if (cycle % 7 == 0) {
            factory.addSayEffector("c" + std::to_string(cycle));
        }
        std::vector<double> values(representations::NaoJoints::NUMBER_OF_JOINTS, 0.0);
        values[0] = cycle;
        factory.addJointsEffectors(representations::NaoJoints(values));
        factory.writeTo(text);

        const std::string expectedStart = (cycle % 7 == 0 ? "(say c" + std::to_string(cycle) + ")" : std::string()) +
                                          "(he1 " + std::to_string(cycle) + ")(he2 0)";
        EXPECT_EQ(text.rfind(expectedStart, 0), 0u) << text;
        EXPECT_EQ(text.size() - expectedStart.size(), ZERO_JOINTS.size() - 14 + 5) << text;
    }
}

} // namespace
} // namespace action
