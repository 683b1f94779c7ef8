#ifndef CONTROL_KEYFRAME_COMPLEXKEYFRAMEPAGE_H
#define CONTROL_KEYFRAME_COMPLEXKEYFRAMEPAGE_H

#include "control/keyframe/KeyframePage.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace control {
namespace keyframe {

/// Other pages played one after the other, each with its own mirroring and
/// speed factor. Each sub-page starts with its own approach from the pose
/// measured when it begins.
class ComplexKeyframePage : public KeyframePage {
public:
    using KeyframePage::KeyframePage;

    /// Appends a sub-page. Throws std::invalid_argument for a null page, a
    /// speed factor that is not a positive number, or a page that is this one
    /// or contains it: a page inside itself would never end. Refused here, a
    /// loop can never form, however the pages are put together.
    void addPage(std::shared_ptr<KeyframePage> page, bool inverted, double speedRate);

    /// The sub-pages' movement times, each divided by that sub-page's own speed
    /// rate (the entry's speed factor is not counted).
    double getMovementTime() const override;
    /// True once every sub-page has been played.
    bool hasFinished() const override { return playing >= entries.size(); }
    void reset() override;
    /// After the last sub-page has finished, returns the last posture once more
    /// and then plays the page again from its first sub-page.
    const representations::NaoJoints& getDesiredJoints(const representations::NaoJoints& current, double time,
                                                       bool inverted) override;

private:
    /// Whether `page` is played anywhere inside this page, through sub-pages of sub-pages too.
    bool contains(const KeyframePage& page) const;

    struct Entry {
        std::shared_ptr<KeyframePage> page;
        bool inverted;
        double speedRate;
    };

    std::vector<Entry> entries;
    /// The entry playing now.
    std::size_t playing = 0;
    bool started = false;
};

} // namespace keyframe
} // namespace control

#endif
