#ifndef TESTS_MODELING_ALLOCATIONCOUNTER_H
#define TESTS_MODELING_ALLOCATIONCOUNTER_H

#include <cstddef>

namespace modeling {
namespace testing {

/// The number of global operator new calls of this process so far; the test
/// binary replaces operator new to count them.
std::size_t allocationCount();

} // namespace testing
} // namespace modeling

#endif
