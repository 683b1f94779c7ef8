#include "perception/PerceptorType.h"

#include <array>
#include <utility>

namespace perception {

PerceptorType::PERCEPTOR_TYPE PerceptorType::identifyType(std::string_view keyword) {
    static constexpr std::array<std::pair<std::string_view, PERCEPTOR_TYPE>, 11> KEYWORDS{{
        {"ACC", ACC},
        {"AgentState", AGENT_STATE},
        {"FRP", FRP},
        {"GS", GS},
        {"time", TIME},
        {"GYR", GYR},
        {"hear", HEAR},
        {"See", SEE},
        {"HJ", HJ},
        {"TCH", TCH},
        {"UJ", UJ},
    }};
    for (const auto& [text, type] : KEYWORDS) {
        if (text == keyword) {
            return type;
        }
    }
    return NONE;
}

} // namespace perception
