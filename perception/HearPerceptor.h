#ifndef PERCEPTION_HEARPERCEPTOR_H
#define PERCEPTION_HEARPERCEPTOR_H

#include "perception/Perceptor.h"
#include "representations/HearData.h"

#include <string>

namespace perception {

/// One heard message, a flat group: (hear TEAM TIME DIRECTION MESSAGE). TIME and
/// DIRECTION (degrees, or "self" in any letter case) are read lexical; words
/// after the message are not part of it. Nothing is decoded here.
class HearPerceptor : public Perceptor {
public:
    /// Name "unknown", type NONE, nothing heard: empty team and message.
    HearPerceptor() : heardData("", 0.0, true, 0.0, "") {}
    explicit HearPerceptor(const utils::parser::ParserTreeNode& group);

    const std::string& getTeam() const { return heardData.getTeam(); }
    double getTime() const { return heardData.getHeardServerTime(); }
    bool isFromSelf() const { return heardData.isFromSelf(); }
    /// Radians; 0 when the agent heard itself.
    double getDirection() const { return heardData.getDirection(); }
    const std::string& getMessage() const { return heardData.getMessage(); }
    const representations::HearData& getHearData() const { return heardData; }

private:
    representations::HearData heardData;
};

} // namespace perception

#endif
