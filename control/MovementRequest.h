#ifndef CONTROL_MOVEMENTREQUEST_H
#define CONTROL_MOVEMENTREQUEST_H

/// The kind of a movement request.
class MovementRequestType {
public:
    enum MOVEMENT_REQUEST_TYPE { WALK = 0, KICK = 1, KEYFRAME = 2, NEURAL = 3 };
};

namespace control {

/// What decision making asks of motion control in one cycle. Immutable.
class MovementRequest {
public:
    explicit MovementRequest(MovementRequestType::MOVEMENT_REQUEST_TYPE type) : type(type) {}
    virtual ~MovementRequest() = default;

    MovementRequestType::MOVEMENT_REQUEST_TYPE getMovementType() const { return type; }

private:
    MovementRequestType::MOVEMENT_REQUEST_TYPE type;
};

} // namespace control

#endif
