#ifndef TESTS_SUPPORT_MONITORSCENE_H
#define TESTS_SUPPORT_MONITORSCENE_H

#include "representations/PlaySide.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace tests {

/// Monitor messages shaped as the simulation server writes them: the
/// environment, the scene header ("RSG" for a full scene, "RDS" for a partial
/// one) and the scene graph, whose 36th node is the ball and whose players
/// follow. A partial scene carries only the transforms that changed.
struct MonitorScene {
    struct Player {
        int unum;
        representations::PlaySide::PLAY_SIDE side;
        /// The torso in the server's frame; heading 0 faces +x.
        double x, y, z, heading;
        /// Written into partial scenes.
        bool moved = true;
    };

    double time = 0.0;
    int leftScore = 0;
    int rightScore = 0;
    int playMode = 0;
    /// Further environment groups, such as "(foul 1 6 1 4)".
    std::string events;
    /// Scene nodes in front of the ball.
    int staticNodes = 35;
    double ball[3] = {0.0, 0.0, 0.042};
    std::vector<Player> players;

    std::string full() const {
        std::ostringstream out;
        out << "((FieldLength 30)(FieldWidth 20)(GoalWidth 2.1)(RuleHalfTime 300)(play_modes BeforeKickOff "
               "KickOff_Left KickOff_Right PlayOn KickIn_Left KickIn_Right corner_kick_left corner_kick_right "
               "goal_kick_left goal_kick_right offside_left offside_right GameOver Goal_Left Goal_Right "
               "free_kick_left free_kick_right direct_free_kick_left direct_free_kick_right pass_left pass_right)"
            << state() << ")(RSG 0 1)(";
        for (int node = 0; node < staticNodes; ++node) {
            out << "(nd TRF " << transform(0.0, node, 0.0, 0.5) << "(nd SMN (setVisible 1) (load StdUnitBox) (sMat "
                << "matGrey)))";
        }
        out << "(nd TRF " << transform(0.0, ball[0], ball[1], ball[2]) << "(nd StaticMesh (setVisible 1) (load "
            << "models/soccerball.obj) (sSc 0.042 0.042 0.042)(resetMaterials soccerball_rcs-soccerball.png)))";
        for (const Player& player : players) {
            const std::string materials = " (resetMaterials matNum" + std::to_string(player.unum) + " mat" +
                                          representations::PlaySide::toString(player.side);
            out << "(nd TRF " << transform(0.0, 0.0, 0.0, 0.0) << "(nd TRF " << torso(player) << "(nd TRF " << MESH
                << "(nd StaticMesh (setVisible 1) (load models/naobody0.obj)" << materials
                << " matType0 naowhite)))(nd TRF " << transform(0.0, 0.0, 0.0, 0.0)
                << "(nd SMN (setVisible 0) (sMat matSelect))))(nd TRF " << neck(player)
                << "(nd SMN (setVisible 1) (load StdCapsule 0.015 0.08)))(nd TRF " << head(player) << "(nd TRF " << MESH
                << "(nd StaticMesh (setVisible 1) (load models/naohead.obj) (resetMaterials matLeft naoblack))))"
                << "(nd TRF " << transform(0.0, player.x, player.y, 0.1) << "(nd StaticMesh (load models/rthigh.obj)"
                << materials << " naowhite))))";
        }
        out << ")";
        return out.str();
    }

    std::string partial() const {
        std::ostringstream out;
        out << "(" << state() << ")(RDS 0 1)(";
        for (int node = 0; node < staticNodes; ++node) {
            out << "(nd)";
        }
        out << "(nd " << transform(0.0, ball[0], ball[1], ball[2]) << "(nd StaticMesh))";
        for (const Player& player : players) {
            if (player.moved) {
                out << "(nd(nd " << torso(player) << "(nd(nd StaticMesh))(nd(nd SMN)))(nd " << neck(player)
                    << "(nd SMN))(nd " << head(player) << "(nd(nd StaticMesh)))(nd(nd StaticMesh)))";
            } else {
                out << "(nd(nd(nd(nd StaticMesh))(nd(nd SMN)))(nd(nd SMN))(nd(nd(nd StaticMesh)))(nd(nd StaticMesh)))";
            }
        }
        out << ")";
        return out.str();
    }

    /// "SLT" and a rotation about z by angle with a translation, column by column.
    static std::string transform(double angle, double x, double y, double z) {
        std::ostringstream out;
        out.precision(17);
        out << "(SLT " << std::cos(angle) << " " << std::sin(angle) << " 0 0 " << -std::sin(angle) << " "
            << std::cos(angle) << " 0 0 0 0 1 0 " << x << " " << y << " " << z << " 1)";
        return out.str();
    }

private:
    /// The body meshes' fixed turn: x reversed, y and z swapped. With it, a
    /// torso turned by heading - pi/2 about z faces along heading.
    static constexpr const char* MESH = "(SLT -1 0 0 0 0 0 1 0 0 1 0 0 0 0 0 1)";

    std::string state() const {
        std::ostringstream out;
        out << "(time " << time << ")(score_left " << leftScore << ")(score_right " << rightScore << ")(play_mode "
            << playMode << ")" << events;
        return out.str();
    }
    static std::string torso(const Player& player) {
        return transform(player.heading - M_PI / 2.0, player.x, player.y, player.z);
    }
    static std::string neck(const Player& player) {
        return transform(player.heading - M_PI / 2.0, player.x, player.y, player.z + 0.09);
    }
    static std::string head(const Player& player) {
        return transform(player.heading - M_PI / 2.0, player.x, player.y, player.z + 0.16);
    }
};

} // namespace tests

#endif
