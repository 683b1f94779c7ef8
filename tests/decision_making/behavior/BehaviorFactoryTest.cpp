#include "decision_making/behavior/BehaviorFactory.h"

#include <type_traits>

namespace decision_making {
namespace behavior {
namespace {

// The behaviours keep the address of the factory that built them, so a copy
// or a moved-to factory would hand out behaviours that reach into another one.
static_assert(!std::is_copy_constructible<BehaviorFactory>::value, "a copied factory's behaviours keep the original");
static_assert(!std::is_copy_assignable<BehaviorFactory>::value, "a copied factory's behaviours keep the original");
static_assert(!std::is_move_constructible<BehaviorFactory>::value, "a moved factory's behaviours keep the original");

} // namespace
} // namespace behavior
} // namespace decision_making
