#ifndef TOOLS_FIELD_TRIAL_TRIALCATALOGUE_H
#define TOOLS_FIELD_TRIAL_TRIALCATALOGUE_H

#include "tools/field_trial/Trial.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tools {
namespace field_trial {

/// Every trial the tool knows, by name.
class TrialCatalogue {
public:
    TrialCatalogue();

    const std::vector<std::unique_ptr<Trial>>& getTrials() const { return trials; }
    /// The trials a name selects: the one of that name, or those whose name
    /// continues it after a '-' ("walk" selects "walk-backward", ...).
    std::vector<const Trial*> select(const std::string& name) const;
    /// The short run CI makes: trial name and body type.
    static const std::vector<std::pair<std::string, int>>& getCiSubset();

private:
    std::vector<std::unique_ptr<Trial>> trials;
};

} // namespace field_trial
} // namespace tools

#endif
