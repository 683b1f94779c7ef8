#ifndef CONTROL_ICONTROLSYSTEM_H
#define CONTROL_ICONTROLSYSTEM_H

namespace perception {
class Perception;
}
namespace modeling {
class Modeling;
}

namespace control {

/// Something that runs once per control cycle on this cycle's perception and models.
class IControlSystem {
public:
    virtual ~IControlSystem() = default;

    virtual void control(perception::Perception& perception, modeling::Modeling& modeling) = 0;
};

} // namespace control

#endif
