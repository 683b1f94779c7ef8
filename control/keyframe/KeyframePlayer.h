#ifndef CONTROL_KEYFRAME_KEYFRAMEPLAYER_H
#define CONTROL_KEYFRAME_KEYFRAMEPLAYER_H

#include "control/keyframe/KeyframePage.h"
#include "control/keyframe/manager/KeyframePageManager.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"

#include <memory>
#include <set>
#include <string>

namespace control {
namespace keyframe {

/// Plays one keyframe page at a time, chosen by name from its page manager.
class KeyframePlayer : public marlowinds_lib::utils::patterns::Configurable<KeyframePlayer> {
public:
    /// Makes the named page current, to be played from its beginning; the page
    /// that was current is reset, so naming it again restarts it. A name that
    /// no page has is refused: false, with one line on the standard error
    /// stream the first time the name is refused, and nothing changes; the
    /// caller then ends the keyframe movement.
    bool setPage(const std::string& name);
    /// The current page's posture for this cycle (see KeyframePage). Requires a current page.
    const representations::NaoJoints& getDesiredJoints(const representations::NaoJoints& current, double time,
                                                       bool inverted);
    /// Empty until a page has been set.
    const std::shared_ptr<KeyframePage>& getCurrentPage() const { return currentPage; }
    /// Whether the named page's own playing state says it has finished; true
    /// for a name that no page has, since nothing of it can be playing.
    bool hasPageEnded(const std::string& name) const;

    manager::KeyframePageManager& getPageManager() { return pageManager; }

private:
    std::shared_ptr<KeyframePage> currentPage;
    manager::KeyframePageManager pageManager;
    /// Names already reported, so a request repeated every cycle is reported once.
    std::set<std::string> refusedNames;
};

} // namespace keyframe
} // namespace control

#endif
