#ifndef TOOLS_FIELD_TRIAL_FIGURESTABLE_H
#define TOOLS_FIELD_TRIAL_FIGURESTABLE_H

#include "tools/field_trial/TrialFigures.h"

#include <ostream>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// The figures of a run as a Markdown table, one row per trial and body type,
/// "-" where a trial does not measure a figure.
class FiguresTable {
public:
    FiguresTable() = delete;

    static void print(const std::vector<TrialFigures>& figures, std::ostream& out);
    /// The help text's account of the columns.
    static const char* columns();
};

} // namespace field_trial
} // namespace tools

#endif
