#include "platform/base/memory.h"

#include <cstdint>
#include <sys/mman.h>

void AdviseLargeBuffer(void* data, std::size_t size)
{
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    if (!data || size < 4 * kHugePage)
        return;
    // Only the whole huge pages inside the buffer can be advised.
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);  // advice only; failure is harmless
}
