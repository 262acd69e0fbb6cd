#pragma once

#include <cstdint>

// Counts the process's heap allocations (malloc and everything built on it, operator new
// included). Unavailable under the address sanitizer, which owns malloc itself.
namespace AllocationCounter {
bool available();
std::uint64_t count();
} // namespace AllocationCounter
