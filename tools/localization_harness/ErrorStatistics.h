#ifndef TOOLS_LOCALIZATION_HARNESS_ERRORSTATISTICS_H
#define TOOLS_LOCALIZATION_HARNESS_ERRORSTATISTICS_H

#include <vector>

namespace tools {
namespace localization_harness {

/// Summaries of a series of errors; each is 0 for an empty series.
class ErrorStatistics {
public:
    ErrorStatistics() = delete;

    static double rootMeanSquare(const std::vector<double>& values);
    /// The nearest-rank percentile, fraction 0 to 1.
    static double percentile(std::vector<double> values, double fraction);
    static double maximum(const std::vector<double>& values);
};

} // namespace localization_harness
} // namespace tools

#endif
