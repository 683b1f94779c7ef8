#include "modeling/PlayerDistances.h"

#include <algorithm>
#include <cmath>

namespace modeling {

int compareDistanceEntries(const void* a, const void* b) {
    const double da = static_cast<const PlayerDistanceList::value_type*>(a)->first;
    const double db = static_cast<const PlayerDistanceList::value_type*>(b)->first;
    if (db > da) {
        return -1;
    }
    return da == db ? 0 : 1;
}

void sortByDistance(PlayerDistanceList& list) {
    // The qsort comparison is no strict weak order once a NaN is present, so
    // sorting uses one that puts NaN last instead.
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
        if (std::isnan(a.first)) {
            return false;
        }
        return std::isnan(b.first) || a.first < b.first;
    });
}

} // namespace modeling
