#ifndef TESTS_DECISION_MAKING_POSITIONING_FORMATIONFILES_H
#define TESTS_DECISION_MAKING_POSITIONING_FORMATIONFILES_H

#include <string>

namespace decision_making {
namespace testing {

/// Player lines of a formation file, player i at (x0 + i, y), in file units.
inline std::string players(int count, double x0, double y) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "P" + std::to_string(i + 1) + " " + std::to_string(x0 + i) + " " + std::to_string(y) + "\n";
    }
    return text;
}

inline std::string sample(double ballX, double ballY, double x0, double y, int count = 11,
                          const std::string& close = "-----\n") {
    return "Ball " + std::to_string(ballX) + " " + std::to_string(ballY) + "\n" + players(count, x0, y) + close;
}

/// Samples at the four corners of the field, the team of each at y = 0 from x0.
inline std::string cornerSamples(double x0) {
    return sample(-52.5, -34, x0, 0) + sample(52.5, -34, x0, 0) + sample(52.5, 34, x0, 0) + sample(-52.5, 34, x0, 0);
}

} // namespace testing
} // namespace decision_making

#endif
