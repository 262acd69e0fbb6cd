#include "tests/helper/AllocationCounter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KEYVIGIL_COUNT_ALLOCATIONS 0
#else
#define KEYVIGIL_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<std::uint64_t> allocations{0};

void counted() {
    allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

bool AllocationCounter::available() {
    return KEYVIGIL_COUNT_ALLOCATIONS;
}

std::uint64_t AllocationCounter::count() {
    return allocations.load(std::memory_order_relaxed);
}

#if KEYVIGIL_COUNT_ALLOCATIONS
// The C library's own entry points, which these replacements forward to.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size) noexcept {
    counted();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    counted();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept {
    counted();
    return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    counted();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    counted();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** pointer, std::size_t alignment, std::size_t size) noexcept {
    counted();
    void* allocated = __libc_memalign(alignment, size);
    if (!allocated)
        return ENOMEM;
    *pointer = allocated;
    return 0;
}

void free(void* pointer) noexcept {
    __libc_free(pointer);
}
}
#endif
