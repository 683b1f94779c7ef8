#ifndef ACTION_HINGEJOINTEFFECTOR_H
#define ACTION_HINGEJOINTEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// The speed command (rad/s) of one joint, named by its effector.
class HingeJointEffector : public Effector {
public:
    HingeJointEffector(const std::string& name, double value);
    void appendTo(std::string& text) const override;

private:
    std::string name;
    double value;
};

} // namespace action

#endif
