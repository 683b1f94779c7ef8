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
    /// Scene nodes in front of the ball.
    int staticNodes = 35;
    double ball[3] = {0.0, 0.0, 0.042};
    std::vector<Player> players;

    std::string full() const {
        std::ostringstream out;
        out << "((FieldLength 30)(play_modes BeforeKickOff KickOff_Left KickOff_Right PlayOn KickIn_Left "
               "KickIn_Right corner_kick_left corner_kick_right goal_kick_left goal_kick_right offside_left "
               "offside_right GameOver Goal_Left Goal_Right free_kick_left free_kick_right direct_free_kick_left "
               "direct_free_kick_right pass_left pass_right)"
            << state() << ")(RSG 0 1)(";
        for (int node = 0; node < staticNodes; ++node) {
            out << "(nd TRF " << transform(0.0, node, 0.0, 0.5) << "(nd SMN (load StdUnitBox) (sMat matGrey)))";
        }
        out << "(nd TRF " << transform(0.0, ball[0], ball[1], ball[2]) << "(nd StaticMesh (load soccerball.obj)))";
        for (const Player& player : players) {
            // Torso and thigh name the number: the torso's record comes first.
            const std::string materials = "(resetMaterials matNum" + std::to_string(player.unum) + " mat" +
                                          representations::PlaySide::toString(player.side) + " naowhite)";
            out << "(nd TRF " << transform(0.0, 0.0, 0.0, 0.0) << "(nd TRF " << body(player, 0.0) << "(nd TRF " << MESH
                << "(nd StaticMesh (load naobody0.obj) " << materials << "))(nd TRF " << transform(0.0, 0.0, 0.0, 0.0)
                << "(nd SMN (sMat matSelect))))(nd TRF " << body(player, 0.09) << "(nd SMN (load StdCapsule)))(nd TRF "
                << body(player, 0.16) << "(nd TRF " << MESH << "(nd StaticMesh (load naohead.obj))))(nd TRF "
                << body(player, -0.3) << "(nd StaticMesh (load rthigh.obj) " << materials << ")))";
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
                out << "(nd(nd " << body(player, 0.0) << "(nd(nd StaticMesh))(nd(nd SMN)))(nd " << body(player, 0.09)
                    << "(nd SMN))(nd " << body(player, 0.16) << "(nd(nd StaticMesh)))(nd(nd StaticMesh)))";
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
    /// body part turned by heading - pi/2 about z faces along heading.
    static constexpr const char* MESH = "(SLT -1 0 0 0 0 0 1 0 0 1 0 0 0 0 0 1)";

    std::string state() const {
        std::ostringstream out;
        out << "(time " << time << ")(score_left " << leftScore << ")(score_right " << rightScore << ")(play_mode "
            << playMode << ")";
        return out.str();
    }
    /// A body part at the given height above the torso.
    static std::string body(const Player& player, double height) {
        return transform(player.heading - M_PI / 2.0, player.x, player.y, player.z + height);
    }
};

} // namespace tests

#endif
