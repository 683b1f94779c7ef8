#ifndef MODELING_BODYPARTTYPE_H
#define MODELING_BODYPARTTYPE_H

namespace modeling {

/// The NAO's rigid body parts. A part's number is also its index in every
/// per-part array of the body model, and a parent always has a lower number
/// than its children.
enum class BodyPartType : int {
    TORSO = 0,
    NECK = 1,
    HEAD = 2,
    LEFT_SHOULDER = 3,
    LEFT_UPPERARM = 4,
    LEFT_ELBOW = 5,
    LEFT_LOWERARM = 6,
    RIGHT_SHOULDER = 7,
    RIGHT_UPPERARM = 8,
    RIGHT_ELBOW = 9,
    RIGHT_LOWERARM = 10,
    LEFT_HIP1 = 11,
    LEFT_HIP2 = 12,
    LEFT_THIGH = 13,
    LEFT_SHANK = 14,
    LEFT_ANKLE = 15,
    LEFT_FOOT = 16,
    RIGHT_HIP1 = 17,
    RIGHT_HIP2 = 18,
    RIGHT_THIGH = 19,
    RIGHT_SHANK = 20,
    RIGHT_ANKLE = 21,
    RIGHT_FOOT = 22,
    /// The torso's parent, and type and parent of a default record.
    NO_PART = 24,
};

} // namespace modeling

#endif
