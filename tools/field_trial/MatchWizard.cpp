#include "tools/field_trial/MatchWizard.h"

namespace tools {
namespace field_trial {

namespace {

using representations::PlaySide;

} // namespace

MatchWizard::~MatchWizard() { stop(); }

void MatchWizard::setServerDataWithTreeRecursion(const utils::parser::ParserTreeNode& node) {
    // "play_modes" lists the modes once; "play_mode" names the current one by its place in the list.
    if (utils::wizard::contains(node.value, "play_mode")) {
        playModes.update(node);
        return;
    }
    Wizard::setServerDataWithTreeRecursion(node);
}

MatchMoment MatchWizard::moment() const {
    // The wizard's thread may read the next message between two getters.
    for (;;) {
        MatchMoment moment;
        moment.time = getLastUpdateTime();
        moment.playMode = playModes.getPlayMode();
        moment.leftScore = getLeftScore();
        moment.rightScore = getRightScore();
        moment.ball = getBallTranslation();
        for (int number = 1; number <= utils::wizard::TEAM_SIZE; ++number) {
            for (const PlaySide::PLAY_SIDE side : {PlaySide::LEFT, PlaySide::RIGHT}) {
                TrueBody& body = moment.players[static_cast<std::size_t>(utils::wizard::getAgentNumber(number, side))];
                body = TrueBody::fromTorso(getAgentTransform(number, side));
                body.time = moment.time;
            }
        }
        if (getLastUpdateTime() == moment.time) {
            return moment;
        }
    }
}

} // namespace field_trial
} // namespace tools
