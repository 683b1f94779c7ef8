#ifndef ACTION_CREATEEFFECTOR_H
#define ACTION_CREATEEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// The scene request: asks the server for a body of the given type.
class CreateEffector : public Effector {
public:
    CreateEffector(const std::string& scene, int robotType);
    void appendTo(std::string& text) const override;

private:
    std::string scene;
    int robotType;
};

} // namespace action

#endif
