#include "tools/localization_harness/ErrorStatistics.h"

#include <algorithm>
#include <cmath>

namespace tools {
namespace localization_harness {

double ErrorStatistics::rootMeanSquare(const std::vector<double>& values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value * value;
    }
    return values.empty() ? 0.0 : std::sqrt(sum / values.size());
}

double ErrorStatistics::percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    const std::size_t rank = static_cast<std::size_t>(std::ceil(fraction * values.size()));
    const std::size_t index = std::min(values.size() - 1, rank == 0 ? 0 : rank - 1);
    std::nth_element(values.begin(), values.begin() + index, values.end());
    return values[index];
}

double ErrorStatistics::maximum(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

} // namespace localization_harness
} // namespace tools
