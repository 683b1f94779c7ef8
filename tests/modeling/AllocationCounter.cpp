#include "tests/modeling/AllocationCounter.h"

#include <atomic>
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define MARLOWINDS_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MARLOWINDS_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef MARLOWINDS_COUNT_ALLOCATIONS
#define MARLOWINDS_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<long> allocations{0};
} // namespace

#if MARLOWINDS_COUNT_ALLOCATIONS
// The C library's own allocator, which the functions below count and forward to.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

void free(void* pointer) noexcept { __libc_free(pointer); }
}
#endif

namespace modeling {
namespace testing {

bool AllocationCounter::isAvailable() { return MARLOWINDS_COUNT_ALLOCATIONS != 0; }

long AllocationCounter::count() { return allocations.load(std::memory_order_relaxed); }

} // namespace testing
} // namespace modeling
