#include "utils/roboviz/Roboviz.h"

#include "core/utils/parameter_store/ParameterStore.h"
#include "utils/roboviz/RobovizImplementation.h"

#include <utility>

namespace utils {
namespace roboviz {

namespace {

// On: getInstance hands out the do-nothing base. The build option
// MARLOWINDS_ROBOVIZ turns it off, and the agent then draws in the monitor.
constexpr bool stubInstance = MARLOWINDS_ROBOVIZ_DRAWING == 0;

std::unique_ptr<Roboviz> makeInstance() {
    if constexpr (stubInstance) {
        return std::make_unique<Roboviz>();
    } else {
        return std::make_unique<RobovizImplementation>(core::utils::parameter_store::ParameterStore::global().root(),
                                                       Roboviz::ROBOVIZ_HOST, Roboviz::ROBOVIZ_PORT);
    }
}

} // namespace

int Roboviz::agentNumber = 0;
std::string Roboviz::ROBOVIZ_HOST = "localhost";
std::string Roboviz::ROBOVIZ_PORT = "32769";
const std::string Roboviz::DRAWINGS_BIND_PATH = "drawings";
const bool Roboviz::DRAW_SET_DEFAULT = true;
const bool Roboviz::DRAW_SET_PERSIST = true;

std::unique_ptr<Roboviz> Roboviz::instance;

Roboviz* Roboviz::getInstance() {
    if (!instance) {
        instance = makeInstance();
    }
    return instance.get();
}

std::unique_ptr<Roboviz> Roboviz::installInstance(std::unique_ptr<Roboviz> replacement) {
    std::swap(instance, replacement);
    return replacement;
}

void Roboviz::drawLine(const std::string& name, float x1, float y1, float z1, float x2, float y2, float z2) {
    getInstance()->drawLine(name, x1, y1, z1, x2, y2, z2, MEDIUM, WHITE);
}

void Roboviz::drawCircle(const std::string& name, float x, float y, float radius) {
    getInstance()->drawCircle(name, x, y, radius, MEDIUM, WHITE);
}

void Roboviz::drawSphere(const std::string& name, float x, float y, float z, float radius) {
    getInstance()->drawSphere(name, x, y, z, radius, WHITE);
}

void Roboviz::drawPoint(const std::string& name, float x, float y, float z, float size) {
    getInstance()->drawPoint(name, x, y, z, size, WHITE);
}

void Roboviz::drawPolygon(const std::string& name, const float* vertices, int count) {
    getInstance()->drawPolygon(name, vertices, count, WHITE, 1.0f);
}

void Roboviz::drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z) {
    getInstance()->drawAnnotation(name, text, x, y, z, WHITE);
}

} // namespace roboviz
} // namespace utils
