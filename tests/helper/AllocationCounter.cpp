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
}

bool AllocationCounter::available() {
    return KEYVIGIL_COUNT_ALLOCATIONS;
}

std::uint64_t AllocationCounter::count() {
    return allocations.load();
}

#if KEYVIGIL_COUNT_ALLOCATIONS
// Every allocating entry point is replaced, forwarding to the C library's own.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size) noexcept {
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) noexcept {
    ++allocations;
    return __libc_realloc(pointer, size);
}
void* memalign(std::size_t alignment, std::size_t size) noexcept {
    ++allocations;
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    ++allocations;
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** pointer, std::size_t alignment, std::size_t size) noexcept {
    ++allocations;
    *pointer = __libc_memalign(alignment, size);
    return *pointer ? 0 : ENOMEM;
}
void free(void* pointer) noexcept {
    __libc_free(pointer);
}
}
#endif
