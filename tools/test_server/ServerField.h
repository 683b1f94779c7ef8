#ifndef TOOLS_TEST_SERVER_SERVERFIELD_H
#define TOOLS_TEST_SERVER_SERVERFIELD_H

namespace tools {
namespace test_server {

/// The landmarks and straight field lines as the server lays them out, in its
/// global frame (the left team's own goal at x = -15).
struct Landmark {
    const char* name;
    double x, y, z;
};
inline constexpr Landmark LANDMARKS[] = {
    {"F1L", -15, 10, 0},     {"F2L", -15, -10, 0},     {"F1R", 15, 10, 0},     {"F2R", 15, -10, 0},
    {"G1L", -15, 1.05, 0.8}, {"G2L", -15, -1.05, 0.8}, {"G1R", 15, 1.05, 0.8}, {"G2R", 15, -1.05, 0.8},
};

struct Segment {
    double x1, y1, x2, y2;
};
inline constexpr Segment FIELD_LINES[] = {
    {-15, 10, 15, 10},    {-15, -10, 15, -10},   {-15, -10, -15, 10}, {15, -10, 15, 10},
    {0, -10, 0, 10},      {-13.2, -3, -13.2, 3}, {13.2, -3, 13.2, 3}, {-15, 3, -13.2, 3},
    {-15, -3, -13.2, -3}, {15, 3, 13.2, 3},      {15, -3, 13.2, -3},
};

} // namespace test_server
} // namespace tools

#endif
