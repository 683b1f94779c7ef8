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
