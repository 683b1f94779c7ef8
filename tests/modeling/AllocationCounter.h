#ifndef TESTS_MODELING_ALLOCATIONCOUNTER_H
#define TESTS_MODELING_ALLOCATIONCOUNTER_H

namespace modeling {
namespace testing {

/// Counts the heap allocations of the process: every malloc, calloc and
/// realloc, and so every operator new and every Eigen buffer. Sanitizer builds
/// keep their own allocator and count nothing.
class AllocationCounter {
public:
    static bool isAvailable();
    static long count();
};

} // namespace testing
} // namespace modeling

#endif
