#ifndef ACTION_SAYEFFECTOR_H
#define ACTION_SAYEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// A team message, written byte for byte.
class SayEffector : public Effector {
public:
    explicit SayEffector(const std::string& message);
    void appendTo(std::string& text) const override;

private:
    std::string message;
};

} // namespace action

#endif
