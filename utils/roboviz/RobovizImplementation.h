#ifndef UTILS_ROBOVIZ_ROBOVIZIMPLEMENTATION_H
#define UTILS_ROBOVIZ_ROBOVIZIMPLEMENTATION_H

#include "core/utils/parameter_store/ParameterBind.h"
#include "core/utils/parameter_store/ParameterNode.h"
#include "utils/roboviz/Roboviz.h"
#include "utils/roboviz/RobovizCommunication.h"
#include "utils/roboviz/RobovizDraw.h"

#include <array>
#include <map>
#include <string>

namespace utils {
namespace roboviz {

/// Draws in the RoboViz monitor: every draw call becomes one UDP datagram into
/// the buffer "[agent number]name". Each buffer name has an on/off flag in the
/// parameter store, persisted and on by default, so drawings can be switched
/// at run time; a buffer's swaps are sent whatever its flag. On the right side
/// x and y are mirrored, so the drawings match the monitor's field.
class RobovizImplementation : public Roboviz {
public:
    /// The folder below the store's origin that the flags are loaded from (and saved to).
    static const std::string DRAWINGS_FOLDER;

    /// Binds the flags in the node DRAWINGS_BIND_PATH below storeRoot and loads
    /// it from DRAWINGS_FOLDER; a malformed flags file raises std::runtime_error.
    RobovizImplementation(core::utils::parameter_store::ParameterNode& storeRoot, const std::string& host,
                          const std::string& port);

    using Roboviz::drawAnnotation;
    using Roboviz::drawCircle;
    using Roboviz::drawLine;
    using Roboviz::drawPoint;
    using Roboviz::drawPolygon;
    using Roboviz::drawSphere;

    void swapBuffers(const std::string& name) override;
    void setTeamSide(representations::PlaySide::PLAY_SIDE side) override;

    void drawLine(float x1, float y1, float z1, float x2, float y2, float z2, float thickness, float r, float g,
                  float b, const std::string& name) override;
    void drawLine(const std::string& name, float x1, float y1, float z1, float x2, float y2, float z2,
                  THICKNESS thickness, COLOR color) override;
    void drawCircle(float x, float y, float radius, float thickness, float r, float g, float b,
                    const std::string& name) override;
    void drawCircle(const std::string& name, float x, float y, float radius, THICKNESS thickness, COLOR color) override;
    void drawSphere(float x, float y, float z, float radius, float r, float g, float b,
                    const std::string& name) override;
    void drawSphere(const std::string& name, float x, float y, float z, float radius, COLOR color) override;
    void drawPoint(float x, float y, float z, float size, float r, float g, float b, const std::string& name) override;
    void drawPoint(const std::string& name, float x, float y, float z, float size, COLOR color) override;
    /// Polygons are never mirrored.
    void drawPolygon(const float* vertices, int count, float r, float g, float b, float a,
                     const std::string& name) override;
    void drawPolygon(const std::string& name, const float* vertices, int count, COLOR color, float alpha) override;
    void drawAnnotation(const std::string& text, float x, float y, float z, float r, float g, float b,
                        const std::string& name) override;
    void drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z,
                        COLOR color) override;

private:
    /// The buffer's flag, bound on its first use; pulls changes made in the store.
    bool drawMapHelper(const std::string& name);
    /// Black for a colour without an entry.
    static std::array<float, 3> getColor(COLOR color);
    /// The medium width for a thickness without an entry.
    static float getThickness(THICKNESS thickness);
    void mirror(float& x, float& y) const;
    /// "[agent number]name", in a buffer reused from call to call.
    const std::string& bufferName(const std::string& name);
    /// Sends what build(buffer name, &length) makes, unless it refused to make anything.
    template <typename Build> void send(const std::string& name, Build build);
    /// send when the buffer's flag is on.
    template <typename Build> void drawIfEnabled(const std::string& name, Build build);

    RobovizCommunication communication;
    RobovizDraw draw;
    /// std::map, as the store holds the entries' addresses.
    std::map<std::string, bool> drawFlags;
    core::utils::parameter_store::ParameterBind flagBinding;
    representations::PlaySide::PLAY_SIDE ownSide = representations::PlaySide::UNKNOWN;
    std::string buffer;
};

} // namespace roboviz
} // namespace utils

#endif
