#pragma once
// Memory for the large buffers of a conversion: those that hold an entry per row of a report
// (where each row of the check table starts, the record of the rows a bank file carries, the
// repeated-check-number table, the checks of a history entry) and the bank file's output block.

#include <cstddef>
#include <vector>

// Large buffers get pages of their own on Linux. AddressSanitizer watches heap memory only: a
// sanitized build keeps every buffer on the heap, so that an overrun of a large one is caught too.
#if defined(__linux__)
#define PPEXPORT_ROW_MEMORY_OWN_PAGES 1
#if defined(__SANITIZE_ADDRESS__)
#undef PPEXPORT_ROW_MEMORY_OWN_PAGES
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#undef PPEXPORT_ROW_MEMORY_OWN_PAGES
#endif
#endif
#endif

namespace ppexport {

// A buffer of at least kRowMemoryOwnFrom bytes gets memory of its own where the system offers large
// pages (Linux): whole 2 MB pages, starting on one, marked for large pages. The first write to
// such a buffer then costs one page fault per 2 MB instead of one per 4 KB; on a virtual machine
// a 4 KB fault costs about 10 microseconds, so a record of 10,000 rows costs 0.1 ms, not 2 ms.
// Heap memory never starts on a large page, so up to its first 2 MB would stay in 4 KB pages.
// Smaller buffers, and every buffer elsewhere, come from the heap. Throws std::bad_alloc as new
// does.
inline constexpr std::size_t kRowMemoryOwnFrom = 128 * 1024;
void* allocateRowMemory(std::size_t bytes);
// Gives back what allocateRowMemory gave for the same number of bytes.
void releaseRowMemory(void* memory, std::size_t bytes) noexcept;

template <class T>
struct RowAllocator {
  using value_type = T;

  RowAllocator() = default;
  template <class U>
  RowAllocator(const RowAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(allocateRowMemory(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t count) noexcept {
    releaseRowMemory(memory, count * sizeof(T));
  }

  template <class U>
  bool operator==(const RowAllocator<U>&) const noexcept {
    return true;
  }
};

// A vector with an entry per report row; reserve it once for the rows it will hold.
template <class T>
using RowVector = std::vector<T, RowAllocator<T>>;

}  // namespace ppexport
