#ifndef MODELING_PLAYERDISTANCES_H
#define MODELING_PLAYERDISTANCES_H

#include "representations/OtherPlayer.h"

#include <utility>
#include <vector>

namespace modeling {

/// Players with their planar distance (metres) to some point; the records
/// belong to the world model and stay valid until its next cycle.
using PlayerDistanceList = std::vector<std::pair<double, representations::OtherPlayer*>>;

/// Compares two PlayerDistanceList entries by distance, qsort style: -1 when
/// the first is nearer, 0 when equal, 1 otherwise (also when either is NaN).
int compareDistanceEntries(const void* a, const void* b);

/// Ascending distance; entries whose distance is NaN go last. Equal distances
/// keep no guaranteed order.
void sortByDistance(PlayerDistanceList& list);

} // namespace modeling

#endif
