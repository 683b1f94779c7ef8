#ifndef TOOLS_FIELD_TRIAL_MATCHWIZARD_H
#define TOOLS_FIELD_TRIAL_MATCHWIZARD_H

#include "tools/field_trial/MatchWatch.h"
#include "utils/wizard/ServerWizardData.h"
#include "utils/wizard/Wizard.h"

namespace tools {
namespace field_trial {

/// The wizard, reading the play mode besides, which tells the ball in play
/// from the referee's pauses.
class MatchWizard : public utils::wizard::Wizard {
public:
    using Wizard::Wizard;
    /// Stops the communication task before the play mode it writes goes.
    ~MatchWizard() override;

    void setServerDataWithTreeRecursion(const utils::parser::ParserTreeNode& node) override;
    /// The truth of one monitor message, every player of both sides.
    MatchMoment moment() const;

private:
    utils::wizard::ServerWizardData playModes;
};

} // namespace field_trial
} // namespace tools

#endif
