#include "utils/roboviz/RobovizImplementation.h"

#include <charconv>

namespace utils {
namespace roboviz {

const std::string RobovizImplementation::DRAWINGS_FOLDER = "rhio/drawings";

RobovizImplementation::RobovizImplementation(core::utils::parameter_store::ParameterNode& storeRoot,
                                             const std::string& host, const std::string& port)
    : communication(host, port), flagBinding(storeRoot, DRAWINGS_BIND_PATH) {
    communication.establishConnection();
    storeRoot.child(DRAWINGS_BIND_PATH).load(DRAWINGS_FOLDER);
}

void RobovizImplementation::setTeamSide(representations::PlaySide::PLAY_SIDE side) { ownSide = side; }

bool RobovizImplementation::drawMapHelper(const std::string& name) {
    auto flag = drawFlags.find(name);
    if (flag == drawFlags.end()) {
        flag = drawFlags.emplace(name, false).first;
        // The store cannot read an empty name back, so that flag is not saved.
        flagBinding.bindNew(name, flag->second, DRAW_SET_DEFAULT, DRAW_SET_PERSIST && !name.empty());
    }
    flagBinding.pull();
    return flag->second;
}

std::array<float, 3> RobovizImplementation::getColor(COLOR color) {
    switch (color) {
    case RED:
        return {1.0f, 0.0f, 0.0f};
    case GREEN:
        return {0.0f, 1.0f, 0.0f};
    case BLUE:
        return {0.0f, 0.0f, 1.0f};
    case PURPLE:
        return {0.47f, 0.0f, 0.5f};
    case YELLOW:
        return {1.0f, 1.0f, 0.0f};
    case ORANGE:
        return {1.0f, 0.65f, 0.0f};
    case WHITE:
        return {1.0f, 1.0f, 1.0f};
    case BLACK:
    case NO_COLOR:
        break;
    }
    return {0.0f, 0.0f, 0.0f};
}

float RobovizImplementation::getThickness(THICKNESS thickness) {
    switch (thickness) {
    case THIN:
        return 1.0f;
    case THICK:
        return 5.0f;
    case MEDIUM:
        break;
    }
    return 3.0f;
}

void RobovizImplementation::mirror(float& x, float& y) const {
    if (ownSide == representations::PlaySide::RIGHT) {
        x = -x;
        y = -y;
    }
}

const std::string& RobovizImplementation::bufferName(const std::string& name) {
    char number[16];
    const auto written = std::to_chars(number, number + sizeof number, agentNumber);
    buffer.assign(1, '[');
    buffer.append(number, written.ptr);
    buffer += ']';
    buffer += name;
    return buffer;
}

template <typename Build> void RobovizImplementation::send(const std::string& name, Build build) {
    std::size_t length = 0;
    const std::unique_ptr<unsigned char[]> datagram = build(bufferName(name), &length);
    if (datagram) {
        communication.send(datagram.get(), length);
    }
}

template <typename Build> void RobovizImplementation::drawIfEnabled(const std::string& name, Build build) {
    if (drawMapHelper(name)) {
        send(name, build);
    }
}

void RobovizImplementation::swapBuffers(const std::string& name) {
    send(name, [&](const std::string& buffer, std::size_t* length) { return draw.newBufferSwap(buffer, length); });
}

void RobovizImplementation::drawLine(float x1, float y1, float z1, float x2, float y2, float z2, float thickness,
                                     float r, float g, float b, const std::string& name) {
    mirror(x1, y1);
    mirror(x2, y2);
    const float start[] = {x1, y1, z1};
    const float end[] = {x2, y2, z2};
    const float color[] = {r, g, b};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newLine(start, end, thickness, color, buffer, length);
    });
}

void RobovizImplementation::drawCircle(float x, float y, float radius, float thickness, float r, float g, float b,
                                       const std::string& name) {
    mirror(x, y);
    const float centre[] = {x, y};
    const float color[] = {r, g, b};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newCircle(centre, radius, thickness, color, buffer, length);
    });
}

void RobovizImplementation::drawSphere(float x, float y, float z, float radius, float r, float g, float b,
                                       const std::string& name) {
    mirror(x, y);
    const float position[] = {x, y, z};
    const float color[] = {r, g, b};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newSphere(position, radius, color, buffer, length);
    });
}

void RobovizImplementation::drawPoint(float x, float y, float z, float size, float r, float g, float b,
                                      const std::string& name) {
    mirror(x, y);
    const float position[] = {x, y, z};
    const float color[] = {r, g, b};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newPoint(position, size, color, buffer, length);
    });
}

void RobovizImplementation::drawPolygon(const float* vertices, int count, float r, float g, float b, float a,
                                        const std::string& name) {
    const float color[] = {r, g, b, a};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newPolygon(vertices, count, color, buffer, length);
    });
}

void RobovizImplementation::drawAnnotation(const std::string& text, float x, float y, float z, float r, float g,
                                           float b, const std::string& name) {
    mirror(x, y);
    const float position[] = {x, y, z};
    const float color[] = {r, g, b};
    drawIfEnabled(name, [&](const std::string& buffer, std::size_t* length) {
        return draw.newAnnotation(text, position, color, buffer, length);
    });
}

void RobovizImplementation::drawLine(const std::string& name, float x1, float y1, float z1, float x2, float y2,
                                     float z2, THICKNESS thickness, COLOR color) {
    const auto rgb = getColor(color);
    drawLine(x1, y1, z1, x2, y2, z2, getThickness(thickness), rgb[0], rgb[1], rgb[2], name);
}

void RobovizImplementation::drawCircle(const std::string& name, float x, float y, float radius, THICKNESS thickness,
                                       COLOR color) {
    const auto rgb = getColor(color);
    drawCircle(x, y, radius, getThickness(thickness), rgb[0], rgb[1], rgb[2], name);
}

void RobovizImplementation::drawSphere(const std::string& name, float x, float y, float z, float radius, COLOR color) {
    const auto rgb = getColor(color);
    drawSphere(x, y, z, radius, rgb[0], rgb[1], rgb[2], name);
}

void RobovizImplementation::drawPoint(const std::string& name, float x, float y, float z, float size, COLOR color) {
    const auto rgb = getColor(color);
    drawPoint(x, y, z, size, rgb[0], rgb[1], rgb[2], name);
}

void RobovizImplementation::drawPolygon(const std::string& name, const float* vertices, int count, COLOR color,
                                        float alpha) {
    const auto rgb = getColor(color);
    drawPolygon(vertices, count, rgb[0], rgb[1], rgb[2], alpha, name);
}

void RobovizImplementation::drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z,
                                           COLOR color) {
    const auto rgb = getColor(color);
    drawAnnotation(text, x, y, z, rgb[0], rgb[1], rgb[2], name);
}

} // namespace roboviz
} // namespace utils
