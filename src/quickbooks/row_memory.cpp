#include "quickbooks/row_memory.h"

#include <cstdint>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace ppexport {

#if defined(PPEXPORT_ROW_MEMORY_OWN_PAGES) && defined(MADV_HUGEPAGE)

namespace {
constexpr std::size_t kLargePage = 2 * 1024 * 1024;

// The whole large pages that bytes take, or nothing when that does not fit in a size.
std::size_t largePagesFor(std::size_t bytes) {
  if (bytes > SIZE_MAX - 2 * kLargePage) return 0;
  return (bytes + kLargePage - 1) & ~(kLargePage - 1);
}
}  // namespace

void* allocateRowMemory(std::size_t bytes, std::size_t ownFrom) {
  if (bytes < ownFrom) return ::operator new(bytes);
  const std::size_t length = largePagesFor(bytes);
  if (length == 0) throw std::bad_alloc();
  // Mapped with one large page to spare, then cut to the range that starts on a large page.
  void* mapped = ::mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kLargePage - 1) & ~std::uintptr_t{kLargePage - 1};
  const std::uintptr_t end = start + length + kLargePage;
  if (aligned > start) ::munmap(mapped, aligned - start);
  if (end > aligned + length) {
    ::munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
  }
  // Only a hint: where the system has no large page to give, the range fills with 4 KB pages.
  ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(aligned);
}

void releaseRowMemory(void* memory, std::size_t bytes, std::size_t ownFrom) noexcept {
  if (memory == nullptr) return;
  if (bytes < ownFrom) {
    ::operator delete(memory);
    return;
  }
  ::munmap(memory, largePagesFor(bytes));
}

#else

void* allocateRowMemory(std::size_t bytes, std::size_t) { return ::operator new(bytes); }

void releaseRowMemory(void* memory, std::size_t, std::size_t) noexcept {
  ::operator delete(memory);
}

#endif

}  // namespace ppexport
