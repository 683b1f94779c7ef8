#ifndef UTILS_ROBOVIZ_ROBOVIZ_H
#define UTILS_ROBOVIZ_ROBOVIZ_H

#include "representations/PlaySide.h"

#include <memory>
#include <string>

namespace utils {
namespace roboviz {

/// Debug drawing for the RoboViz monitor, in named drawing sets. This base does
/// nothing, so drawing costs one virtual call unless the process-wide instance
/// is the drawing implementation (the build option MARLOWINDS_ROBOVIZ).
/// Coordinates are metres in the field frame.
class Roboviz {
public:
    enum COLOR {
        NO_COLOR = 0,
        RED = 1,
        GREEN = 2,
        BLUE = 3,
        PURPLE = 4,
        YELLOW = 5,
        ORANGE = 6,
        BLACK = 7,
        WHITE = 8,
    };
    enum THICKNESS {
        MEDIUM = 1, ///< width 3
        THIN = 2,   ///< width 1
        THICK = 3,  ///< width 5
    };

    /// The uniform number the agent plays with; prefixes the drawing-set names.
    static int agentNumber;
    /// The monitor's UDP endpoint, read when the drawing implementation is made.
    static std::string ROBOVIZ_HOST;
    static std::string ROBOVIZ_PORT;
    /// Parameter-store node holding one on/off flag per drawing set.
    static const std::string DRAWINGS_BIND_PATH;
    static const bool DRAW_SET_DEFAULT;
    static const bool DRAW_SET_PERSIST;

    /// The process-wide facade, made on the first call.
    static Roboviz* getInstance();

    Roboviz() = default;
    Roboviz(const Roboviz&) = delete;
    Roboviz& operator=(const Roboviz&) = delete;
    virtual ~Roboviz() = default;

    virtual void swapBuffers(const std::string& /*name*/) {}
    virtual void setTeamSide(representations::PlaySide::PLAY_SIDE /*side*/) {}

    virtual void drawLine(float /*x1*/, float /*y1*/, float /*z1*/, float /*x2*/, float /*y2*/, float /*z2*/,
                          float /*thickness*/, float /*r*/, float /*g*/, float /*b*/, const std::string& /*name*/) {}
    virtual void drawLine(const std::string& /*name*/, float /*x1*/, float /*y1*/, float /*z1*/, float /*x2*/,
                          float /*y2*/, float /*z2*/, THICKNESS /*thickness*/, COLOR /*color*/) {}
    virtual void drawCircle(float /*x*/, float /*y*/, float /*radius*/, float /*thickness*/, float /*r*/, float /*g*/,
                            float /*b*/, const std::string& /*name*/) {}
    virtual void drawCircle(const std::string& /*name*/, float /*x*/, float /*y*/, float /*radius*/,
                            THICKNESS /*thickness*/, COLOR /*color*/) {}
    virtual void drawSphere(float /*x*/, float /*y*/, float /*z*/, float /*radius*/, float /*r*/, float /*g*/,
                            float /*b*/, const std::string& /*name*/) {}
    virtual void drawSphere(const std::string& /*name*/, float /*x*/, float /*y*/, float /*z*/, float /*radius*/,
                            COLOR /*color*/) {}
    virtual void drawPoint(float /*x*/, float /*y*/, float /*z*/, float /*size*/, float /*r*/, float /*g*/, float /*b*/,
                           const std::string& /*name*/) {}
    virtual void drawPoint(const std::string& /*name*/, float /*x*/, float /*y*/, float /*z*/, float /*size*/,
                           COLOR /*color*/) {}
    /// vertices holds count (x, y, z) triples.
    virtual void drawPolygon(const float* /*vertices*/, int /*count*/, float /*r*/, float /*g*/, float /*b*/,
                             float /*a*/, const std::string& /*name*/) {}
    virtual void drawPolygon(const std::string& /*name*/, const float* /*vertices*/, int /*count*/, COLOR /*color*/,
                             float /*alpha*/) {}
    virtual void drawAnnotation(const std::string& /*text*/, float /*x*/, float /*y*/, float /*z*/, float /*r*/,
                                float /*g*/, float /*b*/, const std::string& /*name*/) {}
    virtual void drawAnnotation(const std::string& /*name*/, const std::string& /*text*/, float /*x*/, float /*y*/,
                                float /*z*/, COLOR /*color*/) {}

    // The short forms draw in white (lines and circles of medium width) through
    // the process-wide instance, whatever object they are called on; they are
    // the same for every implementation, hence not virtual.
    void drawLine(const std::string& name, float x1, float y1, float z1, float x2, float y2, float z2);
    void drawCircle(const std::string& name, float x, float y, float radius);
    void drawSphere(const std::string& name, float x, float y, float z, float radius);
    void drawPoint(const std::string& name, float x, float y, float z, float size);
    void drawPolygon(const std::string& name, const float* vertices, int count);
    void drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z);

protected:
    /// Makes replacement the process-wide instance and hands back the previous
    /// one: the way a drawing implementation is switched in.
    static std::unique_ptr<Roboviz> installInstance(std::unique_ptr<Roboviz> replacement);

private:
    static std::unique_ptr<Roboviz> instance;
};

} // namespace roboviz
} // namespace utils

#endif
