#ifndef TESTS_DECISION_MAKING_RECORDINGDRAWING_H
#define TESTS_DECISION_MAKING_RECORDINGDRAWING_H

#include "utils/roboviz/Roboviz.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace decision_making {
namespace testing {

/// One drawing call: the shape ("point", "circle" or "swap"), the
/// drawing set and the numbers given (positions, sizes, colour, thickness).
struct DrawCall {
    std::string shape;
    std::string set;
    std::vector<float> values;
};

/// Makes the process-wide drawing facade record what decision making draws,
/// for as long as it lives, and then puts the previous facade back.
class RecordingDrawing {
public:
    RecordingDrawing() { previous = Recorder::installInstance(std::make_unique<Recorder>(calls)); }
    ~RecordingDrawing() { Recorder::installInstance(std::move(previous)); }
    RecordingDrawing(const RecordingDrawing&) = delete;
    RecordingDrawing& operator=(const RecordingDrawing&) = delete;

    /// The calls of one shape, in order.
    std::vector<DrawCall> of(const std::string& shape) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls) {
            if (call.shape == shape) {
                found.push_back(call);
            }
        }
        return found;
    }

    std::vector<DrawCall> calls;

private:
    class Recorder : public utils::roboviz::Roboviz {
    public:
        using Roboviz::drawCircle;
        using Roboviz::drawPoint;
        using Roboviz::installInstance;

        explicit Recorder(std::vector<DrawCall>& calls) : calls(calls) {}

        void swapBuffers(const std::string& name) override { calls.push_back({"swap", name, {}}); }
        void drawCircle(const std::string& name, float x, float y, float radius, THICKNESS thickness,
                        COLOR color) override {
            calls.push_back({"circle", name, {x, y, radius, float(thickness), float(color)}});
        }
        void drawPoint(float x, float y, float z, float size, float r, float g, float b,
                       const std::string& name) override {
            calls.push_back({"point", name, {x, y, z, size, r, g, b}});
        }

    private:
        std::vector<DrawCall>& calls;
    };

    std::unique_ptr<utils::roboviz::Roboviz> previous;
};

} // namespace testing
} // namespace decision_making

#endif
