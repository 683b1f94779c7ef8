#ifndef TESTS_MODELING_RECORDINGROBOVIZ_H
#define TESTS_MODELING_RECORDINGROBOVIZ_H

#include "utils/roboviz/Roboviz.h"

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace modeling {

/// Records the drawing calls the models make, one line per call, while it is
/// installed as the process-wide drawing facade (for the life of the object).
class RecordingRoboviz : public utils::roboviz::Roboviz {
public:
    using Roboviz::drawAnnotation;
    using Roboviz::drawCircle;
    using Roboviz::drawLine;

    /// Installs a recorder and hands it out; the previous facade comes back when the guard goes.
    class Installed {
    public:
        Installed() {
            auto recorder = std::make_unique<RecordingRoboviz>();
            recording = recorder.get();
            previous = installInstance(std::move(recorder));
        }
        ~Installed() { installInstance(std::move(previous)); }
        Installed(const Installed&) = delete;
        Installed& operator=(const Installed&) = delete;

        const std::vector<std::string>& calls() const { return recording->calls; }
        void clear() { recording->calls.clear(); }

    private:
        RecordingRoboviz* recording = nullptr;
        std::unique_ptr<Roboviz> previous;
    };

    void swapBuffers(const std::string& name) override { calls.push_back("swap " + name); }
    void drawLine(float x1, float y1, float z1, float x2, float y2, float z2, float thickness, float r, float g,
                  float b, const std::string& name) override {
        record("line", name, {x1, y1, z1, x2, y2, z2, thickness, r, g, b});
    }
    void drawCircle(float x, float y, float radius, float thickness, float r, float g, float b,
                    const std::string& name) override {
        record("circle", name, {x, y, radius, thickness, r, g, b});
    }
    void drawAnnotation(const std::string& name, const std::string& text, float x, float y, float z,
                        COLOR color) override {
        record("annotation " + text, name, {x, y, z, static_cast<float>(color)});
    }

private:
    void record(const std::string& shape, const std::string& name, std::initializer_list<float> values) {
        std::ostringstream out;
        out << shape << " " << name;
        for (const float value : values) {
            out << " " << value;
        }
        calls.push_back(out.str());
    }

    std::vector<std::string> calls;
};

} // namespace modeling

#endif
