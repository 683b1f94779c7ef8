#ifndef TESTS_DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_COMPILERWIDEINTEGERS_H
#define TESTS_DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_COMPILERWIDEINTEGERS_H

namespace decision_making {
namespace positioning {
namespace role_assignment {

// The compiler's own 128-bit integers, against which the solver's wide integers are checked.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
