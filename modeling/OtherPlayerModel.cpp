#include "modeling/OtherPlayerModel.h"

#include "modeling/FieldFrame.h"

#include <algorithm>
#include <cstddef>

namespace modeling {

using marlowinds_lib::math::Pose2D;

OtherPlayerModel::OtherPlayerModel(int id) { otherPlayer.setId(id); }

void OtherPlayerModel::update(double /*time*/, const perception::VisiblePlayer* player, const Pose2D& odometry,
                              const Pose2D& selfPose) {
    // A sighting without a usable position tells nothing, not even whether the player lies down.
    if (player != nullptr && !state_estimation::PlanarObjectTracker::isObservable(player->getPosition())) {
        player = nullptr;
    }
    playerTracker.update(odometry, player);

    const Pose2D localPosition = playerTracker.getPosition();
    otherPlayer.setLocalPosition(localPosition);
    otherPlayer.setPosition(FieldFrame::toFieldPosition(selfPose, localPosition));
    const Pose2D localVelocity = playerTracker.getVelocity();
    otherPlayer.setLocalVelocity(localVelocity);
    otherPlayer.setVelocity(FieldFrame::toFieldVelocity(selfPose, localVelocity));
    otherPlayer.setRelevant(!playerTracker.hasLostPlayer());

    updateFallen(player);
}

void OtherPlayerModel::update(const representations::HearData& hearData) {
    const int sender = hearData.getUniformNumber();
    if (hearData.isFromSelf() || hearData.getMessage().empty() || hearData.isFallen() || !isUniformNumber(sender)) {
        otherPlayer.setRelevant(false);
        return;
    }
    otherPlayer.setPosition(Pose2D(0.0, hearData.getHeardAgentXPosition(), hearData.getHeardAgentYPosition()));
    otherPlayer.setId(sender);
    otherPlayer.setIsFallen(false);
    otherPlayer.setRelevant(true);
}

void OtherPlayerModel::update(const representations::OtherPlayer& player) {
    otherPlayer.setPosition(player.getPosition());
    otherPlayer.setId(player.getId());
    otherPlayer.setIsFallen(player.isFallen());
    otherPlayer.setRelevant(player.isRelevant());
}

void OtherPlayerModel::updateFallen(const perception::VisiblePlayer* player) {
    if (player == nullptr) {
        return;
    }
    const auto& parts = player->getAllBodyParts();
    if (parts.size() < static_cast<std::size_t>(MIN_PARTS_FOR_FALLEN_TEST)) {
        otherPlayer.setIsFallen(false);
        return;
    }
    double highest = -1000.0;
    double lowest = 1000.0;
    for (const auto& part : parts) {
        highest = std::max(highest, part.second.z);
        lowest = std::min(lowest, part.second.z);
    }
    otherPlayer.setIsFallen(highest - lowest < FALLEN_HEIGHT_SPREAD);
}

} // namespace modeling
