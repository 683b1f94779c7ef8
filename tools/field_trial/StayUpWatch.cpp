#include "tools/field_trial/StayUpWatch.h"

namespace tools {
namespace field_trial {

void StayUpWatch::observe(const TrueBody& body) {
    if (isDecided() || !body.known || (last && body.time <= last->time)) {
        return;
    }
    if (last && (body.position - last->position).norm() > PLACED) {
        placed = true;
        return;
    }
    last = body;
    if (!body.isUpright()) {
        uprightSince.reset();
    } else if (!uprightSince) {
        uprightSince = body.time;
    }
    lasted = uprightSince && body.time - *uprightSince >= staySeconds;
}

} // namespace field_trial
} // namespace tools
